// The page tests run in one QApplication: every start of the browser engine costs seconds.
#include <gtest/gtest.h>

#include <QApplication>

#include "WebHarness.h"
#include "map/CCefClientApp.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
    CCefClientApp::PrepareProcess();
    QApplication app(argc, argv);
    const int rc = RUN_ALL_TESTS();
    maptest::WebHarness::Shutdown();
    return rc;
}
