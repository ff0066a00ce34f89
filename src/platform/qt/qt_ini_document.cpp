#include "platform/qt/qt_ini_document.h"

#include <algorithm>
#include <cstdint>

#include "engine/ascii_text.h"
#include "engine/utf8.h"

namespace quire::ini {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineBreak(char c) { return c == '\n' || c == '\r'; }

// Written values escape every control character but the tab; a raw one is no setting.
bool IsControl(char c) {
    return static_cast<unsigned char>(c) < 0x20 && c != '\t' && !IsLineBreak(c);
}

// One UTF-16 unit of an escape as UTF-8; a lone surrogate stands for no character.
void AppendUnit(std::string& out, std::uint32_t unit) {
    unit &= 0xFFFF;
    AppendUtf8(out, unit >= 0xD800 && unit <= 0xDFFF ? 0xFFFD : unit);
}

// Resolves the escape that starts after the backslash at `i`; gives the index after it.
std::size_t Unescape(std::string_view raw, std::size_t i, std::string& out) {
    static constexpr char kSimple[][2] = {{'a', '\a'}, {'b', '\b'},  {'f', '\f'}, {'n', '\n'},
                                          {'r', '\r'}, {'t', '\t'},  {'v', '\v'}, {'"', '"'},
                                          {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
    const char c = raw[i++];
    for (const auto& simple : kSimple) {
        if (c == simple[0]) {
            out += simple[1];
            return i;
        }
    }
    if (c == 'x' || (c >= '0' && c <= '7')) {
        const bool hex = c == 'x';
        std::uint32_t unit = hex ? 0 : static_cast<std::uint32_t>(c - '0');
        bool any = !hex;
        for (; i < raw.size(); ++i) {
            const int digit =
                hex ? HexValue(raw[i]) : (raw[i] >= '0' && raw[i] <= '7' ? raw[i] - '0' : -1);
            if (digit < 0) break;
            unit = (unit << (hex ? 4 : 3) | static_cast<std::uint32_t>(digit)) & 0xFFFF;
            any = true;
        }
        if (any) AppendUnit(out, unit);
        return i;
    }
    // A line break after a backslash continues the line; any other character is dropped.
    if (IsLineBreak(c) && i < raw.size() && IsLineBreak(raw[i]) && raw[i] != c) ++i;
    return i;
}

}  // namespace

std::string DecodeValue(std::string_view raw) {
    std::string out;
    bool inQuotes = false;
    bool quoted = false;
    std::size_t chopLimit = 0;
    std::size_t i = 0;
    const auto skipBlanks = [&] {
        while (i < raw.size() && IsBlank(raw[i])) ++i;
        chopLimit = out.size();
    };
    skipBlanks();
    while (i < raw.size()) {
        const char c = raw[i];
        if (c == '\\') {
            if (++i == raw.size()) break;
            i = Unescape(raw, i, out);
            chopLimit = out.size();
        } else if (c == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) skipBlanks();
        } else {
            const std::size_t end = std::min(raw.find_first_of("\\\"", i + 1), raw.size());
            out.append(raw.substr(i, end - i));
            i = end;
        }
    }
    if (!quoted) {
        while (out.size() > chopLimit && IsBlank(out.back())) out.pop_back();
    }
    // A text that starts with "@" is written with another before it (see EncodeValue); Qt wraps
    // a text that holds a NUL.
    constexpr std::string_view kWrapped = "@String(";
    if (out.starts_with(kWrapped) && out.back() == ')') {
        return out.substr(kWrapped.size(), out.size() - kWrapped.size() - 1);
    }
    if (out.starts_with("@@")) out.erase(0, 1);
    return out;
}

std::string EncodeValue(std::string_view text) {
    std::string body;
    bool needsQuotes = false;
    bool escapeNextIfDigit = false;
    const auto hexEscape = [&](unsigned char c) {
        body += "\\x";
        if (c >= 0x10) body += HexDigit(c >> 4, false);
        body += HexDigit(c, false);
    };
    // A text that starts with "@" would read as a typed value.
    std::string marked(text.starts_with('@') ? 1 : 0, '@');
    marked += text;
    for (const char ch : marked) {
        const auto c = static_cast<unsigned char>(ch);
        if (ch == ';' || ch == ',' || ch == '=') needsQuotes = true;
        if (escapeNextIfDigit && HexValue(ch) >= 0) {
            hexEscape(c);
            continue;
        }
        escapeNextIfDigit = false;
        switch (ch) {
            case '\0':
                body += "\\0";
                escapeNextIfDigit = true;
                break;
            case '\a': body += "\\a"; break;
            case '\b': body += "\\b"; break;
            case '\f': body += "\\f"; break;
            case '\n': body += "\\n"; break;
            case '\r': body += "\\r"; break;
            case '\t': body += "\\t"; break;
            case '\v': body += "\\v"; break;
            case '"':
            case '\\':
                body += '\\';
                body += ch;
                break;
            default:
                if (c <= 0x1F) {
                    hexEscape(c);
                    escapeNextIfDigit = true;
                } else {
                    body += ch;
                }
        }
    }
    if (needsQuotes || (!body.empty() && (body.front() == ' ' || body.back() == ' '))) {
        return '"' + body + '"';
    }
    return body;
}

std::string EncodeName(std::string_view name) {
    std::string out;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '/') {
            out += '\\';
        } else if (std::isalnum(byte) != 0 || c == '_' || c == '-' || c == '.') {
            out += c;
        } else {
            out += '%';
            out += HexDigit(byte >> 4, true);
            out += HexDigit(byte, true);
        }
    }
    return out;
}

