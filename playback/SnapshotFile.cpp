#include "playback/SnapshotFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <fstream>

namespace {

std::string LowerExtension(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    const size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    std::string ext = path.substr(dot);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext;
}

}  // namespace

SnapshotFormat SnapshotFormatOf(const std::string& path) {
    const std::string ext = LowerExtension(path);
    if (ext == ".png") return SnapshotFormat::kPng;
    if (ext == ".jpg" || ext == ".jpeg") return SnapshotFormat::kJpeg;
    return SnapshotFormat::kUnsupported;
}

bool IsPngFile(const std::string& path) {
    static constexpr std::array<unsigned char, 8> kSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::ifstream in(path, std::ios::binary);
    std::array<unsigned char, 8> head{};
    if (!in.read(reinterpret_cast<char*>(head.data()), head.size())) return false;
    return head == kSignature;
}

std::string CreateFileBeside(const std::string& target, const std::string& suffix, int* fd) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string path = target + "." + std::to_string(getpid()) + "-" +
                                 std::to_string(counter.fetch_add(1)) + suffix;
        const int created = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (created >= 0) {
            if (fd != nullptr) *fd = created;
            else close(created);
            return path;
        }
        if (errno != EEXIST) return {};
    }
    return {};
}

TempSnapshotFile::TempSnapshotFile(const std::string& targetPath) : m_path(CreateFileBeside(targetPath, ".png")) {}

TempSnapshotFile::~TempSnapshotFile() {
    if (!m_path.empty()) std::remove(m_path.c_str());
}

bool TempSnapshotFile::MoveTo(const std::string& target) {
    if (m_path.empty() || std::rename(m_path.c_str(), target.c_str()) != 0) return false;
    m_path.clear();
    return true;
}
