#include "catalogue/FileAttributes.h"

#include <fcntl.h>
#include <linux/magic.h>
#include <linux/msdos_fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <string_view>

namespace fileattr {
namespace {

const FatIoctl kRealFat;
const FatIoctl* g_fat = &kRealFat;

std::string_view BaseName(std::string_view path) {
    while (path.size() > 1 && path.back() == '/') path.remove_suffix(1);
    const size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// Runs fn on a descriptor of the file (directories included) that is not opened for writing.
template <typename Fn>
bool WithDescriptor(const std::string& path, Fn fn) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return false;
    const bool ok = fn(fd);
    ::close(fd);
    return ok;
}

constexpr uint32_t kFatKept = kReadOnly | kHidden | kSystem | kArchive;

}  // namespace

bool FatIoctl::OnFatVolume(const std::string& path) const {
    struct statfs fs {};
    return ::statfs(path.c_str(), &fs) == 0 && fs.f_type == MSDOS_SUPER_MAGIC;
}

bool FatIoctl::Get(int fd, uint32_t& attributes) const {
    __u32 a = 0;
    if (::ioctl(fd, FAT_IOCTL_GET_ATTRIBUTES, &a) != 0) return false;
    attributes = a;
    return true;
}

bool FatIoctl::Set(int fd, uint32_t attributes) const {
    __u32 a = attributes;
    return ::ioctl(fd, FAT_IOCTL_SET_ATTRIBUTES, &a) == 0;
}

const FatIoctl* InstallFatIoctl(const FatIoctl* calls) {
    const FatIoctl* previous = g_fat;
    g_fat = calls ? calls : &kRealFat;
    return previous;
}

bool OnFatVolume(const std::string& path) { return g_fat->OnFatVolume(path); }

uint32_t Get(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return kInvalid;
    const uint32_t directory = S_ISDIR(st.st_mode) ? kDirectory : 0;
    uint32_t fat = 0;
    if (g_fat->OnFatVolume(path) && WithDescriptor(path, [&](int fd) { return g_fat->Get(fd, fat); }))
        return fat | directory;
    uint32_t a = kArchive | directory;
    if (!(st.st_mode & S_IWUSR)) a |= kReadOnly;
    if (BaseName(path).starts_with('.')) a |= kHidden;
    return a;
}

bool Set(const std::string& path, uint32_t attributes) {
    if (g_fat->OnFatVolume(path)) {
        return WithDescriptor(path, [&](int fd) {
            uint32_t current = 0;
            return g_fat->Get(fd, current) && g_fat->Set(fd, (current & ~kFatKept) | (attributes & kFatKept));
        });
    }
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return false;
    mode_t mode = st.st_mode & 07777;
    mode = (attributes & kReadOnly) ? (mode & ~mode_t(S_IWUSR | S_IWGRP | S_IWOTH)) : (mode | S_IWUSR);
    return mode == (st.st_mode & 07777) || ::chmod(path.c_str(), mode) == 0;
}

}  // namespace fileattr
