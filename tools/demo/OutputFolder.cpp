#include "tools/demo/OutputFolder.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <system_error>

namespace fs = std::filesystem;

namespace {

bool IsReplaceable(const fs::path& dir) {
    std::error_code ec;
    const fs::file_status st = fs::symlink_status(dir, ec);
    if (ec || st.type() == fs::file_type::not_found) return true;
    if (st.type() != fs::file_type::directory) return false;
    if (fs::exists(dir / kDemoCardMarker, ec)) return true;
    return fs::is_empty(dir, ec) && !ec;
}

void MakeOwnerWritable(const fs::path& p) {
    std::error_code ec;
    const fs::file_status st = fs::symlink_status(p, ec);
    if (ec || st.type() == fs::file_type::symlink) return;
    if (st.type() == fs::file_type::directory) {
        fs::permissions(p, fs::perms::owner_all, fs::perm_options::add, ec);
        for (const auto& child : fs::directory_iterator(p, ec)) MakeOwnerWritable(child.path());
    } else {
        fs::permissions(p, fs::perms::owner_write, fs::perm_options::add, ec);
    }
}

fs::path NormalFolder(const std::string& dir) {
    fs::path p = fs::path(dir).lexically_normal();
    if (!p.has_filename()) p = p.parent_path();
    return p;
}

}  // namespace

void RemoveTree(const std::string& path) {
    MakeOwnerWritable(path);
    std::error_code ec;
    fs::remove_all(path, ec);
    if (ec) throw std::runtime_error("cannot remove " + path + ": " + ec.message());
}

std::string BeginCardFolder(const std::string& outDir) {
    const fs::path out = NormalFolder(outDir);
    if (out.empty() || out == out.root_path())
        throw std::runtime_error("refusing to use " + outDir + " as the demo card folder");
    if (!IsReplaceable(out))
        throw std::runtime_error(outDir + " exists and is not a demo card; choose a new or empty folder");
    const fs::path staging = out.string() + ".building";
    if (fs::exists(fs::symlink_status(staging))) {
        if (!IsReplaceable(staging)) throw std::runtime_error(staging.string() + " is in the way");
        RemoveTree(staging);
    }
    std::error_code ec;
    fs::create_directories(staging, ec);
    if (ec) throw std::runtime_error("cannot create " + staging.string() + ": " + ec.message());
    std::ofstream marker(staging / kDemoCardMarker);
    marker << "Demo card made by norvik-demo-card; the whole folder is replaced when it runs again.\n";
    if (!marker) throw std::runtime_error("cannot write in " + staging.string());
    return staging.string();
}

void FinishCardFolder(const std::string& staging, const std::string& outDir) {
    const fs::path out = NormalFolder(outDir);
    if (fs::exists(fs::symlink_status(out))) {
        if (!IsReplaceable(out)) throw std::runtime_error(outDir + " is not a demo card");
        RemoveTree(out.string());
    }
    std::error_code ec;
    fs::rename(staging, out, ec);
    if (ec) throw std::runtime_error("cannot move the new card to " + outDir + ": " + ec.message());
}
