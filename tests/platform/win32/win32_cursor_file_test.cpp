// The hand cursor built from the bytes of its file.
#include "platform/win32/win32_cursor_file.h"

#include <gtest/gtest.h>

#include "engine/failure.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_program_environment.h"

namespace quire::win32 {
namespace {

// The file holds one 32-pixel image: at 144 and 192 dpi it is scaled up, its hotspot with it.
TEST(CursorFile, IsBuiltAtTheSizeAskedForWithItsHotspotScaledAndRefusesBytesThatAreNoCursor) {
    const std::string good =
        Win32FileSystem().ReadSmallFile(ProgramFolder() + "\\HAND-M.CUR", kSmallFileLimit);
    const double hotX = static_cast<unsigned char>(good[10]);
    const double hotY = static_cast<unsigned char>(good[12]);
    for (const int pixels : {32, 48, 64}) {
        const Cursor cursor = CursorFromBytes(good, pixels);
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(cursor.get(), &info));
        BITMAP mask{};
        GetObjectW(info.hbmMask, sizeof mask, &mask);
        EXPECT_FALSE(info.fIcon);
        EXPECT_EQ(mask.bmWidth, pixels);
        EXPECT_EQ(mask.bmHeight, info.hbmColor != nullptr ? pixels : 2 * pixels);
        EXPECT_NEAR(info.xHotspot, hotX * pixels / 32, 0.5) << pixels;
        EXPECT_NEAR(info.yHotspot, hotY * pixels / 32, 0.5) << pixels;
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
    }

    // The word at `at` of the good file set to `value`: an icon, no image, an image of no bytes
    // or one beyond the end of the file.
    const auto changed = [&](std::size_t at, char value) {
        std::string bytes = good;
        bytes[at] = value;
        bytes[at + 1] = 0;
        return bytes;
    };
    std::string garbage = good;
    for (std::size_t at = 22; at < garbage.size(); ++at) garbage[at] = 'x';
    for (const std::string& bytes : {std::string(), good.substr(0, 21), changed(2, 1),
                                     changed(4, 0), changed(14, 0), changed(20, '\x7F'), garbage}) {
        try {
            CursorFromBytes(bytes, 32);
            ADD_FAILURE() << "taken as a cursor: " << bytes.size() << " bytes";
        } catch (const Failure& failure) {
            EXPECT_STREQ(failure.what(), "Invalid picture");
        }
    }
}

}  // namespace
}  // namespace quire::win32
