#include "ui/theme.h"

#include <string>

#include "engine/ascii_text.h"
#include "engine/failure.h"

namespace quire {
namespace {

// A carriage return too: a theme file may have Windows line ends.
constexpr std::string_view kBlanks = " \t\r";

std::optional<Colour>* Slot(Theme& theme, std::string_view section, std::string_view key) {
    if (section == "Window" && key == "Face") return &theme.windowFace;
    if (section == "Frame") {
        if (key == "Face") return &theme.frameFace;
        if (key == "Text") return &theme.frameText;
    }
    if (section == "PushButton") {
        ButtonTheme& b = theme.pushButton;
        if (key == "Face") return &b.face;
        if (key == "HotFace") return &b.hotFace;
        if (key == "PressedFace") return &b.pressedFace;
        if (key == "Border") return &b.border;
        if (key == "Text") return &b.text;
    }
    return nullptr;
}

[[noreturn]] void Malformed(int lineNumber, std::string_view why) {
    throw Failure("Theme file line " + std::to_string(lineNumber) + ": " + std::string(why));
}

}  // namespace

std::optional<Colour> ParseHexColour(std::string_view text) {
    if (text.size() != 7 || text[0] != '#') return std::nullopt;
    Colour rgb = 0;
    for (std::size_t i = 1; i < 7; ++i) {
        const int digit = HexValue(text[i]);
        if (digit < 0) return std::nullopt;
        rgb = rgb << 4 | static_cast<Colour>(digit);
    }
    // #RRGGBB to red in the low byte.
    return (rgb >> 16 & 0xFF) | (rgb & 0xFF00) | (rgb & 0xFF) << 16;
}

Theme ParseTheme(std::string_view text) {
    Theme theme;
    std::string section;
    int lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = Trim(text.substr(0, end), kBlanks);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++lineNumber;
        if (lineNumber == 1 && line.substr(0, 3) == "\xEF\xBB\xBF")
            line = Trim(line.substr(3), kBlanks);
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            if (line.back() != ']' || line.size() < 3) Malformed(lineNumber, "bad section header");
            section = Trim(line.substr(1, line.size() - 2), kBlanks);
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) Malformed(lineNumber, "expected Key = Value");
        const std::string_view key = Trim(line.substr(0, equals), kBlanks);
        const std::string_view value = Trim(line.substr(equals + 1), kBlanks);
        if (key.empty()) Malformed(lineNumber, "missing key");
        std::optional<Colour>* slot = Slot(theme, section, key);
        if (slot == nullptr) continue;
        const auto colour = ParseHexColour(value);
        if (!colour) Malformed(lineNumber, "expected a colour as #RRGGBB");
        *slot = colour;
    }
    return theme;
}

}  // namespace quire
