// The floor of a scan, as a program: walks a folder tree and, for every file, only opens it and reads
// its small atoms (ReadAtomsOnly). Prints the number of files read.
//   norvik-floor-scan DIR
#include <cstdio>
#include <string>

#include "bench/AtomFloor.h"
#include "catalogue/FolderWalk.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: norvik-floor-scan DIR\n");
        return 2;
    }
    static const FolderSource kFileSystem;
    int files = 0;
    int unread = 0;
    uint64_t sum = 0;
    const WalkResult result = WalkFolder(
        argv[1],
        [&](const std::string& root, const std::string& sub, const std::string& name, bool dir) {
            if (dir) return true;
            const uint64_t s = ReadAtomsOnly(root + sub + name);
            if (s == 0) ++unread;
            sum ^= s;
            ++files;
            return true;
        },
        kFileSystem);
    if (result != WalkResult::Done) {
        std::fprintf(stderr, "norvik-floor-scan: cannot walk %s\n", argv[1]);
        return 1;
    }
    std::printf("%d files, %d unread, checksum %016llx\n", files, unread, static_cast<unsigned long long>(sum));
    return unread == 0 ? 0 : 1;
}
