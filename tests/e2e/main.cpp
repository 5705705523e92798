// The program as a user starts it: its own home and working directory, the browser process prepared
// before the application object exists.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <QApplication>
#include <filesystem>
#include <string>

#include "map/CCefClientApp.h"

namespace {
std::string FreshFolder(const char* tag) {
    std::string pattern = (std::filesystem::temp_directory_path() / (std::string("norvik-e2e-") + tag + "-XXXXXX")).string();
    if (!mkdtemp(pattern.data())) return {};
    return pattern;
}
}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
    // Without a display the test skips itself; the real engine and browser need X.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::string home = FreshFolder("home");
    const std::string work = FreshFolder("work");
    if (home.empty() || work.empty() || chdir(work.c_str()) != 0) return 2;
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home + "/.config").c_str(), 1);
    setenv("XDG_CACHE_HOME", (home + "/.cache").c_str(), 1);
    setenv("XDG_DATA_HOME", (home + "/.local/share").c_str(), 1);
    unsetenv("XDG_DOCUMENTS_DIR");
    setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 1);
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform.startsWith("xcb")) setenv("QT_WIDGETS_RHI", "1", 0);
    CCefClientApp::PrepareProcess();
    int rc = 0;
    {
        QApplication app(argc, argv);
        QApplication::setApplicationName(QStringLiteral("norvik"));
        rc = RUN_ALL_TESTS();
    }
    std::error_code ignored;
    std::filesystem::remove_all(home, ignored);
    std::filesystem::remove_all(work, ignored);
    return rc;
}
