#include "engine/utf8.h"

namespace quire {

Utf8Sequence DecodeUtf8(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    if (at >= text.size()) return {};
    const unsigned char lead = byte(0);
    if (lead < 0x80) return {lead, 1};
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;  // the range of the second byte
    char32_t point = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        point = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        point = lead & 0x0Fu;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        point = lead & 0x07u;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return {};
    }
    if (text.size() - at < length || byte(1) < low || byte(1) > high) return {};
    for (std::size_t i = 1; i < length; ++i) {
        if (!IsUtf8Continuation(byte(i))) return {};
        point = (point << 6) | (byte(i) & 0x3Fu);
    }
    return {point, length};
}

bool IsUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = DecodeUtf8(text, i).length;
        if (length == 0) return false;
        i += length;
    }
    return true;
}

std::size_t EncodeUtf8(char32_t point, char* out) {
    if (point < 0x80) {
        out[0] = static_cast<char>(point);
        return 1;
    }
    const std::size_t length = point < 0x800 ? 2 : point < 0x10000 ? 3 : 4;
    constexpr unsigned char kLead[] = {0, 0, 0xC0, 0xE0, 0xF0};
    for (std::size_t k = length - 1; k > 0; --k) {
        out[k] = static_cast<char>(0x80 | (point & 0x3F));
        point >>= 6;
    }
    out[0] = static_cast<char>(kLead[length] | point);
    return length;
}

void AppendUtf8(std::string& out, char32_t point) {
    char bytes[4];
    out.append(bytes, EncodeUtf8(point, bytes));
}

std::size_t CompleteUtf8Length(std::string_view text) {
    std::size_t lead = text.size();
    for (std::size_t back = 0; back < 4 && lead > 0; ++back) {
        const auto byte = static_cast<unsigned char>(text[--lead]);
        if (IsUtf8Continuation(byte)) continue;
        const std::size_t needs = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        return text.size() - lead < needs ? lead : text.size();
    }
    return text.size();
}

std::size_t Utf8CutBefore(std::string_view text, std::size_t size) {
    if (size >= text.size()) return text.size();
    while (size > 0 && IsUtf8Continuation(static_cast<unsigned char>(text[size]))) --size;
    return size;
}

std::size_t Utf16Length(std::string_view text) {
    std::size_t units = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (!IsUtf8Continuation(byte)) units += byte >= 0xF0 ? 2 : 1;
    }
    return units;
}

}  // namespace quire
