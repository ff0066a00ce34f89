// The text of a list as UTF-8, whatever the editor or shell that wrote it: a list that starts with
// a byte order mark is read in the encoding the mark names.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "engine/name_list_source.h"

namespace quire {

// UTF-8's mark (EF BB BF) is dropped. A list that starts with UTF-16's mark (FF FE, as Notepad's
// "Unicode" and PowerShell 5's redirection write it, or FE FF) is converted to UTF-8 as it streams
// in; a surrogate without its pair, or an odd last byte, comes out as bytes that are no UTF-8, so
// that its line fails. Any other list is given on as it is.
class NameListDecoder final : public ByteSource {
public:
    explicit NameListDecoder(ByteSource& source) : source_(source) {}

    // `size` must be at least 16 bytes.
    std::optional<std::size_t> Read(char* buffer, std::size_t size) override;

    // True once the list's mark showed it to be UTF-16.
    bool Utf16() const {
        return encoding_ == Encoding::Utf16Little || encoding_ == Encoding::Utf16Big;
    }

private:
    enum class Encoding { NotYetKnown, Utf8, Utf16Little, Utf16Big };

    std::optional<std::size_t> ReadMark(char* buffer, std::size_t size);
    std::optional<std::size_t> ReadUtf16(char* buffer, std::size_t size);
    std::size_t Put(char16_t unit, char* out);  // the bytes written to `out`

    ByteSource& source_;
    Encoding encoding_ = Encoding::NotYetKnown;
    std::vector<char> raw_;  // UTF-16 read and not yet converted: raw_[rawBegin_, rawEnd_)
    std::size_t rawBegin_ = 0;
    std::size_t rawEnd_ = 0;
    char16_t high_ = 0;  // a high surrogate whose low one is still to come
    bool atEnd_ = false;
};

}  // namespace quire
