#include "playback/PlaybackController.h"

#include <algorithm>

#include "app/TimerIds.h"
#include "app/WindowMessages.h"
#include "catalogue/CRecordingCatalog.h"
#include "playback/PlaybackShared.h"
#include "playback/SpeedTable.h"
#include "playback/VlcApi.h"

namespace {
constexpr int kStopSettleMs = 200;
constexpr int kDebounceSleepMs = 100;
constexpr int kPauseAfterPlayMs = 50;
}  // namespace

PlaybackController::PlaybackController(IMediaEngine& engine, CRecordingCatalog& catalog, ITelemetrySync& telemetry,
                                       IPlaybackHost& host, IScreenSaverInhibitor& inhibitor)
    : m_engine(engine), m_catalog(catalog), m_telemetry(telemetry), m_host(host), m_inhibitor(inhibitor) {}

int PlaybackController::SliderPositionForTime(int64_t timeMs, int64_t lengthMs) {
    const int scale = g_nSliderScale.load();
    const int p = lengthMs != 0 ? int(double(timeMs) / double(lengthMs) * scale) : 0;
    return p + g_nSliderOffset.load();
}

void PlaybackController::ShowVideo() {
    if (!m_videoHidden) return;
    m_videoHidden = false;
    m_host.ShowVideoSurface(true);
}

void PlaybackController::StartMarquee() {
    UpdateSpeedOverlay();
    m_marqueeTicks = kMarqueeRepeats;
    m_host.StartTimer(TimerId::kSpeedOverlay);
}

void PlaybackController::UpdateSpeedOverlay() {
    const SpeedRow& row = SpeedTable[size_t(m_rateIndex)];
    int size = SpeedLabelSize(0);
    const int current = m_catalog.GetCurrentEntry();
    if (current >= 0) {
        const int height = m_catalog.Entries()[size_t(current)].info.height;
        if (height != 0) size = SpeedLabelSize(height);
    }
    m_engine.SetMarquee(row.label, size, row.rate != 1.0);
}

void PlaybackController::OpenEntry(int entry) {
    m_catalog.SelectEntry(entry);
    m_telemetry.LoadTelemetry(entry);
    m_currentPath = m_catalog.GetEntryPath(entry);
    m_engine.OpenFile(m_currentPath);
    m_host.FitVideoSurface();
    m_engine.Play();
}

void PlaybackController::OpenEntryAndPlay(int entry) {
    ShowVideo();
    OpenEntry(entry);
    StartMarquee();
}

void PlaybackController::OnPlay() {
    m_pendingSeekMs = 0;
    m_host.SetCurveStopped(false);
    if (m_catalog.IsEmpty()) {
        m_host.SetPlayButtonAlternate(false);
        return;
    }
    if (m_engine.IsLoaded() && m_engine.IsPlaying()) {
        m_engine.Pause();
        m_inhibitor.UnInhibit();
        return;
    }
    ShowVideo();
    m_engine.Play();
    StartMarquee();
}

void PlaybackController::OnStop() {
    m_pendingSeekMs = 0;
    m_host.SetPlayButtonAlternate(false);
    m_engine.Stop();
    m_inhibitor.UnInhibit();
    m_rateIndex = kNormalRateIndex;
    m_engine.SetRate(1.0f);
    m_host.SetPositionSliderValue(g_nSliderOffset.load());
    m_host.SetCurvePosition(0);
    m_host.SetCurveStopped(true);
    if (!m_videoHidden) {
        m_videoHidden = true;
        m_host.ShowVideoSurface(false);
    }
}

void PlaybackController::OnFast() {
    m_rateIndex = std::min(m_rateIndex + 1, kLastRateIndex);
    m_engine.SetRate(float(SpeedTable[size_t(m_rateIndex)].rate));
    UpdateSpeedOverlay();
}

void PlaybackController::OnSlow() {
    m_rateIndex = std::max(m_rateIndex - 1, 0);
    m_engine.SetRate(float(SpeedTable[size_t(m_rateIndex)].rate));
    UpdateSpeedOverlay();
}

void PlaybackController::OnLoop() { m_autoPlayNext = !m_autoPlayNext; }

void PlaybackController::OnMute(bool muted) { m_engine.SetMute(muted); }

void PlaybackController::OnVolumeMoved() { m_engine.SetVolume(2 * m_host.VolumeSliderValue()); }

