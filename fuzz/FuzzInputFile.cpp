#include "fuzz/FuzzInputFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>

const std::string& WriteFuzzInput(const uint8_t* data, size_t size) {
    static const std::string path = [] {
        const char* dir = std::getenv("TMPDIR");
        return std::string(dir && *dir ? dir : "/tmp") + "/norvik-fuzz-" + std::to_string(getpid()) + ".mov";
    }();
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd < 0) std::abort();
    size_t done = 0;
    while (done < size) {
        const ssize_t n = write(fd, data + done, size - done);
        if (n <= 0) std::abort();
        done += size_t(n);
    }
    close(fd);
    return path;
}