std::string DecodeName(std::string_view raw) {
    std::string out;
    for (std::size_t i = 0; i < raw.size();) {
        if (raw[i] == '\\') {
            out += '/';
            ++i;
        } else if (raw[i] == '%' && i + 2 < raw.size() && HexValue(raw[i + 1]) >= 0 &&
                   HexValue(raw[i + 2]) >= 0) {
            out += static_cast<char>(HexValue(raw[i + 1]) << 4 | HexValue(raw[i + 2]));
            i += 3;
        } else {
            out += raw[i++];
        }
    }
    return out;
}

Document::Document(std::string_view text) {
    int lineNumber = 1;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t start = pos;
        std::size_t first = start;
        while (first < text.size() && IsBlank(text[first])) ++first;

        // The logical line: a line break inside quotes or after a backslash does not end it;
        // a ";" outside quotes starts a comment that runs to the end of the line.
        bool inQuotes = false;
        std::size_t equals = std::string_view::npos;
        std::size_t contentEnd = std::string_view::npos;
        std::size_t i = first;
        const bool comment = i < text.size() && (text[i] == ';' || text[i] == '#');
        while (i < text.size()) {
            const char c = text[i];
            if (IsLineBreak(c) && (!inQuotes || comment)) break;
            if (comment || contentEnd != std::string_view::npos) {
                ++i;
            } else if (c == '"') {
                inQuotes = !inQuotes;
                ++i;
            } else if (c == '\\') {
                const bool crlf = i + 2 < text.size() && text[i + 1] == '\r' && text[i + 2] == '\n';
                i += crlf ? 3u : 2u;
            } else if (c == ';' && !inQuotes) {
                contentEnd = i;
            } else {
                if (c == '=' && !inQuotes && equals == std::string_view::npos) equals = i;
                ++i;
            }
        }
        i = std::min(i, text.size());
        if (contentEnd == std::string_view::npos) contentEnd = i;
        const bool complete = i < text.size();
        if (complete) i += text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n' ? 2u : 1u;
        pos = i;

        Line line{Line::Kind::Other, std::string(text.substr(start, pos - start)), {}, 0, 0};
        const std::string_view content = Trim(text.substr(first, contentEnd - first));
        const bool controls = std::any_of(content.begin(), content.end(), IsControl);
        if (comment || content.empty()) {
            line.kind = Line::Kind::Other;
        } else if (controls) {
            line.kind = Line::Kind::Damaged;
        } else if (content.front() == '[') {
            const std::size_t close = content.find(']');
            line.kind = close == std::string_view::npos ? Line::Kind::Damaged : Line::Kind::Group;
            if (close != std::string_view::npos) {
                line.name = DecodeName(Trim(content.substr(1, close - 1)));
                std::string lower = line.name;
                std::transform(lower.begin(), lower.end(), lower.begin(),
                               [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
                if (lower == "general") line.name.clear();
            }
        } else if (equals != std::string_view::npos && equals < contentEnd) {
            line.kind = Line::Kind::Entry;
            line.name = DecodeName(Trim(text.substr(first, equals - first)));
            line.valueBegin = equals + 1 - start;
            line.valueEnd = contentEnd - start;
        } else {
            line.kind = Line::Kind::Damaged;
        }
        // A last line cut short is a write that did not finish, unless no write could make it.
        if (line.kind == Line::Kind::Damaged && (complete || controls) && damagedLine_ == 0) {
            damagedLine_ = lineNumber;
        }
        lineNumber += static_cast<int>(std::count(line.raw.begin(), line.raw.end(), '\n'));
        lines_.push_back(std::move(line));
    }
}

std::optional<std::string> Document::Value(std::string_view group, std::string_view key) const {
    std::optional<std::string> value;
    std::string_view current;
    for (const Line& line : lines_) {
        if (line.kind == Line::Kind::Group) current = line.name;
        if (line.kind == Line::Kind::Entry && current == group && line.name == key) {
            value = DecodeValue(std::string_view(line.raw).substr(line.valueBegin,
                                                                  line.valueEnd - line.valueBegin));
        }
    }
    return value;
}

void Document::SetValue(std::string_view group, std::string_view key, std::string_view value) {
    Line entry{Line::Kind::Entry, EncodeName(key) + "=", std::string(key), 0, 0};
    entry.valueBegin = entry.raw.size();
    entry.raw += EncodeValue(value);
    entry.valueEnd = entry.raw.size();
    entry.raw += '\n';

    std::string_view current;
    std::optional<std::size_t> found;
    std::optional<std::size_t> groupEnd;  // after the group's last setting or header
    for (std::size_t i = 0; i < lines_.size();) {
        const Line& line = lines_[i];
        if (line.kind == Line::Kind::Group) {
            current = line.name;
            if (current == group) groupEnd = i + 1;
        }
        const bool inGroup = current == group && line.kind == Line::Kind::Entry;
        if (inGroup && line.name == key) {
            if (found) {
                lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(i));
                continue;
            }
            found = i;
        }
        if (inGroup) groupEnd = i + 1;
        ++i;
    }
    if (found) {
        lines_[*found] = std::move(entry);
    } else if (groupEnd) {
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(*groupEnd), std::move(entry));
    } else {
        if (!group.empty()) {
            std::string header = (Text().empty() ? "[" : "\n[") + EncodeName(group) + "]\n";
            lines_.push_back(Line{Line::Kind::Group, std::move(header), std::string(group), 0, 0});
        }
        lines_.push_back(std::move(entry));
    }
}

std::string Document::Text() const {
    std::string text;
    for (const Line& line : lines_) {
        if (line.kind == Line::Kind::Damaged) continue;
        // A damaged file keeps only its settings that are text: the rest is taken for damage.
        if (damagedLine_ != 0 && (line.kind == Line::Kind::Other || !IsUtf8(line.raw))) continue;
        text += line.raw;
        if (!IsLineBreak(text.back())) text += '\n';
    }
    return text;
}

}  // namespace quire::ini
