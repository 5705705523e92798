// The map window tests share one QApplication: every start of the browser engine costs seconds.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "map/CCefClientApp.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
    // Profiles on disk go to a scratch home, never the user's.
    QTemporaryDir home;
    qputenv("XDG_CACHE_HOME", (home.path() + "/cache").toUtf8());
    qputenv("XDG_DATA_HOME", (home.path() + "/data").toUtf8());
    CCefClientApp::PrepareProcess();
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
