// Folder names made from a pattern that holds one block of counter characters.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/counter_style.h"

namespace quire {

// What keeps a pattern from naming numbered folders.
enum class PatternProblem { None, NoBlock, SplitBlocks };

// A name pattern parsed once: where its one block of '#' stands, and the counter style that fills
// it. Names are composed from it without searching the text again.
class NamePattern {
public:
    NamePattern() = default;
    explicit NamePattern(std::string_view text, CounterStyle style = CounterStyle::Numbers);

    // Takes `text` as the pattern; parsed only when it differs from the one held.
    void Assign(std::string_view text);

    PatternProblem Problem() const { return problem_; }
    bool HasBlock() const { return problem_ == PatternProblem::None; }

    // Appends the name for `counter`: the block replaced by the counter in the pattern's style
    // (numbers padded with zeros to the block's width, never shortened). A pattern without one
    // block is appended as it stands.
    void AppendName(std::string& out, std::int32_t counter) const;
    std::string Name(std::int32_t counter) const;

    // The counter of the folder `name` when it is one of this pattern's names: the same text
    // before and after the block, and in the block's place a counter of the pattern's style, of
    // any width. Nothing otherwise.
    std::optional<std::int32_t> CounterOf(std::string_view name) const;

    // The one name of the pattern's path (names joined by `separator`) that holds the block, as a
    // pattern of its own; `folders` is given the path before it, up to and with its separator.
    // A pattern without one block is its own name.
    NamePattern BlockName(char separator, std::string_view& folders) const;

private:
    void Parse();

    std::string text_;
    CounterStyle style_ = CounterStyle::Numbers;
    PatternProblem problem_ = PatternProblem::NoBlock;
    std::size_t blockStart_ = 0;
    std::size_t blockWidth_ = 0;
};

}  // namespace quire
