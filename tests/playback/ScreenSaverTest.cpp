// The screen-saver inhibition on the session bus: without a bus, and without the service, nothing.
#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QProcess>
#include <QStandardPaths>

#include "playback/ScreenSaverInhibitor.h"

TEST(ScreenSaver, WithoutASessionBusNothingHappens) {
    const QDBusConnection bus =
        QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/norvik-bus"), QStringLiteral("absent"));
    ASSERT_FALSE(bus.isConnected());
    DBusScreenSaverInhibitor inhibitor(bus);
    inhibitor.Inhibit();
    EXPECT_FALSE(inhibitor.IsInhibited());
    inhibitor.UnInhibit();
    EXPECT_FALSE(inhibitor.IsInhibited());
    QDBusConnection::disconnectFromBus(QStringLiteral("absent"));
}

TEST(ScreenSaver, ABusWithoutTheServiceLeavesItUninhibited) {
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (daemon.isEmpty()) GTEST_SKIP() << "dbus-daemon is not installed";
    QProcess bus;
    bus.start(daemon, {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address")});
    ASSERT_TRUE(bus.waitForStarted());
    ASSERT_TRUE(bus.waitForReadyRead(10000));
    const QString address = QString::fromUtf8(bus.readLine()).trimmed();
    {
        const QDBusConnection connection = QDBusConnection::connectToBus(address, QStringLiteral("private"));
        ASSERT_TRUE(connection.isConnected()) << address.toStdString();
        DBusScreenSaverInhibitor inhibitor(connection);
        inhibitor.Inhibit();
        EXPECT_FALSE(inhibitor.IsInhibited());
    }
    QDBusConnection::disconnectFromBus(QStringLiteral("private"));
    bus.kill();
    bus.waitForFinished();
}
