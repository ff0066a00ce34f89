#include "engine/name_list_decoder.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <utility>

#include "engine/utf8.h"

namespace quire {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigMark = "\xFE\xFF";

// UTF-16 read from the list at a time.
constexpr std::size_t kRawSize = std::size_t{32} * 1024;

// True while `start` could still grow into a mark: it is the beginning of one but not all of it.
bool BeginsAMark(std::string_view start) {
    for (const std::string_view mark : {kUtf8Mark, kUtf16LittleMark, kUtf16BigMark}) {
        if (start.size() < mark.size() && mark.substr(0, start.size()) == start) return true;
    }
    return false;
}

bool IsHigh(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLow(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

std::optional<std::size_t> NameListDecoder::Read(char* buffer, std::size_t size) {
    switch (encoding_) {
        case Encoding::NotYetKnown: return ReadMark(buffer, size);
        case Encoding::Utf8: return source_.Read(buffer, size);
        case Encoding::Utf16Little:
        case Encoding::Utf16Big: return ReadUtf16(buffer, size);
    }
    return std::nullopt;
}

// Reads no further than the mark needs: a list typed line by line is not held up.
std::optional<std::size_t> NameListDecoder::ReadMark(char* buffer, std::size_t size) {
    std::size_t got = 0;
    for (;;) {
        const std::optional<std::size_t> more = source_.Read(buffer + got, size - got);
        if (!more) return std::nullopt;
        got += *more;
        if (*more == 0 || !BeginsAMark(std::string_view(buffer, got))) break;
    }
    const std::string_view start(buffer, got);
    if (start.starts_with(kUtf16LittleMark) || start.starts_with(kUtf16BigMark)) {
        encoding_ =
            start.starts_with(kUtf16LittleMark) ? Encoding::Utf16Little : Encoding::Utf16Big;
        raw_.assign(buffer + 2, buffer + got);
        rawEnd_ = raw_.size();
        raw_.resize(std::max(raw_.size(), kRawSize));
        return ReadUtf16(buffer, size);
    }
    encoding_ = Encoding::Utf8;
    if (!start.starts_with(kUtf8Mark)) return got;
    std::memmove(buffer, buffer + kUtf8Mark.size(), got - kUtf8Mark.size());
    got -= kUtf8Mark.size();
    return got > 0 ? got : Read(buffer, size);
}

std::optional<std::size_t> NameListDecoder::ReadUtf16(char* buffer, std::size_t size) {
    // Three bytes at most for each unit, and for the high surrogate left from the last read.
    const std::size_t units = size / 3 - 2;
    std::size_t out = 0;
    while (out == 0) {
        if (rawEnd_ - rawBegin_ < 2 && !atEnd_) {
            std::copy(raw_.begin() + static_cast<std::ptrdiff_t>(rawBegin_),
                      raw_.begin() + static_cast<std::ptrdiff_t>(rawEnd_), raw_.begin());
            rawEnd_ -= rawBegin_;
            rawBegin_ = 0;
            const std::optional<std::size_t> got =
                source_.Read(raw_.data() + rawEnd_, raw_.size() - rawEnd_);
            if (!got) return std::nullopt;
            atEnd_ = *got == 0;
            rawEnd_ += *got;
            continue;
        }
        if (rawEnd_ - rawBegin_ < 2) {  // the end of the list
            if (high_ != 0) out += EncodeUtf8(std::exchange(high_, 0), buffer + out);
            if (rawEnd_ > rawBegin_) buffer[out++] = '\xFF';
            rawBegin_ = rawEnd_;
            return out;
        }
        for (std::size_t n = 0; n < units && rawEnd_ - rawBegin_ >= 2; ++n, rawBegin_ += 2) {
            const auto first = static_cast<unsigned char>(raw_[rawBegin_]);
            const auto second = static_cast<unsigned char>(raw_[rawBegin_ + 1]);
            const auto unit = static_cast<char16_t>(
                encoding_ == Encoding::Utf16Little ? first | (second << 8) : (first << 8) | second);
            out += Put(unit, buffer + out);
        }
    }
    return out;
}

std::size_t NameListDecoder::Put(char16_t unit, char* out) {
    std::size_t written = 0;
    if (high_ != 0) {
        const char16_t high = std::exchange(high_, 0);
        if (IsLow(unit)) {
            return EncodeUtf8(
                0x10000 + ((char32_t{high} - 0xD800) << 10) + (char32_t{unit} - 0xDC00), out);
        }
        written = EncodeUtf8(high, out);
    }
    if (IsHigh(unit)) {
        high_ = unit;
        return written;
    }
    return written + EncodeUtf8(unit, out + written);
}

}  // namespace quire
