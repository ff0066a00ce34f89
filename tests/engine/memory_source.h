// A list held in memory, given in pieces of a chosen size, that can stop part way.
#pragma once

#include <algorithm>
#include <string>

#include "engine/name_list.h"

namespace quire {

class MemorySource final : public ByteSource {
public:
    explicit MemorySource(std::string text, std::size_t piece = 64 * 1024,
                          std::size_t stopAt = std::string::npos)
        : text_(std::move(text)), piece_(piece), stopAt_(stopAt) {}

    // Gives up to `piece` bytes at a time, then the end; nothing once `stopAt` bytes are given.
    std::optional<std::size_t> Read(char* buffer, std::size_t size) override {
        if (at_ >= stopAt_) return std::nullopt;
        const std::size_t n = std::min({size, piece_, text_.size() - at_, stopAt_ - at_});
        text_.copy(buffer, n, at_);
        at_ += n;
        return n;
    }

private:
    std::string text_;
    std::size_t piece_;
    std::size_t stopAt_;
    std::size_t at_ = 0;
};

}  // namespace quire
