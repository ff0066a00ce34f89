// Folder names read from a list, one a line, streamed: however long the list, one line is held at
// a time.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/name_list_decoder.h"
#include "engine/name_list_source.h"

namespace quire {

struct ListedName {
    std::string text;           // the line without its end; of a line too long, its beginning
    std::int64_t line = 0;      // the line's number in the list, from 1
    std::int64_t position = 0;  // its number among the lines that are not empty, from 1
    std::string problem;        // why the line can name no folder, or the empty text
};

// Splits the list (as NameListDecoder gives it) into lines at LF; a CR before the LF is dropped,
// and so is every empty line. Lines must be UTF-8 without NUL and at most kLongestLine bytes long;
// a line that is not is still given, with its problem, so that it is reported and the list goes
// on. A line too long is given as soon as it is known to be, and the rest of it is read past, not
// kept: a line without end costs no memory and gives way to a stop.
class NameList {
public:
    static constexpr std::size_t kLongestLine = 32 * 1024;

    enum class Next { Name, End, Stopped };

    explicit NameList(ByteSource& source) : source_(source) {}
    NameList(const NameList&) = delete;
    NameList& operator=(const NameList&) = delete;

    // The next line that is not empty. Throws Failure when the source does.
    Next Read(ListedName& name);

private:
    bool Fill();      // false at the end of the list or on a stop
    bool SkipLine();  // past the next LF; false at the end of the list or on a stop

    NameListDecoder source_;
    std::array<char, 64 * 1024> buffer_{};
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    bool atEnd_ = false;
    bool stopped_ = false;
    bool skipping_ = false;  // the line in hand was too long: its rest is still to be read past
    std::int64_t line_ = 0;
    std::int64_t position_ = 0;
};

}  // namespace quire
