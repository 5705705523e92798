// Velidor: a player for dash camera recordings.
#include <QApplication>
#include <QDir>
#include <QStringList>
#include <QTimer>

#include "app/CTarvoDlg.h"
#include "app/CTarvoSettings.h"
#include "map/CCefClientApp.h"

namespace {
// The engine draws into an X11 window, so a Wayland session runs the program through XWayland.
void PreferX11() {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return;
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qgetenv("XDG_SESSION_TYPE") == "wayland")
        qputenv("QT_QPA_PLATFORM", "xcb");
}

// The map's web view joins the window after the window exists; on X11 a window made for composited
// drawing from the start takes it without losing the skin's painting.
void ComposeWindowsFromTheStart() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if ((platform.isEmpty() || platform.startsWith("xcb")) && qEnvironmentVariableIsEmpty("QT_WIDGETS_RHI"))
        qputenv("QT_WIDGETS_RHI", "1");
}
}  // namespace

int main(int argc, char** argv) {
    PreferX11();
    ComposeWindowsFromTheStart();
    CCefClientApp::PrepareProcess();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("norvik"));
    QApplication::setApplicationDisplayName(QStringLiteral("Velidor"));
    QApplication::setDesktopFileName(QStringLiteral("norvik"));

    CTarvoDlg window(CTarvoSettings::Instance());
    window.show();
    // A folder named on the command line opens as if chosen with OPEN, once the window is up.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) {
        const QString folder = QDir(arguments.at(1)).absolutePath();
        QTimer::singleShot(0, &window, [&window, folder] { window.OpenFolder(folder); });
    }
    return app.exec();
}
