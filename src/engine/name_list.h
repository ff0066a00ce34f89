// Folder names read from a list, one a line, streamed: however long the list, one line is held at
// a time.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quire {

// Where the list's bytes come from: a file, a pipe, standard input. Implemented by the command
// line for its platform; tests read from memory.
class ByteSource {
public:
    virtual ~ByteSource() = default;

    // Reads up to `size` bytes into `buffer` and tells how many, 0 at the end of the list; nothing
    // when a request to stop broke the read off. Throws Failure when the read fails.
    virtual std::optional<std::size_t> Read(char* buffer, std::size_t size) = 0;
};

struct ListedName {
    std::string text;           // the line without its end; of a line too long, its beginning
    std::int64_t line = 0;      // the line's number in the list, from 1
    std::int64_t position = 0;  // its number among the lines that are not empty, from 1
    std::string problem;        // why the line can name no folder, or the empty text
};

// Splits the list into lines at LF; a CR before the LF is dropped, and so is every empty line.
// Lines must be UTF-8 without NUL and at most kLongestLine bytes long; a line that is not is
// still given, with its problem, so that it is reported and the list goes on.
class NameList {
public:
    static constexpr std::size_t kLongestLine = 32 * 1024;

    enum class Next { Name, End, Stopped };

    explicit NameList(ByteSource& source) : source_(source) {}

    // The next line that is not empty. Throws Failure when the source does.
    Next Read(ListedName& name);

private:
    bool Fill();  // false at the end of the list

    ByteSource& source_;
    std::array<char, 64 * 1024> buffer_{};
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    bool atEnd_ = false;
    bool stopped_ = false;
    std::int64_t line_ = 0;
    std::int64_t position_ = 0;
};

// True when `text` is well-formed UTF-8: no stray or missing continuation bytes, no overlong
// forms, no surrogates, nothing beyond U+10FFFF.
bool IsUtf8(std::string_view text);

}  // namespace quire
