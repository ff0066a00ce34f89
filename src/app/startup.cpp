#include "app/startup.h"

#include <random>

#include "app/product.h"
#include "engine/failure.h"

namespace quire {

std::string ApplicationTitle(std::string_view productName) {
    constexpr std::size_t kMaxTitle = 40;
    std::string title(productName);
    do {
        const std::size_t blank = title.rfind(' ');
        if (blank == std::string::npos) throw Failure("Invalid procedure call or argument");
        title.resize(blank);
    } while (title.size() > kMaxTitle);
    return title;
}

std::string DefaultTargetFolder(Shell& shell, char separator) {
    std::string desktop = shell.SpecialFolderPath(kDesktopFolder);
    if (desktop.empty()) throw Failure("Invalid procedure call or argument");
    desktop += separator;
    return desktop;
}

UniformSource SeededUniformSource(std::uint32_t secondsSinceMidnight) {
    return [engine = std::mt19937(secondsSinceMidnight)]() mutable {
        return std::uniform_real_distribution<double>(0.0, 1.0)(engine);
    };
}

int DrawStartupNumber(const UniformSource& uniform) {
    return static_cast<int>(uniform() * 100.0) + 1;
}

void StartupDraw(const UniformSource& uniform, Shell& shell, std::string_view webOpener) {
    if (DrawStartupNumber(uniform) != kStartupDrawHit) return;
    shell.RunShellCommand(ShellCommand{std::string(webOpener), std::string(product::kHomePage),
                                       kShowMinimizedWithFocus});
}

}  // namespace quire
