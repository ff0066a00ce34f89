#include "platform/win32/win32_cursor_file.h"

#include "engine/failure.h"

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

// The directory entry to build from: the image of the wanted width (a width of 0 means 256), else
// the smallest wider one, so that the cursor is scaled down rather than up, else the widest.
std::size_t ChosenEntry(std::string_view bytes, std::size_t count, unsigned wanted) {
    std::size_t chosen = kHeaderSize;
    unsigned chosenWidth = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = kHeaderSize + i * kEntrySize;
        const unsigned byte = static_cast<unsigned char>(bytes[entry]);
        const unsigned width = byte == 0 ? 256u : byte;
        const bool better =
            chosenWidth == 0 ||
            (chosenWidth < wanted ? width > chosenWidth : width >= wanted && width < chosenWidth);
        if (better) {
            chosen = entry;
            chosenWidth = width;
        }
    }
    return chosen;
}

}  // namespace

Cursor CursorFromBytes(std::string_view bytes, int pixels) {
    if (bytes.size() < kHeaderSize || Word(bytes, 0) != 0 || Word(bytes, 2) != 2) Invalid();
    const std::size_t count = Word(bytes, 4);
    if (count == 0 || bytes.size() < kHeaderSize + count * kEntrySize) Invalid();
    const std::size_t entry = ChosenEntry(bytes, count, static_cast<unsigned>(pixels));
    const std::size_t size = DoubleWord(bytes, entry + 8);
    const std::size_t offset = DoubleWord(bytes, entry + 12);
    if (size == 0 || offset > bytes.size() || size > bytes.size() - offset) Invalid();

    // A cursor resource is the hotspot (two words) followed by the image as the file holds it; the
    // system scales the image and the hotspot to the size asked for.
    std::string resource(bytes.substr(entry + 4, 4));
    resource.append(bytes.substr(offset, size));
    const HICON cursor = CreateIconFromResourceEx(
        reinterpret_cast<PBYTE>(resource.data()), static_cast<DWORD>(resource.size()), FALSE,
        kIconFormatVersion, pixels, pixels, LR_DEFAULTCOLOR);
    if (cursor == nullptr) Invalid();
    return Cursor(static_cast<HCURSOR>(cursor));
}

}  // namespace quire::win32
