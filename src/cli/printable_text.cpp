#include "cli/printable_text.h"

#include <cstdint>

#include "engine/ascii_text.h"
#include "engine/utf8.h"

namespace quire::cli {
namespace {

bool IsHiddenControl(char32_t c) {
    return (c >= 0x80 && c <= 0x9F) || c == 0x2028 || c == 0x2029 || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
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
                AppendHex(out += "\\x", byte, 2, false);
            ++i;
        } else if (const Utf8Sequence decoded = DecodeUtf8(text, i); decoded.length == 0) {
            AppendHex(out += "\\x", byte, 2, false);
            ++i;
        } else {
            if (IsHiddenControl(decoded.point)) {
                AppendHex(out += "\\u", static_cast<std::uint32_t>(decoded.point), 4, false);
            } else {
                out.append(text.substr(i, decoded.length));
            }
            i += decoded.length;
        }
    }
    return out;
}

}  // namespace quire::cli
