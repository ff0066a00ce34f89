#include "platform/win32/win32_user_path.h"

#include <optional>
#include <vector>

#include "engine/failure.h"
#include "platform/win32/win32_system_error.h"

namespace quire::win32 {
namespace {

constexpr wchar_t kValue[] = L"Path";

// The entry as a folder: without its quotes, its variables expanded, without separators at its
// end (but a drive's root).
std::wstring Folder(std::wstring_view entry) {
    if (entry.size() >= 2 && entry.front() == L'"' && entry.back() == L'"') {
        entry = entry.substr(1, entry.size() - 2);
    }
    std::wstring folder(entry);
    if (folder.find(L'%') != std::wstring::npos) {
        const DWORD needed = ExpandEnvironmentStringsW(folder.c_str(), nullptr, 0);
        std::wstring expanded(needed, L'\0');
        if (needed > 0 &&
            ExpandEnvironmentStringsW(folder.c_str(), expanded.data(), needed) == needed) {
            expanded.resize(needed - 1);
            folder = std::move(expanded);
        }
    }
    while (folder.size() > 3 && (folder.back() == L'\\' || folder.back() == L'/')) {
        folder.pop_back();
    }
    return folder;
}

// Where each entry of `path` begins; an entry ends at the next ';' or at the end.
std::vector<std::size_t> EntryStarts(std::wstring_view path) {
    std::vector<std::size_t> starts{0};
    for (std::size_t at = path.find(L';'); at != std::wstring_view::npos;
         at = path.find(L';', at + 1)) {
        starts.push_back(at + 1);
    }
    return starts;
}

// The Path value, or nothing when the user has none.
std::optional<std::wstring> ReadPath(HKEY environment, DWORD& type) {
    std::vector<BYTE> data(4096);
    for (;;) {
        auto size = static_cast<DWORD>(data.size());
        const LSTATUS status =
            RegQueryValueExW(environment, kValue, nullptr, &type, data.data(), &size);
        if (status == ERROR_FILE_NOT_FOUND) {
            type = REG_EXPAND_SZ;
            return std::nullopt;
        }
        if (status == ERROR_MORE_DATA) {
            data.resize(size + sizeof(wchar_t));
            continue;
        }
        if (status != ERROR_SUCCESS) throw Failure(SystemMessage(static_cast<DWORD>(status)));
        if (type != REG_SZ && type != REG_EXPAND_SZ) {
            throw Failure("The Path is no text (registry type " + std::to_string(type) + ")");
        }
        std::wstring path(reinterpret_cast<const wchar_t*>(data.data()), size / sizeof(wchar_t));
        while (!path.empty() && path.back() == L'\0') path.pop_back();
        return path;
    }
}

}  // namespace

bool NamesFolder(std::wstring_view entry, std::wstring_view folder) {
    const std::wstring a = Folder(entry);
    const std::wstring b = Folder(folder);
    return !a.empty() && CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                              static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

std::optional<std::wstring> WithEntry(std::wstring_view path, std::wstring_view folder) {
    const std::vector<std::size_t> starts = EntryStarts(path);
    for (std::size_t i = 0; i < starts.size(); ++i) {
        const std::size_t end = i + 1 < starts.size() ? starts[i + 1] - 1 : path.size();
        if (NamesFolder(path.substr(starts[i], end - starts[i]), folder)) return std::nullopt;
    }
    std::wstring added(path);
    if (!added.empty() && added.back() != L';') added += L';';
    return added.append(folder);
}

std::optional<std::wstring> WithoutEntry(std::wstring_view path, std::wstring_view folder) {
    const std::vector<std::size_t> starts = EntryStarts(path);
    for (std::size_t i = starts.size(); i-- > 0;) {
        const bool last = i + 1 == starts.size();
        const std::size_t end = last ? path.size() : starts[i + 1] - 1;
        if (!NamesFolder(path.substr(starts[i], end - starts[i]), folder)) continue;
        std::wstring removed(path);
        if (!last) {
            removed.erase(starts[i], starts[i + 1] - starts[i]);  // with the ';' after it
        } else if (i > 0) {
            removed.erase(starts[i] - 1);  // with the ';' before it
        } else {
            removed.clear();
        }
        return removed;
    }
    return std::nullopt;
}

PathChange ChangeUserPath(HKEY environment, PathEdit edit, std::wstring_view folder) {
    DWORD type = REG_NONE;
    const std::optional<std::wstring> path = ReadPath(environment, type);
    const std::wstring_view value = path ? std::wstring_view(*path) : std::wstring_view();
    const std::optional<std::wstring> changed =
        edit == PathEdit::Add ? WithEntry(value, folder) : WithoutEntry(value, folder);
    if (!changed) return PathChange::AlreadySo;
    if (edit == PathEdit::RemoveMade && changed->empty()) {
        const LSTATUS status = RegDeleteValueW(environment, kValue);
        if (status != ERROR_SUCCESS) throw Failure(SystemMessage(static_cast<DWORD>(status)));
        return PathChange::Changed;
    }
    if (changed->size() > kLongestEnvironmentValue) {
        throw Failure("The Path would be longer than the " +
                      std::to_string(kLongestEnvironmentValue) + " characters Windows takes");
    }
    const LSTATUS status = RegSetValueExW(
        environment, kValue, 0, type, reinterpret_cast<const BYTE*>(changed->c_str()),
        static_cast<DWORD>((changed->size() + 1) * sizeof(wchar_t)));
    if (status != ERROR_SUCCESS) throw Failure(SystemMessage(static_cast<DWORD>(status)));
    return path ? PathChange::Changed : PathChange::Made;
}

}  // namespace quire::win32
