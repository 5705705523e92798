// Layout, visibility and the window modes of the main window.
#include "app/CTarvoDlg.h"

#include "app/CTarvoSettings.h"
#include "app/ControlIds.h"
#include "app/TimerIds.h"
#include "controls/CGdipButton.h"
#include "controls/CVideoStaticBg.h"

using namespace ControlId;

namespace {
void Move(QWidget* widget, const QRect& rect) {
    if (!widget) return;
    widget->setGeometry(rect);
    widget->update();
}
}  // namespace

void CTarvoDlg::LayoutControls(int cx, int cy) {
    if (m_fullScreen) {
        Move(m_videoBackground, QRect(NearestMonitor().topLeft() - geometry().topLeft(), NearestMonitor().size()));
        FitVideoSurface();
        return;
    }
    LayoutInput in;
    in.client = QSize(cx, cy);
    in.rightColumnWidth = m_rightColumnWidth;
    in.mapHeight = m_mapHeight;
    in.listHeight = m_listHeight;
    in.mapEnabled = m_mapEnabled;
    in.gsensorEnabled = m_gsensorEnabled;
    in.gsensorHeight = m_curveHeight;
    const MainLayout l = ComputeMainLayout(in);

    Move(Control(kClose), l.close);
    Move(Control(kMaximise), l.maximise);
    Move(Control(kMinimise), l.minimise);
    Move(Control(kHelp), l.help);
    Move(Control(kLarge), l.large);
    Move(Control(kMedium), l.medium);
    Move(Control(kSmall), l.small);
    if (m_mapWindow) Move(m_mapWindow, l.mapWindow);
    Move(Control(kFileList), l.fileList);
    m_splitMapFile = l.splitMapFile;
    m_splitColumns = l.splitColumns;
    Move(m_videoBackground, l.videoBackground);
    FitVideoSurface();
    Move(Control(kStatusBoard), l.statusBoard);
    Move(Control(kPositionSlider), l.positionSlider);
    // A switched-off curve keeps its height, so that it comes back as it was.
    if (m_gsensorEnabled) Move(Control(kGSensorCurve), l.gsensorCurve);
    Move(Control(kGroupList), l.groupList);
    m_splitVideoList = l.splitVideoList;
    Move(Control(kOpen), l.open);
    Move(Control(kSnap), l.snap);
    Move(Control(kSave), l.save);
    Move(Control(kDelete), l.del);
    Move(Control(kNext), l.next);
    Move(Control(kStop), l.stop);
    Move(Control(kPlay), l.play);
    Move(Control(kFast), l.fast);
    Move(Control(kMute), l.mute);
    Move(Control(kVolumeSlider), l.volumeSlider);
    const int switches[] = {kLoop, kKml, kMapSwitch, kGSensorSwitch, kLock};
    for (int k = 0; k < 5; ++k) Move(Control(switches[k]), l.switches[k]);
}

void CTarvoDlg::FitVideoSurface() {
    std::optional<QSize> picture;
    int w = 0;
    int h = 0;
    if (m_catalog.GetCurrentPictureSize(w, h)) picture = QSize(w, h);
    const QSize edge = m_videoBackground->HasClientEdge() ? QSize(kSystemEdge, kSystemEdge) : QSize(0, 0);
    Move(m_videoSurface, FitVideoRect(m_videoBackground->geometry(), m_fullScreen, edge, picture));
}

void CTarvoDlg::ShowControls(bool show) {
    static constexpr int kAround[] = {kPlay, kStop, kNext, kFast, kDelete, kSave, kSnap, kOpen, kLoop, kFlip,
                                      kKml, kMapSwitch, kGSensorSwitch, kLock, kPositionSlider, kVolumeSlider,
                                      kGps, kClose, kMaximise, kMinimise, kHelp, kMute, kLogo, kGroupList,
                                      kFileList, kSpeed, kSmall, kMedium, kLarge};
    Control(kGSensorCurve)->setVisible(show && m_gsensorEnabled);
    for (int id : kAround) Control(id)->setVisible(show);
    Control(kStatusBoard)->hide();
    if (!m_mapWindow) return;
    if (m_mapEnabled && show) {
        m_mapWindow->show();
    } else {
        m_mapWindow->setGeometry(0, 0, 1, 1);
    }
}

void CTarvoDlg::PlaceWindow(const QRect& rect) {
    setGeometry(rect);
    show();
    raise();
}

void CTarvoDlg::ToggleFullScreen() {
    if (m_catalog.IsEmpty()) return;
    const bool loaded = m_engine->IsLoaded();
    const bool wasPaused = loaded && m_engine->IsPaused();
    if (!wasPaused && loaded) m_engine->Pause();
    if (!m_fullScreen) {
        m_savedRect = QRect(geometry().topLeft(), QSize(m_clientCx, m_clientCy));
        const QRect monitor = NearestMonitor();
        m_fullScreen = true;
        m_maximized = false;
        ShowControls(false);
        m_videoBackground->SetClientEdge(false);
        PlaceWindow(FullScreenRect(monitor, QSize(m_clientCx, m_clientCy)));
        LayoutControls(m_clientCx, m_clientCy);
        Control(kPlay)->setFocus();
        StartTimer(TimerId::kFullScreenEntered);
        m_videoSurface->update();
    } else {
        m_fullScreen = false;
        m_videoBackground->SetClientEdge(true);
        ShowControls(true);
        PlaceWindow(m_savedRect);
        LayoutControls(m_clientCx, m_clientCy);
    }
    ApplyRegion();
    update();
    if (!wasPaused && loaded) m_engine->Play();
}

void CTarvoDlg::OnMaximiseRestore() {
    if (m_maximized) {
        PlaceWindow(m_savedRect);
        m_maximized = false;
    } else {
        m_savedRect = QRect(geometry().topLeft(), QSize(m_clientCx, m_clientCy));
        PlaceWindow(NearestMonitor());
        m_maximized = true;
    }
    ReshowMapWindow();
}

void CTarvoDlg::ReshowMapWindow() {
    if (!m_mapEnabled || !m_mapWindow) return;
    m_mapWindow->hide();
    m_mapWindow->show();
}

void CTarvoDlg::OnMinimise() {
    showMinimized();
    m_minimizedByButton = true;
}

void CTarvoDlg::OnPreset(PresetSize preset) {
    setGeometry(PresetRect(preset, NearestMonitor()));
    m_maximized = false;
}

void CTarvoDlg::OnMapSwitch() {
    if (m_fullScreen) return;
    m_mapEnabled = !m_mapEnabled;
    LayoutControls(m_clientCx, m_clientCy);
    if (m_mapWindow) {
        m_mapWindow->setVisible(m_mapEnabled);
        m_mapWindow->setEnabled(m_mapEnabled);
    }
    m_settings.WriteMapEnabled(m_mapEnabled);
}

void CTarvoDlg::OnGSensorSwitch() {
    m_gsensorEnabled = !m_gsensorEnabled;
    Control(kGSensorCurve)->setVisible(m_gsensorEnabled && !m_fullScreen);
    LayoutControls(m_clientCx, m_clientCy);
    m_settings.WriteGSensorEnabled(m_gsensorEnabled);
}
