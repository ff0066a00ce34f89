// The pattern's block is found once, when its text changes; names are written straight from it.
#include "engine/name_pattern.h"

#include <algorithm>

#include "engine/path_separators.h"

namespace quire {
namespace {

constexpr char kCounterChar = '#';

}  // namespace

NamePattern::NamePattern(std::string_view text, CounterStyle style) : text_(text), style_(style) {
    Parse();
}

void NamePattern::Assign(std::string_view text) {
    if (text == text_) return;
    text_.assign(text);
    Parse();
}

void NamePattern::Parse() {
    const std::size_t first = text_.find(kCounterChar);
    if (first == std::string::npos) {
        problem_ = PatternProblem::NoBlock;
        return;
    }
    const std::size_t last = text_.rfind(kCounterChar);
    blockStart_ = first;
    blockWidth_ = last - first + 1;
    const bool contiguous = std::all_of(text_.begin() + static_cast<std::ptrdiff_t>(first),
                                        text_.begin() + static_cast<std::ptrdiff_t>(last) + 1,
                                        [](char c) { return c == kCounterChar; });
    problem_ = contiguous ? PatternProblem::None : PatternProblem::SplitBlocks;
}

void NamePattern::AppendName(std::string& out, std::int32_t counter) const {
    if (!HasBlock()) {
        out.append(text_);
        return;
    }
    out.append(text_, 0, blockStart_);
    AppendCounter(out, counter, style_, blockWidth_);
    out.append(text_, blockStart_ + blockWidth_);
}

std::string NamePattern::Name(std::int32_t counter) const {
    std::string name;
    name.reserve(text_.size() + 11);
    AppendName(name, counter);
    return name;
}

std::optional<std::int32_t> NamePattern::CounterOf(std::string_view name) const {
    if (!HasBlock()) return std::nullopt;
    const std::string_view text = text_;
    const std::string_view before = text.substr(0, blockStart_);
    const std::string_view after = text.substr(blockStart_ + blockWidth_);
    if (name.size() <= before.size() + after.size() || !name.starts_with(before) ||
        !name.ends_with(after)) {
        return std::nullopt;
    }
    return ReadCounter(name.substr(before.size(), name.size() - before.size() - after.size()),
                       style_);
}

NamePattern NamePattern::BlockName(char separator, std::string_view& folders) const {
    const std::string_view text = text_;
    if (!HasBlock()) {
        folders = {};
        return *this;
    }
    const std::string_view all = Separators(separator);
    const std::size_t before = text.substr(0, blockStart_).find_last_of(all);
    const std::size_t begin = before == std::string_view::npos ? 0 : before + 1;
    const std::size_t end = std::min(text.find_first_of(all, blockStart_), text.size());
    folders = text.substr(0, begin);
    return NamePattern(text.substr(begin, end - begin), style_);
}

}  // namespace quire
