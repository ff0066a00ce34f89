// The bare loop undo is measured against: for each folder, last first, a check that does not
// follow links (fstatat with AT_SYMLINK_NOFOLLOW) and the removal (unlinkat with AT_REMOVEDIR) in
// the open target folder, on one thread, nothing else.
// Usage: rmdir_loop TARGET COUNT   removes TARGET/Folder 000001 ... as mkdir_loop names them.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    const int target = open(argv[1], O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (target < 0) return 2;
    char name[64];
    for (long i = std::strtol(argv[2], nullptr, 10); i >= 1; --i) {
        std::snprintf(name, sizeof name, "Folder %06ld", i);
        struct stat info {};
        if (fstatat(target, name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(info.st_mode)) {
            unlinkat(target, name, AT_REMOVEDIR);
        }
    }
    return 0;
}
