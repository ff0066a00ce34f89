#include "cli/output_buffer.h"

#include <cstring>

namespace quire::cli {

OutputBuffer::OutputBuffer(ByteSink& sink) : sink_(sink) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
}

OutputBuffer::~OutputBuffer() { Drain(); }

std::string OutputBuffer::ErrorText() const { return failed_ ? sink_.ErrorText() : ""; }

bool OutputBuffer::Drain() {
    const std::size_t length = static_cast<std::size_t>(pptr() - pbase());
    std::size_t written = length;
    if (!failed_ && length > 0) {
        const std::optional<std::size_t> taken = sink_.Write(std::string_view(pbase(), length));
        failed_ = !taken.has_value();
        if (taken) written = *taken;
    }
    const std::size_t kept = length - written;
    if (kept > 0) std::memmove(buffer_.data(), pbase() + written, kept);
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    pbump(static_cast<int>(kept));
    return !failed_;
}

OutputBuffer::int_type OutputBuffer::overflow(int_type c) {
    if (!Drain()) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int OutputBuffer::sync() { return Drain() ? 0 : -1; }

}  // namespace quire::cli
