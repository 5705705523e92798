#include "playback/CVlcPlayer.h"
#include "playback/IMediaEngine.h"

bool VlcMediaEngine::IsLoaded() const { return m_player.IsLoaded() != 0; }
bool VlcMediaEngine::IsPlaying() const { return m_player.IsPlaying() != 0; }
bool VlcMediaEngine::IsPaused() const { return m_player.IsPaused() != 0; }
int VlcMediaEngine::OpenFile(const std::string& path) { return m_player.OpenFile(path); }
void VlcMediaEngine::Play() { m_player.Play(); }
void VlcMediaEngine::Pause() { m_player.Pause(); }
void VlcMediaEngine::Stop() { m_player.Stop(); }
int64_t VlcMediaEngine::GetLength() const { return m_player.GetLength(); }
int64_t VlcMediaEngine::GetTime() const { return m_player.GetTime(); }
void VlcMediaEngine::SetTime(int64_t ms) { m_player.SetTime(ms); }
void VlcMediaEngine::SetRate(float rate) { m_player.SetRate(rate); }
void VlcMediaEngine::SetVolume(int volume) { m_player.SetVolume(volume); }
void VlcMediaEngine::SetMute(bool on) { m_player.SetMute(on); }
int VlcMediaEngine::TakeSnapshot(const std::string& path) { return m_player.TakeSnapshot(path); }
int VlcMediaEngine::SetMarquee(const std::string& text, int size, bool enable) {
    return m_player.SetMarquee(text, size, enable);
}
