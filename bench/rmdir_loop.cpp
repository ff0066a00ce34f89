// The bare loop undo is measured against: rmdir over the same paths, last first, nothing else.
// Usage: rmdir_loop TARGET COUNT   removes TARGET/Folder 000001 ... as mkdir_loop names them.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    char path[4096];
    for (long i = std::strtol(argv[2], nullptr, 10); i >= 1; --i) {
        if (std::snprintf(path, sizeof path, "%s/Folder %06ld", argv[1], i) >= int{sizeof path}) {
            return 2;
        }
        rmdir(path);
    }
    return 0;
}
