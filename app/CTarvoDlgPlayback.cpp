// The main window's playback side: the controller, its commands, messages and timers.
#include <QCoreApplication>
#include <QFileInfo>
#include <QThread>
#include <chrono>

#include "app/CTarvoDlg.h"
#include "app/CTarvoPlaybackHost.h"
#include "app/CTarvoSettings.h"
#include "app/ControlIds.h"
#include "app/Languages.h"
#include "app/ShellDialogs.h"
#include "app/StartupTiming.h"
#include "app/TextIds.h"
#include "app/WindowMessages.h"
#include "controls/CGdipButton.h"
#include "controls/CMySliderControl.h"
#include "controls/CPngStatic.h"
#include "controls/CVideoSlider.h"
#include "playback/CatalogueTelemetrySync.h"
#include "playback/EngineEvents.h"
#include "playback/PlaybackController.h"
#include "playback/PlaybackViews.h"
#include "playback/ScreenSaverInhibitor.h"

using namespace ControlId;

void CTarvoPlaybackHost::ShowVideoSurface(bool show) { m_window.m_videoSurface->setVisible(show); }

void CTarvoPlaybackHost::FitVideoSurface() { m_window.FitVideoSurface(); }

void CTarvoPlaybackHost::SetPlayButtonAlternate(bool alternate) {
    CGdipButton* play = m_window.Button(kPlay);
    if (!play) return;
    play->ShowAlternate(alternate);
    play->setEnabled(true);
    play->update();
}

int CTarvoPlaybackHost::PositionSliderValue() const {
    const auto* slider = qobject_cast<const QAbstractSlider*>(m_window.Control(kPositionSlider));
    return slider ? slider->value() : 0;
}

void CTarvoPlaybackHost::SetPositionSliderValue(int position) {
    if (auto* slider = qobject_cast<QAbstractSlider*>(m_window.Control(kPositionSlider))) {
        slider->setValue(position);
        slider->update();
    }
}

bool CTarvoPlaybackHost::PositionSliderDragging() const {
    const auto* slider = qobject_cast<const CVideoSlider*>(m_window.Control(kPositionSlider));
    return slider && slider->IsDragging();
}

int CTarvoPlaybackHost::VolumeSliderValue() const {
    const auto* slider = qobject_cast<const QAbstractSlider*>(m_window.Control(kVolumeSlider));
    return slider ? slider->value() : 0;
}

void CTarvoPlaybackHost::SetGpsIndicatorColour(bool colour) {
    QWidget* gps = m_window.Control(kGps);
    if (auto* view = dynamic_cast<IGpsIndicatorView*>(gps))
        view->SetColour(colour);
    else if (auto* image = qobject_cast<CPngStatic*>(gps))
        image->SetColour(colour);
}

void CTarvoPlaybackHost::SetCurvePosition(uint32_t positionMs) {
    if (auto* curve = dynamic_cast<IGSensorCurveView*>(m_window.Control(kGSensorCurve))) curve->SetPosition(positionMs);
}

void CTarvoPlaybackHost::SetCurveStopped(bool stopped) {
    if (auto* curve = dynamic_cast<ICurveStoppedView*>(m_window.Control(kGSensorCurve))) curve->SetStopped(stopped);
}

bool CTarvoPlaybackHost::IsFullScreen() const { return m_window.m_fullScreen; }
void CTarvoPlaybackHost::StartTimer(int id) { m_window.StartTimer(id); }
void CTarvoPlaybackHost::StopTimer(int id) { m_window.StopTimer(id); }

QString CTarvoPlaybackHost::ProgramName() {
    const QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return name.isEmpty() ? QStringLiteral("norvik") : name;
}

void CTarvoPlaybackHost::ShowEngineError(bool withText) {
    m_window.m_dialogs->ShowMessage(&m_window, ProgramName(), withText ? LoadSystemText(TextId::kEngineError) : QString());
}

void CTarvoPlaybackHost::ShowNoFiles() {
    m_window.m_dialogs->ShowMessage(&m_window, m_window.m_settings.LoadText(TextId::kOkCaption),
                                    m_window.m_settings.LoadText(TextId::kNoFiles));
}

