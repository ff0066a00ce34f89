#include "ui/preset_name.h"

#include <algorithm>

#include "app/product.h"
#include "engine/utf8.h"

namespace quire {
namespace {

// The small letter of a capital one of the Latin-1, Greek and Cyrillic blocks.
char32_t SmallLetter(char32_t c) {
    if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;
    if ((c >= 0x391 && c <= 0x3A9 && c != 0x3A2) || (c >= 0x410 && c <= 0x42F)) return c + 0x20;
    if (c >= 0x400 && c <= 0x40F) return c + 0x50;
    return c;
}

// The characters of well-formed `text`, each in its small form; bytes of no character stand for
// themselves.
std::u32string Folded(std::string_view text) {
    std::u32string folded;
    for (std::size_t at = 0; at < text.size();) {
        const Utf8Sequence sequence = DecodeUtf8(text, at);
        if (sequence.length == 0) {
            folded += static_cast<char32_t>(static_cast<unsigned char>(text[at]) | 0x110000);
            ++at;
            continue;
        }
        folded += SmallLetter(sequence.point);
        at += sequence.length;
    }
    return folded;
}

bool IsControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

}  // namespace

bool SameNameInAnyCase(std::string_view a, std::string_view b) { return Folded(a) == Folded(b); }
bool PresetNameOrder(std::string_view a, std::string_view b) { return Folded(a) < Folded(b); }

std::string PresetNameProblem(std::string_view name, const std::vector<std::string>& existing,
                              bool full) {
    if (name.empty()) return std::string(product::kPresetNameEmpty);
    const std::u32string characters = Folded(name);
    if (std::any_of(characters.begin(), characters.end(), IsControl)) {
        return std::string(product::kPresetNameControl);
    }
    if (characters.size() > kLongestPresetName) return std::string(product::kPresetNameTooLong);
    for (const std::string& other : existing) {
        if (other == name) return {};
        if (SameNameInAnyCase(other, name)) {
            return std::string(product::kPresetNameTaken) + " \"" + other + "\"";
        }
    }
    return full ? std::string(product::kPresetsFull) : std::string();
}

}  // namespace quire
