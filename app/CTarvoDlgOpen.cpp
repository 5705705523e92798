// OPEN: choosing a folder, scanning it on its own thread while the window stays usable, and starting
// the earliest recording; the folder named on the command line takes the same way.
#include <QTimer>

#include "app/CTarvoDlg.h"
#include "app/ControlIds.h"
#include "app/FolderDialogs.h"
#include "app/FolderScanTask.h"
#include "app/StartupTiming.h"
#include "app/TimerIds.h"
#include "controls/CVideoStatic.h"
#include "playback/PlaybackController.h"
#include "playback/PlaybackShared.h"

namespace {
constexpr int kScanCounterPeriodMs = 40;
constexpr int kDelayedOpenTicks = 5;
}  // namespace

void CTarvoDlg::OnOpen() {
    if (IsBusy()) return;
    if (!PrepareOpen()) return;
    const std::optional<QString> folder = RunMediaOpenDialog(*m_dialogs, m_settings, this);
    if (!folder) return;
    BeginOpen(*folder);
}

void CTarvoDlg::OpenFolder(const QString& folder) {
    if (IsBusy()) return;
    if (!PrepareOpen()) return;
    BeginOpen(folder);
}

bool CTarvoDlg::PrepareOpen() {
    if (!m_catalog.IsEmpty() && g_openPending.load() != 0) return false;
    m_playback->PrepareForOpen();
    return true;
}

void CTarvoDlg::BeginOpen(const QString& folder) {
    TimingMark("open-started");
    StartTimer(TimerId::kOpenGuard);
    g_openPending = 1;
    m_sourcePath = folder;
    if (m_sourcePath.isEmpty()) {
        g_openPending = 0;
        return;
    }
    m_catalog.ClearCatalog();
    auto* video = static_cast<CVideoStatic*>(m_videoSurface);
    m_videoShownForScan = video->isHidden();
    if (m_videoShownForScan) video->show();
    video->ShowOverlay(true);
    video->SetOverlayNumber(0);
    m_scan = std::make_unique<FolderScanTask>(m_sourcePath.toStdString(), this, m_options.folderSource);
    if (!m_scanCounter) {
        m_scanCounter = new QTimer(this);
        m_scanCounter->setInterval(kScanCounterPeriodMs);
        connect(m_scanCounter, &QTimer::timeout, this, [this] {
            auto* surface = static_cast<CVideoStatic*>(m_videoSurface);
            if (m_scan && m_scan->FilesHandled() != surface->OverlayNumber())
                surface->SetOverlayNumber(m_scan->FilesHandled());
        });
    }
    m_scanCounter->start();
}

void CTarvoDlg::OnScanFinished() {
    if (!m_scan) return;
    m_scanCounter->stop();
    auto* video = static_cast<CVideoStatic*>(m_videoSurface);
    video->SetOverlayNumber(m_scan->FilesHandled());
    ScanOutcome outcome = m_scan->TakeOutcome();
    m_scan.reset();
    video->ShowOverlay(false);
    video->repaint();
    if (m_videoShownForScan) video->hide();
    m_videoShownForScan = false;
    m_catalog.AdoptScan(std::move(outcome));
    TimingMark("scan-done");
    if (m_catalog.IsEmpty()) {
        g_openPending = 0;
        return;
    }
    m_playback->RequestDelayedOpen(0, kDelayedOpenTicks);
}

void CTarvoDlg::StopScan() {
    if (!m_scan) return;
    m_scan.reset();
    if (m_scanCounter) m_scanCounter->stop();
}