std::optional<std::string> CTarvoPlaybackHost::AskSnapshotPath() {
    const std::optional<QString> path = m_window.m_dialogs->PickSaveFile(
        &m_window, QStringLiteral("JPG"), QStringLiteral("Jpeg File(*.jpg);;Png File(*.png)"));
    if (!path || path->isEmpty()) return std::nullopt;
    return path->toStdString();
}

void CTarvoPlaybackHost::Sleep(int ms) { QThread::msleep(static_cast<unsigned long>(ms)); }

uint32_t CTarvoPlaybackHost::TickCount() const {
    using namespace std::chrono;
    return static_cast<uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void CTarvoPlaybackHost::Post(int code, intptr_t wParam, intptr_t lParam) {
    QCoreApplication::postEvent(&m_window, new CWindowMessageEvent(code, wParam, lParam));
}

void CTarvoDlg::CreatePlayback() {
    m_mediaEngine = std::make_unique<VlcMediaEngine>(*m_engine);
    ITelemetrySync* telemetry = m_options.telemetry;
    if (!telemetry) {
        auto own = std::make_unique<CatalogueTelemetrySync>(m_catalog);
        own->Attach(dynamic_cast<IGSensorFeedView*>(Control(kGSensorCurve)), dynamic_cast<IMapView*>(m_mapWindow),
                    dynamic_cast<ISpeedReadoutView*>(Control(kSpeed)));
        telemetry = own.get();
        m_ownTelemetry = std::move(own);
    }
    IScreenSaverInhibitor* screenSaver = m_options.screenSaver;
    if (!screenSaver) screenSaver = (m_ownScreenSaver = std::make_unique<DBusScreenSaverInhibitor>()).get();
    m_playbackHost = std::make_unique<CTarvoPlaybackHost>(*this);
    m_playback = std::make_unique<PlaybackController>(*m_mediaEngine, m_catalog, *telemetry, *m_playbackHost, *screenSaver);
    m_playback->SetTelemetryEnabled(m_gsensorEnabled, m_mapEnabled);
    if (m_engine->IsLoaded()) m_engine->AttachEvents(EngineEventCallback, m_playback.get());
}

void CTarvoDlg::ConnectPlaybackCommands() {
    const auto on = [this](int id, auto handler) {
        connect(Button(id), &QAbstractButton::clicked, this, [this, handler] {
            if (!IsBusy()) handler();
        });
    };
    on(kPlay, [this] { m_playback->OnPlay(); });
    on(kStop, [this] { m_playback->OnStop(); });
    on(kFast, [this] { m_playback->OnFast(); });
    on(kNext, [this] { m_playback->OnSlow(); });
    on(kLoop, [this] { m_playback->OnLoop(); });
    on(kMute, [this] { m_playback->OnMute(Button(kMute)->IsAlternate()); });
    on(kSnap, [this] { m_playback->OnSnap(); });
}

bool CTarvoDlg::OnPlaybackMessage(const CWindowMessageEvent& message) {
    const intptr_t w = message.WParam();
    switch (message.Code()) {
    case WindowMessage::kOpenGroup:
    case WindowMessage::kOpenFile:
    case WindowMessage::kVolumeMoved:
    case WindowMessage::kSeekMoved:
        if (IsBusy()) return true;
        break;
    default:
        break;
    }
    switch (message.Code()) {
    case WindowMessage::kEngineError:
        m_playback->OnEngineError(w);
        return true;
    case WindowMessage::kPlayState:
        m_playback->OnPlayState(w);
        return true;
    case WindowMessage::kPlayTime:
        TimingMark("first-picture");
        m_playback->OnPlayTime(static_cast<int64_t>(w), static_cast<int>(message.LParam()));
        return true;
    case WindowMessage::kEndOfMedia:
        m_playback->OnEndOfMedia();
        return true;
    case WindowMessage::kOpenGroup:
        m_playback->OnOpenGroup(static_cast<int>(w));
        return true;
    case WindowMessage::kOpenFile:
        m_playback->OnOpenFile(static_cast<int>(w));
        return true;
    case WindowMessage::kVolumeMoved:
        m_playback->OnVolumeMoved();
        return true;
    case WindowMessage::kSeekMoved:
        m_playback->OnSeekMoved(true);
        return true;
    case PlaybackController::kGpsIndicatorChanged:
        m_playback->OnGpsIndicatorChanged();
        return true;
    default:
        return false;
    }
}
