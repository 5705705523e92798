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

// Copies on a worker thread while the user-interface thread goes on handling events.
class ResponsiveFileSystemCalls : public fileops::FileSystemCalls {
public:
    bool CopyFile(const std::string& source, const std::string& destination) const override;
};
