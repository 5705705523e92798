#include "catalogue/FolderWalk.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>

#include "catalogue/FileAttributes.h"

namespace {

bool IsDirectory(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

struct Walker {
    const std::string& root;
    const WalkCallback& callback;
    const FolderSource& source;

    // False when the callback asked to stop.
    bool Visit(const std::string& subFolder, int depth) {
        std::vector<FolderItem> items;
        if (!source.List(root + subFolder, items)) return true;
        std::sort(items.begin(), items.end(), [](const FolderItem& a, const FolderItem& b) { return a.name < b.name; });
        for (const FolderItem& item : items) {
            if (item.name == "." || item.name == ".." || item.isLinkToFolder || item.hiddenOrSystem) continue;
            if (item.isDirectory) {
                if (depth >= kMaxWalkDepth) continue;
                if (!callback(root, subFolder, item.name, true)) return false;
                if (!Visit(subFolder + item.name + "/", depth + 1)) return false;
            } else if (!callback(root, subFolder, item.name, false)) {
                return false;
            }
        }
        return true;
    }
};

}  // namespace

bool FolderSource::List(const std::string& folder, std::vector<FolderItem>& items) const {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return false;
    const bool fat = fileattr::OnFatVolume(folder);
    while (const dirent* d = ::readdir(dir)) {
        FolderItem item;
        item.name = d->d_name;
        unsigned char type = d->d_type;
        const std::string path = folder + item.name;
        if (type == DT_UNKNOWN) {
            struct stat st {};
            if (::lstat(path.c_str(), &st) != 0) continue;
            type = S_ISDIR(st.st_mode) ? DT_DIR : S_ISLNK(st.st_mode) ? DT_LNK : DT_REG;
        }
        item.isDirectory = type == DT_DIR;
        item.isLinkToFolder = type == DT_LNK && IsDirectory(path);
        if (!fat) {
            item.hiddenOrSystem = item.name.starts_with('.');
        } else if (item.name != "." && item.name != "..") {
            const uint32_t a = fileattr::Get(path);
            item.hiddenOrSystem = a != fileattr::kInvalid && (a & (fileattr::kHidden | fileattr::kSystem));
        }
        items.push_back(std::move(item));
    }
    ::closedir(dir);
    return true;
}

WalkResult WalkFolder(const std::string& rootIn, const WalkCallback& callback, const FolderSource& source) {
    if (rootIn.empty() || !IsDirectory(rootIn)) return WalkResult::MissingSource;
    const std::string root = rootIn.back() == '/' ? rootIn : rootIn + "/";
    Walker walker{root, callback, source};
    return walker.Visit("", 0) ? WalkResult::Done : WalkResult::Stopped;
}
