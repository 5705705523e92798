#include "playback/ScreenSaverInhibitor.h"

#include <QCoreApplication>
#include <QDBusMessage>

namespace {
constexpr int kCallTimeoutMs = 2000;
}

DBusScreenSaverInhibitor::DBusScreenSaverInhibitor(const QDBusConnection& bus) : m_bus(bus) {}

DBusScreenSaverInhibitor::~DBusScreenSaverInhibitor() { UnInhibit(); }

void DBusScreenSaverInhibitor::Inhibit() {
    if (m_inhibited || !m_bus.isConnected()) return;
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Inhibit"));
    const QString application =
        QCoreApplication::applicationName().isEmpty() ? QStringLiteral("norvik") : QCoreApplication::applicationName();
    call << application << QStringLiteral("Playing a recording in full screen");
    const QDBusMessage reply = m_bus.call(call, QDBus::Block, kCallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return;
    bool ok = false;
    const uint cookie = reply.arguments().front().toUInt(&ok);
    if (!ok) return;
    m_cookie = cookie;
    m_inhibited = true;
}

void DBusScreenSaverInhibitor::UnInhibit() {
    if (!m_inhibited) return;
    m_inhibited = false;
    if (!m_bus.isConnected()) return;
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("UnInhibit"));
    call << uint(m_cookie);
    m_bus.call(call, QDBus::Block, kCallTimeoutMs);
}
