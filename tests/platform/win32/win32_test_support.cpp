#include "win32_test_support.h"

#include <atomic>

#include "platform/win32/win32_settings_store.h"
#include "platform/win32/win32_wide_text.h"

namespace quire::win32::testing {
namespace {

std::atomic<int> counter{0};
BoxAnswerer* activeAnswerer = nullptr;

std::wstring Unique(const wchar_t* stem) {
    return std::wstring(stem) + std::to_wstring(GetCurrentProcessId()) + L"-" +
           std::to_wstring(counter++);
}

HWND FindBox() {
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM result) -> BOOL {
            wchar_t kind[16] = {};
            GetClassNameW(window, kind, 16);
            if (lstrcmpW(kind, L"#32770") == 0 && IsWindowVisible(window)) {
                *reinterpret_cast<HWND*>(result) = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

}  // namespace

ScratchFolder::ScratchFolder() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    std::wstring path = std::wstring(temp) + Unique(L"quire-");
    CreateDirectoryW(path.c_str(), nullptr);
    path_ = Utf8(path);
}

bool UnderWine() {
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

ScratchFolder::~ScratchFolder() { RemoveTree(path_); }

void RemoveTree(const std::string& path) {
    // Through \\?\ so that no depth is too deep.
    const std::wstring folder = path.starts_with("\\\\?\\") ? Wide(path) : L"\\\\?\\" + Wide(path);
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            const std::wstring entry = folder + L"\\" + name;
            if (name == L"." || name == L"..") continue;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
                // A link goes, never what it leads to.
                if (!RemoveDirectoryW(entry.c_str())) DeleteFileW(entry.c_str());
            } else if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(Utf8(entry));
            } else {
                SetFileAttributesW(entry.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(entry.c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

ScratchRegistry::ScratchRegistry() : scratch_(L"Software\\QuireBatchTests\\" + Unique(L"run-")) {
    RegCreateKeyExW(HKEY_CURRENT_USER, scratch_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                    &key_, nullptr);
    RegOverridePredefKey(HKEY_CURRENT_USER, key_);
}

ScratchRegistry::~ScratchRegistry() {
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegCloseKey(key_);
    RegDeleteTreeW(HKEY_CURRENT_USER, scratch_.c_str());
}

std::string ScratchRegistry::Value(const std::string& name, std::string_view section) const {
    DWORD type = 0;
    std::wstring data(8192, L'\0');
    DWORD bytes = static_cast<DWORD>(data.size() * sizeof(wchar_t));
    const LSTATUS status = RegGetValueW(key_, SettingsKeyPath(section).c_str(), Wide(name).c_str(),
                                        RRF_RT_ANY | RRF_NOEXPAND, &type, data.data(), &bytes);
    if (status != ERROR_SUCCESS) return "<absent>";
    if (type != REG_SZ) return "<type " + std::to_string(type) + ">";
    // The whole text, a NUL inside it included; only the terminator goes.
    data.resize(bytes / sizeof(wchar_t));
    if (!data.empty() && data.back() == L'\0') data.pop_back();
    return Utf8(data);
}

BoxAnswerer::BoxAnswerer(std::function<void(HWND)> answer) : answer_(std::move(answer)) {
    activeAnswerer = this;
    timer_ = SetTimer(nullptr, 0, 20, &BoxAnswerer::Tick);
}

BoxAnswerer::~BoxAnswerer() {
    KillTimer(nullptr, timer_);
    activeAnswerer = nullptr;
}

void CALLBACK BoxAnswerer::Tick(HWND, UINT, UINT_PTR, DWORD) {
    BoxAnswerer* self = activeAnswerer;
    if (self == nullptr) return;
    HWND box = FindBox();
    if (box == nullptr) return;
    ++self->answered_;
    self->answer_(box);
}

std::string WindowText(HWND window) {
    wchar_t text[4096] = {};
    GetWindowTextW(window, text, 4096);
    return Utf8(text);
}

std::string ChildText(HWND parent, const wchar_t* kind) {
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[64] = {};
        GetClassNameW(child, name, 64);
        if (lstrcmpiW(name, kind) == 0 && GetWindowTextLengthW(child) > 0) {
            return WindowText(child);
        }
    }
    return {};
}

void Press(HWND box, int command) {
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(command, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, command)));
}

void PumpPending() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace quire::win32::testing
