// The INI settings file of the Linux programs, in the form Qt's settings class reads and writes:
// "[Group]" headers and "Key=Value" lines, names with %XX escapes, values with C escapes and
// quotes. Only texts are read and written, the program's names being ASCII: Qt's other forms
// (lists, typed values other than a text, "%U" escapes of wide characters in names) are
// read as the characters they are written with. Edits keep every other line of the file as it
// was, so other programs' groups survive; values are bytes, so a text that is not valid UTF-8
// comes back whole.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quire::ini {

// A value as the file holds it (after "=") to the text it stands for: escapes resolved, quotes
// removed.
std::string DecodeValue(std::string_view raw);

// A text as a value line holds it, so that DecodeValue (and Qt) give the text back.
std::string EncodeValue(std::string_view text);

// A group or key name with the file's escapes ("%20" for a blank, "\" for "/"); the names the
// program writes are ASCII.
std::string EncodeName(std::string_view name);
std::string DecodeName(std::string_view raw);

class Document {
public:
    explicit Document(std::string_view text);

    // The 1-based number of the first whole line that is none of blank, comment, "[Group]" or
    // "Key=Value" (a NUL byte makes a line none of them), or 0. A last line without its line
    // break is a write cut short, not damage: it is read when it is a setting, else ignored.
    int DamagedLine() const { return damagedLine_; }

    // The last value of `key` in `group`, as a text; nothing when absent.
    std::optional<std::string> Value(std::string_view group, std::string_view key) const;

    // Sets the key, in place when it is there (its repeats dropped), else at the end of its group,
    // else in a new group at the end of the file.
    void SetValue(std::string_view group, std::string_view key, std::string_view value);

    // The file: every line that is not damaged, each ending in a line break. Of a damaged file
    // only the groups and settings that are text are kept.
    std::string Text() const;

private:
    struct Line {
        enum class Kind { Other, Group, Entry, Damaged } kind;
        std::string raw;   // the whole line, its line break included
        std::string name;  // group or key, decoded
        std::size_t valueBegin = 0;
        std::size_t valueEnd = 0;
    };

    std::vector<Line> lines_;
    int damagedLine_ = 0;
};

}  // namespace quire::ini
