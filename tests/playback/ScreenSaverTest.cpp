// The screen-saver inhibition on the session bus: without a bus, and without the service, nothing.
#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QProcess>
#include <QStandardPaths>

#include <QThread>
#include <atomic>

#include "playback/ScreenSaverInhibitor.h"

// The desktop's screen saver service, answering on its own thread.
class FakeScreenSaverService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")
public:
    std::atomic<int> inhibits{0};
    std::atomic<uint> released{0};
    QString application;

public slots:
    uint Inhibit(const QString& app, const QString& reason) {
        application = app;
        (void)reason;
        ++inhibits;
        return 4242;
    }
    void UnInhibit(uint cookie) { released = cookie; }
};

namespace {
// A private message bus for one test.
class PrivateBus {
public:
    PrivateBus() {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (daemon.isEmpty()) return;
        m_process.start(daemon, {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address")});
        if (!m_process.waitForStarted() || !m_process.waitForReadyRead(10000)) return;
        address = QString::fromUtf8(m_process.readLine()).trimmed();
    }
    ~PrivateBus() {
        m_process.kill();
        m_process.waitForFinished();
    }
    QString address;

private:
    QProcess m_process;
};
}  // namespace

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
    PrivateBus bus;
    if (bus.address.isEmpty()) GTEST_SKIP() << "dbus-daemon is not available";
    const QString& address = bus.address;
    {
        const QDBusConnection connection = QDBusConnection::connectToBus(address, QStringLiteral("private"));
        ASSERT_TRUE(connection.isConnected()) << address.toStdString();
        DBusScreenSaverInhibitor inhibitor(connection);
        inhibitor.Inhibit();
        EXPECT_FALSE(inhibitor.IsInhibited());
    }
    QDBusConnection::disconnectFromBus(QStringLiteral("private"));
}

TEST(ScreenSaver, InhibitsOnceAndReleasesItsCookie) {
    PrivateBus bus;
    if (bus.address.isEmpty()) GTEST_SKIP() << "dbus-daemon is not available";
    QThread serviceThread;
    FakeScreenSaverService service;
    service.moveToThread(&serviceThread);
    serviceThread.start();
    {
        QDBusConnection serviceBus = QDBusConnection::connectToBus(bus.address, QStringLiteral("service"));
        ASSERT_TRUE(serviceBus.registerService(QString::fromLatin1(DBusScreenSaverInhibitor::kService)));
        ASSERT_TRUE(serviceBus.registerObject(QString::fromLatin1(DBusScreenSaverInhibitor::kPath), &service,
                                              QDBusConnection::ExportAllSlots));
        const QDBusConnection client = QDBusConnection::connectToBus(bus.address, QStringLiteral("client"));
        {
            DBusScreenSaverInhibitor inhibitor(client);
            inhibitor.Inhibit();
            inhibitor.Inhibit();
            EXPECT_TRUE(inhibitor.IsInhibited());
            EXPECT_EQ(service.inhibits.load(), 1);
            inhibitor.UnInhibit();
            EXPECT_FALSE(inhibitor.IsInhibited());
            EXPECT_EQ(service.released.load(), 4242u);
            service.released = 0;
            inhibitor.Inhibit();
        }  // destruction releases it
        EXPECT_EQ(service.released.load(), 4242u);
        EXPECT_EQ(service.inhibits.load(), 2);
    }
    QDBusConnection::disconnectFromBus(QStringLiteral("client"));
    QDBusConnection::disconnectFromBus(QStringLiteral("service"));
    serviceThread.quit();
    serviceThread.wait();
}

#include "ScreenSaverTest.moc"
