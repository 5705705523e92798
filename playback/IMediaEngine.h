// What the playback controller needs of the media engine, so that tests can stand in for libVLC.
#pragma once

#include <cstdint>
#include <string>

class CVlcPlayer;

class IMediaEngine {
public:
    virtual ~IMediaEngine() = default;
    virtual bool IsLoaded() const = 0;
    virtual bool IsPlaying() const = 0;  // what the program last asked for, not the engine's report
    virtual bool IsPaused() const = 0;
    virtual int OpenFile(const std::string& path) = 0;
    virtual void Play() = 0;
    virtual void Pause() = 0;
    virtual void Stop() = 0;
    // Both may also be called from the engine's event thread.
    virtual int64_t GetLength() const = 0;
    virtual int64_t GetTime() const = 0;
    virtual void SetTime(int64_t ms) = 0;
    virtual void SetRate(float rate) = 0;
    virtual void SetVolume(int volume) = 0;
    virtual void SetMute(bool on) = 0;
    virtual int TakeSnapshot(const std::string& path) = 0;
    virtual int SetMarquee(const std::string& text, int size, bool enable) = 0;
};

// The real engine behind the interface.
class VlcMediaEngine : public IMediaEngine {
public:
    explicit VlcMediaEngine(CVlcPlayer& player) : m_player(player) {}
    bool IsLoaded() const override;
    bool IsPlaying() const override;
    bool IsPaused() const override;
    int OpenFile(const std::string& path) override;
    void Play() override;
    void Pause() override;
    void Stop() override;
    int64_t GetLength() const override;
    int64_t GetTime() const override;
    void SetTime(int64_t ms) override;
    void SetRate(float rate) override;
    void SetVolume(int volume) override;
    void SetMute(bool on) override;
    int TakeSnapshot(const std::string& path) override;
    int SetMarquee(const std::string& text, int size, bool enable) override;

private:
    CVlcPlayer& m_player;
};
