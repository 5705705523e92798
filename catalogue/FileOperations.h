// SAVE, DEL and LOCK over the marked groups of the catalogue: copying recordings into a chosen
// folder, deleting them, and removing their write protection. Everything the user sees and every
// file-system call goes through the host and the file-system calls, so both can be replaced.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/CRecordingCatalog.h"

namespace fileops {

// String ids of the texts and captions.
constexpr int kTextDeleteFiles = 128;  // caption of the delete question and refusal
constexpr int kTextSureToDelete = 129;
constexpr int kTextSelectFolder = 130;  // title of the folder dialog
constexpr int kTextWarning = 131;
constexpr int kTextNoFolder = 132;
constexpr int kTextNothingMarked = 135;
constexpr int kTextEmptyList = 136;
constexpr int kTextConfirmOverwrite = 140;
constexpr int kTextAlreadyExists = 141;  // "%s" is the destination path
constexpr int kTextConfirmSelection = 144;
constexpr int kTextOk = 145;
constexpr int kTextEventNotDeletable = 146;
constexpr int kTextCopyFailed = 147;  // "%s" is the destination path

enum class Buttons { Ok, OkCancel };
enum class Icon { None, Warning };
enum class Answer { Ok, Cancel };

struct UserMessage {
    UserMessage() = default;
    UserMessage(int text, int caption, Buttons b = Buttons::Ok, Icon i = Icon::None, std::string arg = {})
        : textId(text), captionId(caption), buttons(b), icon(i), argument(std::move(arg)) {}

    int textId = 0;
    int captionId = 0;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    std::string argument;  // replaces the text's "%s" when not empty

    bool operator==(const UserMessage&) const = default;
};

// What the main window provides.
class IFileOperationsHost {
public:
    virtual ~IFileOperationsHost() = default;
    virtual Answer ShowMessage(const UserMessage& message) = 0;
    // The folder browse dialog with the given title text; empty on Cancel.
    virtual std::optional<std::string> BrowseForFolder(int titleTextId) = 0;
    // Stops playback when the engine is loaded.
    virtual void StopPlayback() = 0;
    // Hides the video surface when it is showing and remembers it was hidden.
    virtual void HideVideo() = 0;
    // The copy read-out: shown with the percentage and repainted at once.
    virtual void ShowCopyProgress(int percent) = 0;
    virtual void HideCopyProgress() = 0;
};

// The file-system calls; the default member functions act on the real file system.
class FileSystemCalls {
public:
    virtual ~FileSystemCalls() = default;
    virtual uint32_t GetAttributes(const std::string& path) const;  // fileattr values
    virtual bool SetAttributes(const std::string& path, uint32_t attributes) const;
    virtual bool RemoveFile(const std::string& path) const;
    virtual bool IsDirectory(const std::string& path) const;
    virtual bool Exists(const std::string& path) const;
    virtual bool MakeDirectory(const std::string& path) const;
    // Both paths name one file (the same inode), so copying one onto the other would destroy it.
    virtual bool SameFile(const std::string& a, const std::string& b) const;
    // Writes a complete copy of source to destination, which does not exist yet; false on any failure.
    virtual bool CopyFile(const std::string& source, const std::string& destination) const;
    // Replaces to (when present) by from in one step.
    virtual bool Rename(const std::string& from, const std::string& to) const;
};

// Joins a folder and a relative part with exactly one "/" between them.
std::string JoinPath(const std::string& folder, const std::string& relative);

// The name a copy is written under until it is complete: hidden, next to the destination.
std::string TemporaryCopyName(const std::string& destination);

class CFileOperations {
public:
    // The views are those the catalogue was initialised with; fs null means the real file system.
    CFileOperations(CRecordingCatalog& catalog, IGroupListView* groupList, IFileListView* fileList,
                    IFileOperationsHost& host, const FileSystemCalls* fs = nullptr);

    // The command handlers of SAVE, DEL and LOCK.
    void OnSaveAs();
    void OnDeleteFiles();
    void OnUnlockFiles();

    // The work on the files; false when no group is marked.
    bool CopyMarked(const std::string& target);
    bool HasProtectedInMarked();
    bool DeleteMarked();
    bool UnlockMarked();

private:
    bool CatalogueEmpty();
    bool CopyOne(const std::string& source, const std::string& destination);
    void CreateLevels(const std::string& folder);
    void Rebuild(std::vector<RecordingEntry>&& entries);

    CRecordingCatalog& m_catalog;
    IGroupListView* m_groupList;
    IFileListView* m_fileList;
    IFileOperationsHost& m_host;
    const FileSystemCalls& m_fs;
};

}  // namespace fileops
