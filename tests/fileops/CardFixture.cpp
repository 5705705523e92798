#include "tests/fileops/CardFixture.h"

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "catalogue/FileAttributes.h"

namespace cardtest {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteAll(const std::string& path, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

bool FileExists(const std::string& path) { return std::filesystem::exists(path); }

std::vector<std::string> HiddenNames(const std::string& folder) {
    std::vector<std::string> out;
    for (const auto& e : std::filesystem::recursive_directory_iterator(folder))
        if (e.path().filename().string().starts_with(".")) out.push_back(e.path().string());
    return out;
}

std::string Describe(const fileops::UserMessage& m) {
    std::string s = "msg " + std::to_string(m.textId) + "/" + std::to_string(m.captionId);
    if (m.buttons == fileops::Buttons::OkCancel) s += " okcancel";
    if (m.icon == fileops::Icon::Warning) s += " warning";
    return s;
}

fileops::Answer RecordingHost::ShowMessage(const fileops::UserMessage& message) {
    messages.push_back(message);
    calls.push_back(Describe(message));
    if (answers.empty()) return fileops::Answer::Ok;
    const fileops::Answer a = answers.front();
    answers.pop_front();
    return a;
}

std::optional<std::string> RecordingHost::BrowseForFolder(int titleTextId) {
    calls.push_back("browse " + std::to_string(titleTextId));
    return folder;
}

void RecordingHost::ShowCopyProgress(int percent) {
    progress.push_back(percent);
    calls.push_back("progress " + std::to_string(percent));
}

uint32_t FaultyFileSystem::GetAttributes(const std::string& path) const {
    const auto it = attributes.find(path);
    return it == attributes.end() ? fileattr::kArchive : it->second;
}

bool FaultyFileSystem::SetAttributes(const std::string& path, uint32_t value) const {
    if (failSetAttributes.count(path)) return false;
    attributes[path] = value;
    return true;
}

bool FaultyFileSystem::RemoveFile(const std::string& path) const {
    if (failRemove.count(path) || (GetAttributes(path) & fileattr::kReadOnly)) return false;
    return FileSystemCalls::RemoveFile(path);
}

bool FaultyFileSystem::CopyFile(const std::string& source, const std::string& destination) const {
    if (!failCopyOf.count(source)) return FileSystemCalls::CopyFile(source, destination);
    const std::string bytes = ReadAll(source);
    std::ofstream(destination, std::ios::binary) << bytes.substr(0, bytes.size() / 2);
    return false;  // the disk filled up half way
}

Card::Card(const std::vector<Recording>& list) : recordings(list) {
    catalog.Init(&groups, &files, nullptr, nullptr, nullptr);
    ScanOutcome outcome;
    outcome.sourceExists = true;
    for (size_t i = 0; i < list.size(); ++i) {
        const Recording& r = list[i];
        WriteAll(PathOf(r), Contents(i));
        RecordingEntry e;
        e.fileName = r.fileName;
        e.rootFolder = Root();
        e.subFolder = r.subFolder;
        e.lockFlags = r.lockFlags;
        e.info.startTime = r.startTime;
        e.info.durationMs = r.durationMs;
        e.info.fileSize = Contents(i).size();
        e.info.layout = r.layout;
        e.info.width = 1920;
        e.info.height = 1080;
        outcome.entries.push_back(e);
    }
    catalog.AdoptScan(std::move(outcome));
}

std::vector<std::string> Card::FileNames() const {
    std::vector<std::string> out;
    for (const RecordingEntry& e : catalog.Entries()) out.push_back(e.fileName);
    return out;
}

}  // namespace cardtest
