#include "app/startup.h"

#include <algorithm>
#include <array>
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

std::string DefaultTargetFolder(Shell& shell, const FolderLookup& files, char separator) {
    std::string desktop = shell.SpecialFolderPath(kDesktopFolder);
    if (desktop.empty()) throw Failure("Invalid procedure call or argument");
    if (!files.FolderExists(desktop)) {
        std::string home = shell.SpecialFolderPath(kHomeFolder);
        if (!home.empty()) desktop = std::move(home);
    }
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

bool StartupDrawWanted(SettingsStore& settings) {
    std::string value;
    try {
        value = settings.ReadSetting(setting::kStartupDraw, "");
    } catch (const Failure&) {
        return true;
    }
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!value.empty() && blank(value.back())) value.pop_back();
    value.erase(0, static_cast<std::size_t>(std::find_if_not(value.begin(), value.end(), blank) -
                                            value.begin()));
    for (char& c : value) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    constexpr std::array<std::string_view, 4> kOff{"0", "off", "no", "false"};
    return std::find(kOff.begin(), kOff.end(), value) == kOff.end();
}

void StartupDraw(const UniformSource& uniform, Shell& shell, std::string_view webOpener) {
    if (DrawStartupNumber(uniform) != kStartupDrawHit) return;
    shell.RunShellCommand(ShellCommand{std::string(webOpener), std::string(product::kHomePage),
                                       kShowMinimizedWithFocus});
}

}  // namespace quire