// A position in the dead zone stands for the start. 0 means "no seek", so the start is asked for as 1 ms.
void PlaybackController::OnSeekMoved(bool preview) {
    const int64_t length = m_engine.GetLength();
    const int offset = g_nSliderOffset.load();
    const int scale = g_nSliderScale.load();
    const int64_t perUnit = scale > 0 ? length / scale : 0;
    const int p = std::max(0, m_host.PositionSliderValue() - offset);
    int64_t target = perUnit * p;
    if (target == 0 && perUnit > 0) target = 1;
    if (target < 0) target = 0;
    m_pendingSeekMs = target;
    if (!preview || target == 0) return;
    g_bCursorForced = true;
    m_gpsColour = m_telemetry.UpdateAtTime(target, m_gsensorEnabled, m_mapEnabled) == 1;
    m_host.SetGpsIndicatorColour(m_gpsColour.load());
}

void PlaybackController::OnSnap() {
    if (m_catalog.IsEmpty()) {
        m_host.ShowNoFiles();
        return;
    }
    const bool wasPlaying = m_engine.IsLoaded() && m_engine.IsPlaying();
    if (wasPlaying) m_engine.Pause();
    if (const std::optional<std::string> path = m_host.AskSnapshotPath(); path && !path->empty())
        m_engine.TakeSnapshot(*path);
    if (wasPlaying) m_engine.Play();
}

void PlaybackController::OnEngineError(intptr_t wParam) { m_host.ShowEngineError(wParam == 1); }

void PlaybackController::OnPlayState(intptr_t state) {
    if (state == kPlayingState) {
        m_host.SetPlayButtonAlternate(true);
        if (m_host.IsFullScreen()) m_inhibitor.Inhibit();
    } else if (state == kPausedState) {
        m_host.SetPlayButtonAlternate(false);
        m_inhibitor.UnInhibit();
    }
}

// A report posted before a drag began is stale once the user holds the slider.
void PlaybackController::OnPlayTime(int64_t timeMs, int sliderPosition) {
    if (m_pendingSeekMs.load() != 0 || m_host.PositionSliderDragging()) return;
    m_gpsColour = m_telemetry.UpdateAtTime(timeMs, m_gsensorEnabled, m_mapEnabled) == 1;
    m_host.SetGpsIndicatorColour(m_gpsColour.load());
    m_host.SetPositionSliderValue(sliderPosition);
}

// Posted by the engine thread on opening and stopping, both of which grey the indicator. Time reports
// queued before it may have coloured it again since the engine thread reset the flag, so reset it here.
void PlaybackController::OnGpsIndicatorChanged() {
    m_gpsColour = false;
    m_host.SetGpsIndicatorColour(false);
}

void PlaybackController::LoadAndShowPaused(int entry) {
    OpenEntry(entry);
    m_host.Sleep(kPauseAfterPlayMs);
    m_engine.Pause();
    m_host.SetPositionSliderValue(g_nSliderOffset.load());
}

void PlaybackController::OnEndOfMedia() {
    m_inhibitor.UnInhibit();
    if (!m_autoPlayNext) {
        m_engine.Stop();
        m_engine.Play();
        m_host.Sleep(kPauseAfterPlayMs);
        m_engine.Pause();
        m_host.SetPositionSliderValue(g_nSliderOffset.load());
        m_host.SetCurvePosition(0);
        return;
    }
    const int count = int(m_catalog.Entries().size());
    const int current = m_catalog.GetCurrentEntry();
    if (current >= 0 && current + 1 < count) {
        OpenEntryAndPlay(current + 1);
        return;
    }
    m_engine.Stop();
    if (count == 0) return;
    LoadAndShowPaused(0);
}

bool PlaybackController::AcceptOpenRequest() {
    const uint32_t now = m_host.TickCount();
    if (m_openAccepted && now - g_lastOpenTick < kOpenDebounceMs) {
        m_host.Sleep(kDebounceSleepMs);
        return false;
    }
    m_openAccepted = true;
    g_lastOpenTick = now;
    m_catalog.GetCurrentEntry();  // clamps the current entry
    return true;
}

void PlaybackController::OnOpenGroup(int group) {
    if (!AcceptOpenRequest()) return;
    if (g_openPending.load() != 0 || group == -1) return;
    m_engine.Stop();
    m_host.Sleep(kStopSettleMs);
    m_catalog.SelectGroup(group);
    const int entry = m_catalog.GetCurrentEntry();
    if (entry == -1) return;
    g_openPending = 1;
    m_host.StartTimer(TimerId::kOpenGuard);
    OpenEntryAndPlay(entry);
}

