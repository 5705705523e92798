// The program's only top-level window: a frameless skinned window that owns the catalogue, the
// engine binding and every control, lays them out itself and offers its own window modes.
#pragma once

#include <QBasicTimer>
#include <QPointer>
#include <QRect>
#include <QSet>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>

#include "app/MainLayout.h"
#include "app/WindowShape.h"
#include "catalogue/CRecordingCatalog.h"
#include "playback/CVlcPlayer.h"

class CGdipButton;
class CTarvoFileOpsHost;
class CTarvoPlaybackHost;
class FolderScanTask;
class IGroupListView;
class IFileListView;
class QTimer;
class ResponsiveFileSystemCalls;
namespace fileops {
class CFileOperations;
class FileSystemCalls;
}
class IScreenSaverInhibitor;
class ITelemetrySync;
class PlaybackController;
class VlcMediaEngine;
class CKeldaToolTipCtrl;
class CTarvoSettings;
class CWindowMessageEvent;
class IShellDialogs;
class QMenu;
class CVideoStaticBg;

struct ShellOptions {
    VlcEngineOptions engine;
    IShellDialogs* dialogs = nullptr;                          // null: the real dialogs
    std::function<QRect(const QRect& window)> nearestMonitor;  // null: the screen nearest to the window
    IScreenSaverInhibitor* screenSaver = nullptr;              // null: the session bus's screen saver
    ITelemetrySync* telemetry = nullptr;                       // null: the catalogue's per-time update
    const FolderSource* folderSource = nullptr;                // null: OPEN scans the real file system
    const fileops::FileSystemCalls* fileSystem = nullptr;      // null: SAVE, DEL and LOCK act on real files (copies still run beside the window)
};

class CTarvoDlg : public QWidget {
    Q_OBJECT
public:
    CTarvoDlg(CTarvoSettings& settings, ShellOptions options = {}, QWidget* parent = nullptr);
    ~CTarvoDlg() override;

    void LayoutControls(int cx, int cy);
    void FitVideoSurface();
    void ShowControls(bool show);

    // Commands of the window buttons and switches.
    void OnMaximiseRestore();
    void OnMinimise();
    void OnPreset(PresetSize preset);
    void OnMapSwitch();
    void OnGSensorSwitch();
    void ToggleFullScreen();
    void OpenAboutBox();

    // Commands on the recordings.
    void OnOpen();
    // Opens folder as OPEN does after its dialog, without remembering the folder.
    void OpenFolder(const QString& folder);
    void OnSaveAs();
    void OnDeleteFiles();
    void OnUnlockFiles();
    void OnKml();
    // A folder scan or a file operation runs: the commands on recordings and playback do nothing.
    bool IsBusy() const;
    bool IsScanning() const { return m_scan != nullptr; }
    const QString& SourcePath() const { return m_sourcePath; }

    // The control of a dialog id, or null.
    QWidget* Control(int id) const;
    CGdipButton* Button(int id) const;
    QWidget* MapWindow() const { return m_mapWindow; }
    CVlcPlayer& Engine() { return *m_engine; }
    CRecordingCatalog& Catalog() { return m_catalog; }
    CKeldaToolTipCtrl* ToolTips() const { return m_toolTips; }
    PlaybackController& Playback() { return *m_playback; }
    // The menu of the top band; empty when the About text is empty.
    std::unique_ptr<QMenu> BuildTopBandMenu();

    bool IsFullScreen() const { return m_fullScreen; }
    bool IsMaximised() const { return m_maximized; }
    bool IsMinimisedByButton() const { return m_minimizedByButton; }
    bool MapEnabled() const { return m_mapEnabled; }
    bool GSensorEnabled() const { return m_gsensorEnabled; }
    QSize ClientSize() const { return {m_clientCx, m_clientCy}; }
    QRect SavedRect() const { return m_savedRect; }
    QRect SplitMapFile() const { return m_splitMapFile; }
    QRect SplitVideoList() const { return m_splitVideoList; }
    QRect SplitColumns() const { return m_splitColumns; }
    int RightColumnWidth() const { return m_rightColumnWidth; }
    int MapHeight() const { return m_mapHeight; }
    int ListHeight() const { return m_listHeight; }
    bool IsTimerActive(int id) const;
    // The monitor the window modes use.
    QRect NearestMonitor() const;

