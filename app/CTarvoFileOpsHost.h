// The main window as SAVE, DEL and LOCK see it: its boxes in the current language, the copy target
// dialog, playback, the video surface and the status board; and file copies that keep the window
// painting while they run.
#pragma once

#include "catalogue/FileOperations.h"

class CTarvoDlg;

class CTarvoFileOpsHost : public fileops::IFileOperationsHost {
public:
    explicit CTarvoFileOpsHost(CTarvoDlg& window) : m_window(window) {}
    fileops::Answer ShowMessage(const fileops::UserMessage& message) override;
    std::optional<std::string> BrowseForFolder(int titleTextId) override;
    void StopPlayback() override;
    void HideVideo() override;
    void ShowCopyProgress(int percent) override;
    void HideCopyProgress() override;

private:
    CTarvoDlg& m_window;
};

// Copies on a worker thread while the user-interface thread goes on handling events; every call goes
// to inner (the real file system when null).
class ResponsiveFileSystemCalls : public fileops::FileSystemCalls {
public:
    explicit ResponsiveFileSystemCalls(const fileops::FileSystemCalls* inner = nullptr) : m_inner(inner) {}
    uint32_t GetAttributes(const std::string& path) const override;
    bool SetAttributes(const std::string& path, uint32_t attributes) const override;
    bool RemoveFile(const std::string& path) const override;
    bool IsDirectory(const std::string& path) const override;
    bool Exists(const std::string& path) const override;
    bool MakeDirectory(const std::string& path) const override;
    bool SameFile(const std::string& a, const std::string& b) const override;
    bool CopyFile(const std::string& source, const std::string& destination) const override;
    bool Rename(const std::string& from, const std::string& to) const override;

private:
    const fileops::FileSystemCalls& Inner() const { return m_inner ? *m_inner : m_real; }

    const fileops::FileSystemCalls* m_inner;
    fileops::FileSystemCalls m_real;
};
