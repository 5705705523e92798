// A temporary card folder with a catalogue over it, a host that records what the user would see,
// and file-system calls that can be told to fail.
#pragma once

#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "catalogue/CRecordingCatalog.h"
#include "catalogue/FileOperations.h"
#include "tests/core/FakeViews.h"
#include "tests/core/TestFiles.h"

namespace cardtest {

struct Recording {
    std::string subFolder;  // "DCIM/100MEDIA/" or empty
    std::string fileName;
    int64_t startTime = 0;
    uint32_t durationMs = 60000;
    int lockFlags = 0;
    int layout = kLayoutBlocks;
};

// Start times that make separate groups: one hour apart.
constexpr int64_t kHour = 3600;

using testfiles::ScratchDir;

std::string ReadAll(const std::string& path);
void WriteAll(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
// Names in a folder that start with ".", such as copies in progress.
std::vector<std::string> HiddenNames(const std::string& folder);

// Records every call as text: "msg 129/128 okcancel", "browse 130", "stop", "hide", "progress 25", "board
// off".
class RecordingHost : public fileops::IFileOperationsHost {
public:
    fileops::Answer ShowMessage(const fileops::UserMessage& message) override;
    std::optional<std::string> BrowseForFolder(int titleTextId) override;
    void StopPlayback() override { calls.push_back("stop"); }
    void HideVideo() override { calls.push_back("hide"); }
    void ShowCopyProgress(int percent) override;
    void HideCopyProgress() override { calls.push_back("board off"); }

    std::vector<std::string> calls;
    std::vector<fileops::UserMessage> messages;
    std::vector<int> progress;
    std::deque<fileops::Answer> answers;  // used in order; Ok when empty
    std::optional<std::string> folder;    // what the folder dialog returns
};

// The real calls, with attributes kept in memory (read-only refuses a delete, as on the card) and
// chosen paths made to fail.
class FaultyFileSystem : public fileops::FileSystemCalls {
public:
    uint32_t GetAttributes(const std::string& path) const override;
    bool SetAttributes(const std::string& path, uint32_t attributes) const override;
    bool RemoveFile(const std::string& path) const override;
    bool CopyFile(const std::string& source, const std::string& destination) const override;

    mutable std::map<std::string, uint32_t> attributes;  // absent: archive only
    std::set<std::string> failRemove, failSetAttributes;
    std::set<std::string> failCopyOf;  // sources whose copy writes half and then fails
};

// Card files written under the scratch folder and adopted by a catalogue with recording views.
class Card {
public:
    explicit Card(const std::vector<Recording>& recordings);
    std::string Root() const { return dir.Path() + "/"; }
    std::string PathOf(const Recording& r) const { return Root() + r.subFolder + r.fileName; }
    // The contents written for the i-th recording.
    static std::string Contents(size_t i) {
        return "recording " + std::to_string(i) + std::string(1000, char('a' + i));
    }
    fileops::CFileOperations Operations(const fileops::FileSystemCalls* fs = nullptr) {
        return fileops::CFileOperations(catalog, &groups, &files, host, fs);
    }
    std::vector<std::string> FileNames() const;

    ScratchDir dir;
    FakeGroupList groups;
    FakeFileList files;
    RecordingHost host;
    CRecordingCatalog catalog;
    std::vector<Recording> recordings;
};

std::string Describe(const fileops::UserMessage& m);

}  // namespace cardtest
