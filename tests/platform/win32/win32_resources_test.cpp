// The program's version resource, icon and manifest, read back from the built program.
#include <windows.h>

#include <gtest/gtest.h>
#include <winver.h>

#include <algorithm>
#include <vector>

#include "platform/win32/win32_wide_text.h"

namespace quire::win32 {
namespace {

// The program is built into the same folder as the tests.
std::wstring ProgramPath() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    folder.resize(folder.find_last_of(L'\\') + 1);
    return folder + L"Pallisand Quire Batch Utility.exe";
}

class ProgramResources : public ::testing::Test {
protected:
    void SetUp() override {
        module = LoadLibraryExW(ProgramPath().c_str(), nullptr,
                                LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(module, nullptr);
    }
    void TearDown() override { FreeLibrary(module); }

    std::string_view Resource(const wchar_t* type, const wchar_t* name) {
        HRSRC found = FindResourceW(module, name, type);
        if (found == nullptr) return {};
        return {static_cast<const char*>(LockResource(LoadResource(module, found))),
                SizeofResource(module, found)};
    }

    HMODULE module = nullptr;
};

std::string VersionString(const std::vector<BYTE>& info, const wchar_t* name) {
    wchar_t* value = nullptr;
    UINT length = 0;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
    if (!VerQueryValueW(info.data(), path.c_str(), reinterpret_cast<void**>(&value), &length)) {
        return "<absent>";
    }
    return Utf8(value);
}

TEST(ProgramVersion, IsSevenInEnglishByQuillmark) {
    const std::wstring program = ProgramPath();
    std::vector<BYTE> info(GetFileVersionInfoSizeW(program.c_str(), nullptr));
    ASSERT_FALSE(info.empty());
    ASSERT_TRUE(
        GetFileVersionInfoW(program.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(0, 7));
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(0, 7));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &length));
    EXPECT_EQ(translation[0], 0x0409);  // English (United States)
    EXPECT_EQ(translation[1], 1200);    // Unicode

    EXPECT_EQ(VersionString(info, L"CompanyName"), "Quillmark");
    EXPECT_EQ(VersionString(info, L"ProductName"), "Pallisand Quire Batch Utility");
    EXPECT_EQ(VersionString(info, L"InternalName"), "Pallisand Quire Batch Utility");
    EXPECT_EQ(VersionString(info, L"OriginalFilename"), "Pallisand Quire Batch Utility.exe");
    EXPECT_EQ(VersionString(info, L"FileVersion"), "7.00");
    EXPECT_EQ(VersionString(info, L"ProductVersion"), "7.00");
}

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

TEST_F(ProgramResources, IconHasTheFourImages) {
    const std::string_view group = Resource(RT_GROUP_ICON, MAKEINTRESOURCEW(1));
    ASSERT_GE(group.size(), 6u);
    const auto* header = reinterpret_cast<const WORD*>(group.data());
    ASSERT_EQ(header[2], 4) << "images in the icon";
    const auto* entries = reinterpret_cast<const GroupIconEntry*>(group.data() + 6);
    std::vector<std::pair<int, int>> images;  // size, bits per pixel
    for (int i = 0; i < 4; ++i) {
        const int size = entries[i].width == 0 ? 256 : entries[i].width;
        images.emplace_back(size, entries[i].bitCount);
        EXPECT_EQ(entries[i].width, entries[i].height);
        EXPECT_FALSE(Resource(RT_ICON, MAKEINTRESOURCEW(entries[i].id)).empty());
    }
    std::sort(images.begin(), images.end());
    const std::vector<std::pair<int, int>> expected{{32, 8}, {48, 32}, {128, 32}, {256, 32}};
    EXPECT_EQ(images, expected);
    int groups = 0;
    EnumResourceNamesW(
        module, RT_GROUP_ICON,
        [](HMODULE, LPCWSTR, LPWSTR, LONG_PTR count) {
            return ++*reinterpret_cast<int*>(count), TRUE;
        },
        reinterpret_cast<LONG_PTR>(&groups));
    EXPECT_EQ(groups, 1) << "the title bar's small image is made from the one icon";
}

TEST_F(ProgramResources, ManifestAsksForCommonControlsDpiAndLongPaths) {
    const std::string manifest(Resource(RT_MANIFEST, MAKEINTRESOURCEW(1)));
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(manifest.find(">true/pm</dpiAware>"), std::string::npos);
    EXPECT_NE(manifest.find(">PerMonitorV2, PerMonitor</dpiAwareness>"), std::string::npos);
    EXPECT_NE(manifest.find(">true</longPathAware>"), std::string::npos);
}

}  // namespace
}  // namespace quire::win32
