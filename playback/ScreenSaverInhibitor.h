// Keeps the desktop's screen saver away through org.freedesktop.ScreenSaver on the session bus.
// Without a session bus, or without the service, nothing happens.
#pragma once

#include <QDBusConnection>
#include <QString>
#include <cstdint>

#include "playback/PlaybackHost.h"

class DBusScreenSaverInhibitor : public IScreenSaverInhibitor {
public:
    explicit DBusScreenSaverInhibitor(const QDBusConnection& bus = QDBusConnection::sessionBus());
    ~DBusScreenSaverInhibitor() override;
    DBusScreenSaverInhibitor(const DBusScreenSaverInhibitor&) = delete;
    DBusScreenSaverInhibitor& operator=(const DBusScreenSaverInhibitor&) = delete;

    void Inhibit() override;
    void UnInhibit() override;
    bool IsInhibited() const override { return m_inhibited; }

    static constexpr const char* kService = "org.freedesktop.ScreenSaver";
    static constexpr const char* kPath = "/org/freedesktop/ScreenSaver";
    static constexpr const char* kInterface = "org.freedesktop.ScreenSaver";

private:
    QDBusConnection m_bus;
    bool m_inhibited = false;
    uint32_t m_cookie = 0;
};
