// The bare loop the Windows tool is measured against: CreateDirectoryW over the same names,
// nothing else. Usage: create_directory_loop TARGET COUNT   makes TARGET\Folder 000001 ...
#include <windows.h>

#include <cstdio>
#include <cwchar>

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) return 2;
    const long count = std::wcstol(argv[2], nullptr, 10);
    wchar_t path[4096];
    for (long i = 1; i <= count; ++i) {
        if (std::swprintf(path, sizeof path / sizeof path[0], L"%ls\\Folder %06ld", argv[1], i) <
            0) {
            return 2;
        }
        CreateDirectoryW(path, nullptr);
    }
    return 0;
}
