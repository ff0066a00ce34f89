// An output stream buffer over one of the tool's standard streams that remembers why a write
// failed, so that the tool can say so instead of ending as if all had been written. The platform
// part (ByteSink) only writes bytes.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <streambuf>
#include <string>
#include <string_view>

namespace quire::cli {

// Where the buffered bytes go.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    // Writes `bytes` but perhaps a tail it must see whole with the bytes after it (a character
    // cut at the buffer's end) and gives how many it wrote; nothing after a failure.
    virtual std::optional<std::size_t> Write(std::string_view bytes) = 0;
    // The system's description of the failure.
    virtual std::string ErrorText() const = 0;
};

class OutputBuffer final : public std::streambuf {
public:
    // `sink` outlives the buffer.
    explicit OutputBuffer(ByteSink& sink);
    ~OutputBuffer() override;
    OutputBuffer(const OutputBuffer&) = delete;
    OutputBuffer& operator=(const OutputBuffer&) = delete;

    // The description of the first write that failed, or the empty text. After a failure nothing
    // more is written and the stream reports the failure to its writer.
    std::string ErrorText() const;

protected:
    int_type overflow(int_type c) override;
    int sync() override;

private:
    bool Drain();

    ByteSink& sink_;
    bool failed_ = false;
    std::array<char, 64 * 1024> buffer_{};
};

}  // namespace quire::cli