void PlaybackController::OnOpenFile(int entry) {
    if (g_openPending.load() != 0) return;
    if (!AcceptOpenRequest()) return;
    if (entry == -1) return;
    m_engine.Stop();
    m_host.Sleep(kStopSettleMs);
    if (!m_catalog.SelectEntry(entry)) return;
    g_openPending = 1;
    m_host.StartTimer(TimerId::kOpenGuard);
    OpenEntryAndPlay(entry);
}

void PlaybackController::RequestDelayedOpen(int entry, int ticks) {
    m_delayedOpenEntry = entry;
    m_delayedOpenTicks = ticks;
}

void PlaybackController::PrepareForOpen() {
    m_pendingSeekMs = 0;
    if (m_engine.IsLoaded()) m_engine.Stop();
    m_rateIndex = kNormalRateIndex;
    if (m_engine.IsLoaded()) m_engine.SetRate(1.0f);
}

void PlaybackController::StopPlayback() {
    if (m_engine.IsLoaded()) m_engine.Stop();
    m_inhibitor.UnInhibit();
    m_host.SetPlayButtonAlternate(false);
}

void PlaybackController::HideVideo() {
    if (m_videoHidden) return;
    m_videoHidden = true;
    m_host.ShowVideoSurface(false);
}

void PlaybackController::ApplyPendingSeek() {
    const int64_t target = m_pendingSeekMs.load();
    if (target == 0) return;
    m_engine.SetTime(target);
    m_telemetry.RebuildDrivenTrack(uint32_t(target));
    m_pendingSeekMs = 0;
}

bool PlaybackController::OnTimer(int id) {
    switch (id) {
    case TimerId::kFullScreenEntered:
        if (m_host.IsFullScreen() && m_engine.IsLoaded() && m_engine.IsPlaying()) m_inhibitor.Inhibit();
        return true;
    case TimerId::kSpeedOverlay:
        UpdateSpeedOverlay();
        if (m_marqueeTicks == 0)
            m_host.StopTimer(TimerId::kSpeedOverlay);
        else
            --m_marqueeTicks;
        return true;
    case TimerId::kApplySeek:
        ApplyPendingSeek();
        return true;
    case TimerId::kDelayedOpen:
        if (m_delayedOpenTicks != 0 && m_delayedOpenTicks != -1) {
            --m_delayedOpenTicks;
            if (m_delayedOpenTicks == 0 && m_delayedOpenEntry != -1) OpenEntryAndPlay(m_delayedOpenEntry);
        }
        return true;
    case TimerId::kOpenGuard:
        g_openPending = 0;
        m_host.StopTimer(TimerId::kOpenGuard);
        return true;
    case TimerId::kSliderReset:
        m_host.SetPositionSliderValue(g_nSliderOffset.load());
        return true;
    default:
        return false;
    }
}

void PlaybackController::OnFullScreenChanged(bool fullScreen) {
    if (!fullScreen) m_inhibitor.UnInhibit();
}

void PlaybackController::OnEngineEvent(int type) {
    switch (type) {
    case vlc::kMediaPlayerOpening:
        m_pendingSeekMs = 0;
        m_gpsColour = false;
        m_host.Post(kGpsIndicatorChanged, 0, 0);
        break;
    case vlc::kMediaPlayerPlaying:
        m_host.Post(WindowMessage::kPlayState, kPlayingState, 0);
        break;
    case vlc::kMediaPlayerPaused:
        m_pendingSeekMs = 0;
        m_host.Post(WindowMessage::kPlayState, kPausedState, 0);
        break;
    case vlc::kMediaPlayerStopped:
        m_gpsColour = false;
        m_host.Post(kGpsIndicatorChanged, 0, 0);
        break;
    case vlc::kMediaPlayerEndReached:
        m_host.Post(WindowMessage::kEndOfMedia, 1, 0);
        m_pendingSeekMs = 0;
        break;
    case vlc::kMediaPlayerEncounteredError:
        m_host.Post(WindowMessage::kEngineError, 1, 0);
        break;
    case vlc::kMediaPlayerTimeChanged:
        if (m_pendingSeekMs.load() == 0) {
            const int64_t time = m_engine.GetTime();
            m_host.Post(WindowMessage::kPlayTime, intptr_t(time), SliderPositionForTime(time, m_engine.GetLength()));
            g_openPending = 0;
        }
        break;
    default:
        break;
    }
}
