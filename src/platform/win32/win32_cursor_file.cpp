#include "platform/win32/win32_cursor_file.h"

#include "engine/failure.h"
#include "engine/file_system.h"
#include "platform/win32/win32_ordinary_file.h"

namespace quire::win32 {
namespace {

constexpr std::size_t kHeaderSize = 6;  // reserved 0, type 2 (cursor), image count
constexpr std::size_t kEntrySize = 16;  // width, height, colours, reserved, hotspot, size, offset
constexpr DWORD kIconFormatVersion = 0x00030000;

[[noreturn]] void Invalid() { throw Failure("Invalid picture"); }

unsigned Word(std::string_view bytes, std::size_t at) {
    return static_cast<unsigned char>(bytes[at]) |
           (static_cast<unsigned>(static_cast<unsigned char>(bytes[at + 1])) << 8);
}

std::size_t DoubleWord(std::string_view bytes, std::size_t at) {
    return Word(bytes, at) | (static_cast<std::size_t>(Word(bytes, at + 2)) << 16);
}

// The directory entry to use: the one as wide as the system's cursors (a width of 0 means 256),
// or else the first.
std::size_t ChosenEntry(std::string_view bytes, std::size_t count) {
    const auto wanted = static_cast<unsigned>(GetSystemMetrics(SM_CXCURSOR));
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = kHeaderSize + i * kEntrySize;
        const unsigned width = static_cast<unsigned char>(bytes[entry]);
        if ((width == 0 ? 256u : width) == wanted) return entry;
    }
    return kHeaderSize;
}

}  // namespace

Cursor CursorFromBytes(std::string_view bytes) {
    if (bytes.size() < kHeaderSize || Word(bytes, 0) != 0 || Word(bytes, 2) != 2) Invalid();
    const std::size_t count = Word(bytes, 4);
    if (count == 0 || bytes.size() < kHeaderSize + count * kEntrySize) Invalid();
    const std::size_t entry = ChosenEntry(bytes, count);
    const std::size_t size = DoubleWord(bytes, entry + 8);
    const std::size_t offset = DoubleWord(bytes, entry + 12);
    if (size == 0 || offset > bytes.size() || size > bytes.size() - offset) Invalid();

    // A cursor resource is the hotspot (two words) followed by the image as the file holds it.
    std::string resource(bytes.substr(entry + 4, 4));
    resource.append(bytes.substr(offset, size));
    const HICON cursor = CreateIconFromResourceEx(reinterpret_cast<PBYTE>(resource.data()),
                                                  static_cast<DWORD>(resource.size()), FALSE,
                                                  kIconFormatVersion, 0, 0, LR_DEFAULTCOLOR);
    if (cursor == nullptr) Invalid();
    return Cursor(static_cast<HCURSOR>(cursor));
}

Cursor LoadCursorFile(const std::string& path) {
    return CursorFromBytes(ReadOrdinaryFile(path, kSmallFileLimit));
}

}  // namespace quire::win32
