// SAVE, DEL, LOCK and KML: the commands that act on the listed recordings' files.
#include <QTimer>

#include "app/CTarvoDlg.h"
#include "app/CTarvoFileOpsHost.h"
#include "app/CTarvoSettings.h"
#include "app/KmlFolder.h"
#include "app/Languages.h"
#include "app/ShellDialogs.h"
#include "app/TextIds.h"
#include "catalogue/CatalogueViews.h"
#include "map/core/KmlWriter.h"
#include "telemetry/TelemetryTrack.h"

void CTarvoDlg::CreateFileOperations() {
    m_fileOpsHost = std::make_unique<CTarvoFileOpsHost>(*this);
    m_copyCalls = std::make_unique<ResponsiveFileSystemCalls>(m_options.fileSystem);
    m_fileOps = std::make_unique<fileops::CFileOperations>(m_catalog, m_groupListView, m_fileListView, *m_fileOpsHost,
                                                           m_copyCalls.get());
}

void CTarvoDlg::RunFileOperation(void (fileops::CFileOperations::*operation)()) {
    if (IsBusy()) return;
    m_fileOperationRunning = true;
    (m_fileOps.get()->*operation)();
    m_fileOperationRunning = false;
    if (m_closeAfterFileOperation) {
        m_closeAfterFileOperation = false;
        QTimer::singleShot(0, this, [this] { close(); });
    }
}

void CTarvoDlg::OnSaveAs() { RunFileOperation(&fileops::CFileOperations::OnSaveAs); }
void CTarvoDlg::OnDeleteFiles() { RunFileOperation(&fileops::CFileOperations::OnDeleteFiles); }
void CTarvoDlg::OnUnlockFiles() { RunFileOperation(&fileops::CFileOperations::OnUnlockFiles); }

void CTarvoDlg::OnKml() {
    if (IsBusy()) return;
    const auto box = [this](int textId, int captionId, const QString& path) {
        QString text = m_settings.LoadText(textId);
        if (!path.isEmpty()) text = FormatText(text, {path});
        m_dialogs->AskMessage(this, m_settings.LoadText(captionId), text, false, false);
    };
    if (m_catalog.IsEmpty()) return box(TextId::kNoFiles, TextId::kOkCaption, {});
    QString folder;
    GetKmlFolder(folder);
    // Before the first recording is opened, the first one listed is exported.
    int entry = m_catalog.GetCurrentEntry();
    if (entry < 0) entry = 0;
    const RecordingEntry& recording = m_catalog.Entries()[size_t(entry)];
    TelemetryTrack track;
    ReadTelemetryTrack(recording.Path(), recording.info, track);  // a recording without a track gives an empty one
    std::string path;
    const bool ok = ExportKml(folder.toStdString(), recording, track.gps, path);
    box(ok ? TextId::kKmlSaved : TextId::kKmlFailed, TextId::kKmlCaption, QString::fromStdString(path));
}
