// Shows the main window at several sizes and in full screen and saves a picture of the screen for
// each; prints the time from start to the first painted window. Run under an X server:
//   norvik-shell-shots <output folder> [--no-engine]
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>

#include "app/CAboutDlg.h"
#include "app/CTarvoDlg.h"
#include "app/CTarvoSettings.h"
#include "app/WindowMessages.h"
#include "tests/shell/ShellTestSupport.h"

namespace {

class FirstPaint : public QObject {
public:
    explicit FirstPaint(const QElapsedTimer& clock) : m_clock(clock) {}
    qint64 elapsed = -1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && elapsed < 0 && static_cast<QWidget*>(watched)->isWindow())
            elapsed = m_clock.elapsed();
        return false;
    }

private:
    const QElapsedTimer& m_clock;
};

void Pump(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
}

void Save(const QString& path) {
    QApplication::primaryScreen()->grabWindow(0).save(path);
    std::printf("%s\n", qPrintable(path));
}

}  // namespace

int main(int argc, char** argv) {
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QDir().mkpath(out);
    QTemporaryDir work;
    QDir::setCurrent(work.path());

    CTarvoSettings settings(work.path());
    settings.WriteString("UI", "LANGID", "ENG");
    FakeDialogs quiet;
    ShellOptions options;
    options.dialogs = &quiet;
    if (argc > 2 && QByteArray(argv[2]) == "--no-engine") options.engine.library = kMissingEngine;
    CTarvoDlg window(settings, options);
    FirstPaint paint(clock);
    window.installEventFilter(&paint);
    window.show();
    while (paint.elapsed < 0) QApplication::processEvents(QEventLoop::AllEvents, 5);
    std::printf("start to first painted window: %lld ms (engine %s)\n", static_cast<long long>(paint.elapsed),
                window.Engine().IsLoaded() ? "loaded" : "missing");

    for (QSize size : {QSize(800, 560), QSize(1280, 800), QSize(1920, 1080)}) {
        window.setGeometry(QRect(QPoint(0, 0), size));
        Pump(700);
        Save(QStringLiteral("%1/main-%2x%3.png").arg(out).arg(size.width()).arg(size.height()));
    }

    window.setGeometry(QRect(60, 40, 1280, 800));
    ScanOutcome scan;
    scan.sourceExists = true;
    RecordingEntry entry;
    entry.fileName = "FILE0001.MOV";
    entry.info.width = 1920;
    entry.info.height = 1080;
    scan.entries.push_back(entry);
    window.Catalog().AdoptScan(std::move(scan));
    Pump(300);
    CWindowMessageEvent toggle(WindowMessage::kToggleFullScreen);
    QApplication::sendEvent(&window, &toggle);
    Pump(700);
    Save(QStringLiteral("%1/main-fullscreen.png").arg(out));
    QApplication::sendEvent(&window, &toggle);
    Pump(700);
    Save(QStringLiteral("%1/main-after-fullscreen.png").arg(out));

    CAboutDlg about(settings, &window);
    about.show();
    Pump(500);
    about.grab().save(QStringLiteral("%1/about.png").arg(out));
    return 0;
}
