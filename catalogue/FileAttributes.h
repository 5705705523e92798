// The camera's card attributes (read-only, hidden, system, archive) on a Linux file system.
// On a FAT card mounted with the vfat driver they are the real FAT attributes; elsewhere read-only is
// the owner's missing write permission, hidden a name starting with ".", system never, archive always.
#pragma once

#include <cstdint>
#include <string>

namespace fileattr {

constexpr uint32_t kReadOnly = 0x01;
constexpr uint32_t kHidden = 0x02;
constexpr uint32_t kSystem = 0x04;
constexpr uint32_t kDirectory = 0x10;
constexpr uint32_t kArchive = 0x20;
constexpr uint32_t kInvalid = 0xFFFFFFFFu;  // the query failed; reads as every attribute set

// The FAT driver's attribute calls on an open file, replaceable for tests.
struct FatIoctl {
    virtual ~FatIoctl() = default;
    virtual bool OnFatVolume(const std::string& path) const;  // the path lives on a vfat mount
    virtual bool Get(int fd, uint32_t& attributes) const;
    virtual bool Set(int fd, uint32_t attributes) const;
};

// The FAT calls in use (the real driver's unless a test installed another); returns the previous one.
const FatIoctl* InstallFatIoctl(const FatIoctl* calls);

bool OnFatVolume(const std::string& path);
uint32_t Get(const std::string& path);
bool Set(const std::string& path, uint32_t attributes);  // only read-only changes off a FAT card

inline bool SetReadOnly(const std::string& path, bool on) {
    const uint32_t a = Get(path);
    if (a == kInvalid) return false;
    return Set(path, on ? (a | kReadOnly) : (a & ~kReadOnly));
}

}  // namespace fileattr
