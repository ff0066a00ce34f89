#include "engine/name_list.h"

#include <algorithm>
#include <cstring>

#include "engine/utf8.h"

namespace quire {
namespace {

// Shown for a line too long to keep: its first characters and an ellipsis.
constexpr std::size_t kPreview = 64;

std::string Preview(std::string_view text) {
    return std::string(text.substr(0, Utf8CutBefore(text, kPreview))) + "\xE2\x80\xA6";
}

std::string LineProblem(const std::string& text, bool tooLong, bool utf16) {
    if (tooLong) {
        return "the line is longer than " + std::to_string(NameList::kLongestLine) + " bytes";
    }
    if (text.find('\0') != std::string::npos) return "the line holds a NUL byte";
    // Of a list in UTF-16, only a surrogate without its pair or an odd last byte is no UTF-8.
    if (!IsUtf8(text)) return utf16 ? "the line is not UTF-16" : "the line is not UTF-8";
    return {};
}

}  // namespace

bool NameList::Fill() {
    if (atEnd_) return false;
    const std::optional<std::size_t> got = source_.Read(buffer_.data(), buffer_.size());
    if (!got) {
        stopped_ = true;
        return false;
    }
    begin_ = 0;
    end_ = *got;
    atEnd_ = end_ == 0;
    return !atEnd_;
}

bool NameList::SkipLine() {
    for (;;) {
        if (begin_ == end_ && !Fill()) return false;
        const char* start = buffer_.data() + begin_;
        if (const auto* newline =
                static_cast<const char*>(std::memchr(start, '\n', end_ - begin_))) {
            begin_ += static_cast<std::size_t>(newline - start) + 1;
            skipping_ = false;
            return true;
        }
        begin_ = end_;
    }
}

NameList::Next NameList::Read(ListedName& name) {
    if (skipping_ && !SkipLine()) return stopped_ ? Next::Stopped : Next::End;
    // Kept of a line: the longest a name can be, its CR, and one byte to tell it is too long.
    constexpr std::size_t kKept = kLongestLine + 2;
    for (;;) {
        name.text.clear();
        bool ended = false;  // by LF, not by the end of the list
        while (!ended && name.text.size() < kKept) {
            if (begin_ == end_ && !Fill()) break;
            const char* start = buffer_.data() + begin_;
            const auto* newline = static_cast<const char*>(std::memchr(start, '\n', end_ - begin_));
            const std::size_t length =
                newline != nullptr ? static_cast<std::size_t>(newline - start) : end_ - begin_;
            const std::size_t taken = std::min(length, kKept - name.text.size());
            name.text.append(start, taken);
            begin_ += taken;
            ended = newline != nullptr && taken == length;
            if (ended) ++begin_;
        }
        if (stopped_) return Next::Stopped;
        if (!ended && name.text.empty()) return Next::End;
        ++line_;
        skipping_ = !ended && name.text.size() == kKept;
        if (!skipping_ && !name.text.empty() && name.text.back() == '\r') name.text.pop_back();
        if (name.text.empty()) continue;
        const bool tooLong = name.text.size() > kLongestLine;
        name.line = line_;
        name.position = ++position_;
        name.problem = LineProblem(name.text, tooLong, source_.Utf16());
        if (tooLong) name.text = Preview(name.text);
        return Next::Name;
    }
}

}  // namespace quire
