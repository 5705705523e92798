// Files of a snapshot: the format chosen by the name, and the temporary file the engine writes into.
#pragma once

#include <string>

enum class SnapshotFormat { kPng, kJpeg, kUnsupported };

// ".png" → PNG, ".jpg"/".jpeg" → JPEG, case-insensitive; anything else is unsupported.
SnapshotFormat SnapshotFormatOf(const std::string& path);

// True when path names a non-empty file that starts with the PNG signature.
bool IsPngFile(const std::string& path);

// Creates a new, empty file named target + ".<unique>" + suffix with the usual permissions (0666 less the
// umask) and returns its path, or "" on failure. *fd receives the open descriptor when fd is given,
// else the file is closed.
std::string CreateFileBeside(const std::string& target, const std::string& suffix, int* fd = nullptr);

// A new, empty, uniquely named ".png" file in the directory of a target path. Removed on destruction
// unless it was moved onto the target.
class TempSnapshotFile {
public:
    explicit TempSnapshotFile(const std::string& targetPath);
    ~TempSnapshotFile();
    TempSnapshotFile(const TempSnapshotFile&) = delete;
    TempSnapshotFile& operator=(const TempSnapshotFile&) = delete;

    bool IsCreated() const { return !m_path.empty(); }
    const std::string& Path() const { return m_path; }
    // Renames the file onto target (replacing it). True on success; the file is then no longer removed.
    bool MoveTo(const std::string& target);

private:
    std::string m_path;
};
