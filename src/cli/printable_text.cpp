#include "cli/printable_text.h"

#include <cstdint>

namespace quire::cli {
namespace {

struct Decoded {
    char32_t codePoint = 0;
    std::size_t length = 0;  // 0: no well-formed UTF-8 sequence starts here
};

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// One UTF-8 sequence: no overlong forms, no surrogates, nothing past U+10FFFF.
Decoded DecodeUtf8(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    char32_t codePoint = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0Fu;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07u;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return {};
    }
    if (text.size() < length || byte(1) < low || byte(1) > high) return {};
    for (std::size_t i = 1; i < length; ++i) {
        if (!IsContinuation(byte(i))) return {};
        codePoint = (codePoint << 6) | (byte(i) & 0x3Fu);
    }
    return {codePoint, length};
}

bool IsHiddenControl(char32_t c) {
    return (c >= 0x80 && c <= 0x9F) || c == 0x2028 || c == 0x2029 || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}

void AppendHex(std::string& out, const char* prefix, std::uint32_t value, int digits) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += prefix;
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) out += kHex[(value >> shift) & 0xFu];
}

}  // namespace

std::string Printable(std::string_view text, char separator) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte >= 0x20 && byte < 0x7F) {
            if (byte == '\\' && separator != '\\') out += '\\';
            out += text[i++];
        } else if (byte < 0x80) {
            if (byte == '\n')
                out += "\\n";
            else if (byte == '\r')
                out += "\\r";
            else if (byte == '\t')
                out += "\\t";
            else
                AppendHex(out, "\\x", byte, 2);
            ++i;
        } else if (const Decoded decoded = DecodeUtf8(text.substr(i)); decoded.length == 0) {
            AppendHex(out, "\\x", byte, 2);
            ++i;
        } else {
            if (IsHiddenControl(decoded.codePoint)) {
                AppendHex(out, "\\u", static_cast<std::uint32_t>(decoded.codePoint), 4);
            } else {
                out.append(text.substr(i, decoded.length));
            }
            i += decoded.length;
        }
    }
    return out;
}

}  // namespace quire::cli
