#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>
#include <ctime>

int main(int argc, char** argv) {
    // Time texts are checked against UTC.
    setenv("TZ", "UTC", 1);
    tzset();
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
