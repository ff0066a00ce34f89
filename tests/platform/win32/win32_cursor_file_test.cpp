// The hand cursor built from the bytes of its file.
#include "platform/win32/win32_cursor_file.h"

#include <gtest/gtest.h>

#include "engine/failure.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_program_environment.h"

namespace quire::win32 {
namespace {

TEST(CursorFile, KeepsTheHotspotAndRefusesBytesThatAreNoCursor) {
    const std::string good =
        Win32FileSystem().ReadSmallFile(ProgramFolder() + "\\HAND-M.CUR", kSmallFileLimit);
    const Cursor cursor = CursorFromBytes(good);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(cursor.get(), &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, static_cast<unsigned char>(good[10]));
    EXPECT_EQ(info.yHotspot, static_cast<unsigned char>(good[12]));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);

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
            CursorFromBytes(bytes);
            ADD_FAILURE() << "taken as a cursor: " << bytes.size() << " bytes";
        } catch (const Failure& failure) {
            EXPECT_STREQ(failure.what(), "Invalid picture");
        }
    }
}

}  // namespace
}  // namespace quire::win32
