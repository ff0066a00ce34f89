// A list of names held in memory, read as the command line reads a file.
#pragma once

#include <algorithm>
#include <string_view>

#include "engine/name_list_source.h"

namespace quire {

class TextSource final : public ByteSource {
public:
    // `text` must outlive the source.
    explicit TextSource(std::string_view text) : rest_(text) {}

    std::optional<std::size_t> Read(char* buffer, std::size_t size) override {
        const std::size_t taken = std::min(size, rest_.size());
        std::copy_n(rest_.data(), taken, buffer);
        rest_.remove_prefix(taken);
        return taken;
    }

private:
    std::string_view rest_;
};

}  // namespace quire
