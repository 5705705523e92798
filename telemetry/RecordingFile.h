// Read-only access to a recording: opened without write access, never written.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class RecordingFile {
public:
    RecordingFile() = default;
    ~RecordingFile() { Close(); }
    RecordingFile(const RecordingFile&) = delete;
    RecordingFile& operator=(const RecordingFile&) = delete;

    bool Open(const std::string& path);  // read-only; false when the file cannot be opened
    void Close();
    bool IsOpen() const { return m_fd >= 0; }

    uint64_t GetLength() const { return m_length; }
    uint64_t GetPosition() const { return m_position; }
    void Seek(uint64_t position) { m_position = position; }

    // Reads up to n bytes at the position and moves the position by n. Bytes past the end of the file
    // (or that could not be read) are zero-filled; returns the number of bytes really read.
    size_t Read(void* buffer, size_t n);
    // Reads at an absolute offset without moving the position.
    size_t ReadAt(uint64_t offset, void* buffer, size_t n) const;

private:
    // The reader asks for many small pieces that lie close together (atom headers, small atoms); they are
    // served from one window of the file read ahead of the first of them.
    static constexpr size_t kWindowSize = 4096;
    size_t ReadFromFile(uint64_t offset, uint8_t* out, size_t want) const;

    int m_fd = -1;
    uint64_t m_length = 0;
    uint64_t m_position = 0;
    mutable uint8_t m_window[kWindowSize];
    mutable uint64_t m_windowStart = 0;
    mutable size_t m_windowLength = 0;  // 0: nothing held
};
