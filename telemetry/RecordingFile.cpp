#include "telemetry/RecordingFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

bool RecordingFile::Open(const std::string& path) {
    Close();
    int fd;
    do {
        fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    m_length = uint64_t(st.st_size);
    m_position = 0;
    m_windowLength = 0;
    return true;
}

void RecordingFile::Close() {
    if (m_fd >= 0) ::close(m_fd);
    m_fd = -1;
    m_length = 0;
    m_position = 0;
    m_windowLength = 0;
}

size_t RecordingFile::ReadFromFile(uint64_t offset, uint8_t* out, size_t want) const {
    size_t got = 0;
    while (got < want) {
        const ssize_t r = ::pread(m_fd, out + got, want - got, off_t(offset + got));
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) break;
        got += size_t(r);
    }
    return got;
}

size_t RecordingFile::ReadAt(uint64_t offset, void* buffer, size_t n) const {
    if (n == 0) return 0;
    auto* out = static_cast<uint8_t*>(buffer);
    size_t got = 0;
    if (m_fd >= 0 && offset < m_length) {
        const size_t want = size_t(std::min<uint64_t>(n, m_length - offset));
        if (want > kWindowSize) {
            got = ReadFromFile(offset, out, want);
        } else {
            const bool held = m_windowLength > 0 && offset >= m_windowStart &&
                              offset + want <= m_windowStart + m_windowLength;
            if (!held) {
                m_windowStart = offset;
                m_windowLength =
                    ReadFromFile(offset, m_window, size_t(std::min<uint64_t>(kWindowSize, m_length - offset)));
            }
            if (offset < m_windowStart + m_windowLength) {  // the window starts at or before offset
                got = size_t(std::min<uint64_t>(want, m_windowStart + m_windowLength - offset));
                std::memcpy(out, m_window + (offset - m_windowStart), got);
            }
        }
    }
    std::memset(out + got, 0, n - got);
    return got;
}

size_t RecordingFile::Read(void* buffer, size_t n) {
    const size_t got = ReadAt(m_position, buffer, n);
    m_position += n;
    return got;
}
