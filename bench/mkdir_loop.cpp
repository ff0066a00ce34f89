// The bare loop the tool is measured against: mkdir over the same names, nothing else.
// Usage: mkdir_loop TARGET COUNT [SUBFOLDER...]   makes TARGET/Folder 000001 ... and in each the
// subfolders; or mkdir_loop TARGET --names FILE, one folder per line of FILE.
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    char path[4096];
    char sub[4096];
    if (std::strcmp(argv[2], "--names") == 0) {
        std::FILE* list = argc > 3 ? std::fopen(argv[3], "r") : nullptr;
        if (list == nullptr) return 2;
        char line[4096];
        while (std::fgets(line, sizeof line, list) != nullptr) {
            line[std::strcspn(line, "\r\n")] = '\0';
            if (line[0] == '\0') continue;
            if (std::snprintf(path, sizeof path, "%s/%s", argv[1], line) >= int{sizeof path})
                return 2;
            mkdir(path, 0777);
        }
        std::fclose(list);
        return 0;
    }
    const long count = std::strtol(argv[2], nullptr, 10);
    for (long i = 1; i <= count; ++i) {
        if (std::snprintf(path, sizeof path, "%s/Folder %06ld", argv[1], i) >= int{sizeof path}) {
            return 2;
        }
        mkdir(path, 0777);
        for (int s = 3; s < argc; ++s) {
            if (std::snprintf(sub, sizeof sub, "%s/%s", path, argv[s]) >= int{sizeof sub}) return 2;
            mkdir(sub, 0777);
        }
    }
    return 0;
}