    static constexpr int kTitleSize = 18;
    static constexpr int kTopBandHeight = 48;
    static constexpr int kGripSize = 20;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class CTarvoPlaybackHost;
    friend class CTarvoFileOpsHost;
    enum class Drag { None, Grip, MapFile, VideoList, Columns, PendingMove, Window };

    void CreateControls();
    CGdipButton* AddButton(int id, unsigned image, unsigned alternate = 0, bool toggling = false);
    QWidget* AddControl(int id, QWidget* widget);
    void ConnectCommands();
    void InitEngine();
    void AttachEngineWindow();
    void CreatePlayback();
    void ConnectPlaybackCommands();
    bool OnPlaybackMessage(const CWindowMessageEvent& message);
    void PlaceWindowAtStart();
    void ApplyRegion();
    void PlaceWindow(const QRect& rect);
    void OnWindowMessage(const CWindowMessageEvent& message);
    void OnTimer(int id);
    void StartTimer(int id);
    void StopTimer(int id);
    Drag HitTest(QPoint pos) const;
    void UpdateCursor(QPoint pos);
    void StartWindowMove();
    void ResizeByGrip(QPoint pos);
    void FinishDrag(QPoint pos);
    void ReshowMapWindow();
    bool PrepareOpen();
    void BeginOpen(const QString& folder);
    void OnScanFinished();
    void StopScan();
    void CreateFileOperations();
    void RunFileOperation(void (fileops::CFileOperations::*operation)());
    // Mouse, wheel and key input of the sliders and lists is dropped while busy.
    void FilterInputWhileBusy(QWidget* widget);

    CTarvoSettings& m_settings;
    ShellOptions m_options;
    std::unique_ptr<IShellDialogs> m_ownDialogs;
    IShellDialogs* m_dialogs;
    CRecordingCatalog m_catalog;
    std::unique_ptr<CVlcPlayer> m_engine;
    // The engine calls into the controller until it is destroyed, so the destructor releases it first.
    std::unique_ptr<VlcMediaEngine> m_mediaEngine;
    std::unique_ptr<ITelemetrySync> m_ownTelemetry;
    std::unique_ptr<IScreenSaverInhibitor> m_ownScreenSaver;
    std::unique_ptr<CTarvoPlaybackHost> m_playbackHost;
    std::unique_ptr<PlaybackController> m_playback;
    std::map<int, QWidget*> m_controls;
    CVideoStaticBg* m_videoBackground = nullptr;
    QWidget* m_videoSurface = nullptr;
    QWidget* m_mapWindow = nullptr;
    CKeldaToolTipCtrl* m_toolTips = nullptr;
    std::map<int, QBasicTimer> m_timers;
    QString m_title = QStringLiteral("Velidor");
    QString m_sourcePath;
    IGroupListView* m_groupListView = nullptr;
    IFileListView* m_fileListView = nullptr;
    std::unique_ptr<FolderScanTask> m_scan;
    QTimer* m_scanCounter = nullptr;
    bool m_videoShownForScan = false;
    std::unique_ptr<CTarvoFileOpsHost> m_fileOpsHost;
    std::unique_ptr<ResponsiveFileSystemCalls> m_copyCalls;
    std::unique_ptr<fileops::CFileOperations> m_fileOps;
    bool m_fileOperationRunning = false;
    bool m_closeAfterFileOperation = false;
    bool m_painted = false;
    QSet<QObject*> m_heldWhileBusy;
    WId m_engineWindow = 0;  // the native window the engine draws into

    int m_clientCx = 0;
    int m_clientCy = 0;
    QSize m_lastLayoutSize{0, 0};
    bool m_maximized = false;
    bool m_fullScreen = false;
    bool m_minimizedByButton = false;
    bool m_videoHidden = true;
    QRect m_savedRect;
    int m_rightColumnWidth = 240;
    int m_mapHeight = 240;
    int m_listHeight = 120;
    int m_curveHeight;
    bool m_mapEnabled = true;
    bool m_gsensorEnabled = true;
    int m_mapType = 0;
    QRect m_splitMapFile, m_splitVideoList, m_splitColumns;
    Drag m_drag = Drag::None;
    QPoint m_pressGlobal;
    QPoint m_moveOffset;
};
