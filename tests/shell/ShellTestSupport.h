// Test helpers: dialogs that answer at once, a settings file in a temporary folder, a main window
// on a fake monitor without the engine.
#pragma once

#include <gtest/gtest.h>

#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/CTarvoDlg.h"
#include "app/CTarvoSettings.h"
#include "app/ShellDialogs.h"
#include "catalogue/FileOperations.h"

struct ShownMessage {
    QString caption;
    QString text;
};

struct ShownDialog {
    QString title;
    const QDialog* address;
    QStringList texts;  // the dialog's labels, in creation order
};

class FakeDialogs : public IShellDialogs {
public:
    int RunModal(QDialog& dialog) override;
    void ShowMessage(QWidget* owner, const QString& caption, const QString& text) override;
    std::optional<QString> PickFolder(QWidget* owner, const QString& title, const QString& initialFolder) override;

    std::vector<ShownMessage> messages;
    std::vector<ShownDialog> dialogs;
    QStringList pickTitles;
    QStringList pickInitialFolders;
    std::optional<QString> nextPick;  // the answer of the next folder browser; empty: Cancel

    // The boxes with buttons: each asked one is recorded; the answers are taken in order (OK when none left).
    bool AskMessage(QWidget* owner, const QString& caption, const QString& text, bool withCancel, bool warning) override;
    struct Asked {
        QString caption;
        QString text;
        bool withCancel;
        bool warning;
    };
    std::vector<Asked> asked;
    std::vector<bool> askAnswers;
};

// A library name no system has, so the engine stays unloaded.
inline constexpr char kMissingEngine[] = "libnorvik-absent-engine.so.0";
inline const QRect kFakeMonitor(100, 50, 1600, 1000);

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QString IniPath() const { return m_dir.filePath(QStringLiteral("Norvik.ini")); }
    void WriteIni(const QByteArray& content) const;
    QByteArray ReadIni() const;
    QString MakeFolder(const QString& name) const;
    CTarvoSettings& Settings();
    // The main window on kFakeMonitor, shown and laid out at size.
    CTarvoDlg& Window(QSize size = {800, 560});
    // Lists one recording of the given picture size, so that full screen is possible.
    void ListOneRecording(CTarvoDlg& window, QSize picture = {1920, 1080});

    FakeDialogs m_dialogs;
    const FolderSource* m_folderSource = nullptr;           // for the window made next
    const fileops::FileSystemCalls* m_fileSystem = nullptr;  // for the window made next
    QTemporaryDir m_dir;
    std::unique_ptr<CTarvoSettings> m_settings;
    std::unique_ptr<CTarvoDlg> m_window;
};

void Settle();
// Handles events until condition holds; false when it did not within the time.
bool WaitUntil(const std::function<bool()>& condition, int timeoutMs = 10000);
void PrintTo(const QString& text, std::ostream* os);
void PrintTo(const QRect& rect, std::ostream* os);
