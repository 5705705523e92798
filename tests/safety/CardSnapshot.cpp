#include "tests/safety/CardSnapshot.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace {

namespace fs = std::filesystem;

CardItem ReadItem(const fs::path& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) throw std::runtime_error("cannot stat " + path.string());
    CardItem item;
    item.type = int(st.st_mode & S_IFMT);
    item.mode = unsigned(st.st_mode & 07777);
    item.size = st.st_size;
    item.mtimeSec = st.st_mtim.tv_sec;
    item.mtimeNsec = st.st_mtim.tv_nsec;
    if (S_ISREG(st.st_mode)) {
        std::ifstream in(path, std::ios::binary);
        if (!in) throw std::runtime_error("cannot read " + path.string());
        item.contents.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } else if (S_ISLNK(st.st_mode)) {
        item.contents = fs::read_symlink(path).string();
    }
    return item;
}

std::string Describe(const CardItem& a, const CardItem& b) {
    if (a.type != b.type) return "type";
    if (a.contents != b.contents) return "contents";
    if (a.size != b.size) return "size";
    if (a.mode != b.mode) return "permissions";
    return "modification time";
}

}  // namespace

CardSnapshot TakeCardSnapshot(const std::string& card) {
    CardSnapshot snapshot;
    const fs::path root(card);
    snapshot["."] = ReadItem(root);
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it)
        snapshot[fs::relative(it->path(), root).string()] = ReadItem(it->path());
    return snapshot;
}

std::vector<std::string> CardDifferences(const CardSnapshot& before, const CardSnapshot& after) {
    std::vector<std::string> out;
    for (const auto& [path, item] : before) {
        const auto found = after.find(path);
        if (found == after.end()) out.push_back("removed: " + path);
        else if (!(found->second == item)) out.push_back(Describe(item, found->second) + " changed: " + path);
    }
    for (const auto& [path, item] : after)
        if (!before.count(path)) out.push_back("added: " + path);
    return out;
}

std::string TemporaryFolder(const std::string& tag) {
    std::string pattern = (std::filesystem::temp_directory_path() / ("norvik-safety-" + tag + "-XXXXXX")).string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
    return pattern + "/";
}
