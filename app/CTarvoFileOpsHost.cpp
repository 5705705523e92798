#include "app/CTarvoFileOpsHost.h"

#include <QEventLoop>
#include <QTimer>
#include <atomic>
#include <thread>

#include "app/CTarvoDlg.h"
#include "app/CTarvoSettings.h"
#include "app/ControlIds.h"
#include "app/FolderDialogs.h"
#include "app/Languages.h"
#include "app/ShellDialogs.h"
#include "controls/CStatusBoardStatic.h"
#include "playback/PlaybackController.h"

using namespace fileops;

namespace {
constexpr int kCopyPollMs = 15;
}

Answer CTarvoFileOpsHost::ShowMessage(const UserMessage& message) {
    QString text = m_window.m_settings.LoadText(message.textId);
    if (!message.argument.empty()) text = FormatText(text, {QString::fromStdString(message.argument)});
    const QString caption = m_window.m_settings.LoadText(message.captionId);
    const bool ok = m_window.m_dialogs->AskMessage(&m_window, caption, text, message.buttons == Buttons::OkCancel,
                                                   message.icon == Icon::Warning);
    return ok ? Answer::Ok : Answer::Cancel;
}

std::optional<std::string> CTarvoFileOpsHost::BrowseForFolder(int) {
    const std::optional<QString> folder = RunCopyTargetDialog(*m_window.m_dialogs, m_window.m_settings, &m_window);
    if (!folder) return std::nullopt;
    return folder->toStdString();
}

void CTarvoFileOpsHost::StopPlayback() { m_window.m_playback->StopPlayback(); }

void CTarvoFileOpsHost::HideVideo() { m_window.m_playback->HideVideo(); }

void CTarvoFileOpsHost::ShowCopyProgress(int percent) {
    auto* board = qobject_cast<CStatusBoardStatic*>(m_window.Control(ControlId::kStatusBoard));
    if (!board) return;
    board->SetValue(percent);
    board->SetText(QString::asprintf("%d %c", percent, '%'));
    board->show();
    board->raise();
    board->repaint();
}

void CTarvoFileOpsHost::HideCopyProgress() {
    if (QWidget* board = m_window.Control(ControlId::kStatusBoard)) board->hide();
}

uint32_t ResponsiveFileSystemCalls::GetAttributes(const std::string& path) const { return Inner().GetAttributes(path); }
bool ResponsiveFileSystemCalls::SetAttributes(const std::string& path, uint32_t attributes) const {
    return Inner().SetAttributes(path, attributes);
}
bool ResponsiveFileSystemCalls::RemoveFile(const std::string& path) const { return Inner().RemoveFile(path); }
bool ResponsiveFileSystemCalls::IsDirectory(const std::string& path) const { return Inner().IsDirectory(path); }
bool ResponsiveFileSystemCalls::Exists(const std::string& path) const { return Inner().Exists(path); }
bool ResponsiveFileSystemCalls::MakeDirectory(const std::string& path) const { return Inner().MakeDirectory(path); }
bool ResponsiveFileSystemCalls::SameFile(const std::string& a, const std::string& b) const { return Inner().SameFile(a, b); }
bool ResponsiveFileSystemCalls::Rename(const std::string& from, const std::string& to) const {
    return Inner().Rename(from, to);
}

bool ResponsiveFileSystemCalls::CopyFile(const std::string& source, const std::string& destination) const {
    std::atomic<bool> done{false};
    bool ok = false;
    std::thread worker([&] {
        ok = Inner().CopyFile(source, destination);
        done.store(true, std::memory_order_release);
    });
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done.load(std::memory_order_acquire)) loop.quit();
    });
    poll.start(kCopyPollMs);
    if (!done.load(std::memory_order_acquire)) loop.exec();
    worker.join();
    return ok;
}
