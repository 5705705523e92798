// The window's rounded shape and the rectangles of the presets and of full screen.
#include <gtest/gtest.h>

#include "app/WindowShape.h"
#include "tests/shell/ShellTestSupport.h"

namespace {

TEST(WindowRegion, TopLeftCornerIsRoundedWithRadius30AndTheOthersWith5) {
    const QRegion region = MainWindowRegion({800, 560}, false);
    struct Probe {
        QPoint point;
        bool inside;
    } probes[] = {
        {{400, 0}, true},   {{400, 559}, true}, {{0, 280}, true},    {{799, 280}, true},
        {{0, 0}, false},    {{3, 3}, false},    {{6, 10}, false},    {{7, 10}, true},
        {{0, 29}, true},    {{24, 0}, false},  {{25, 0}, true},   {{797, 0}, false},   {{796, 0}, true},
        {{799, 3}, true},   {{799, 559}, false}, {{799, 555}, true}, {{0, 559}, false},
        {{0, 554}, true},   {{800, 280}, false},
    };
    for (const Probe& p : probes)
        EXPECT_EQ(region.contains(p.point), p.inside) << p.point.x() << ", " << p.point.y();
}

TEST(WindowRegion, FullScreenIsThePlainRectangle) {
    EXPECT_EQ(MainWindowRegion({1600, 999}, true), QRegion(0, 0, 1600, 999));
    EXPECT_NE(MainWindowRegion({1600, 999}, false), QRegion(0, 0, 1600, 999));
}

TEST(WindowRegion, SmallerThanTheCornersStaysInsideTheWindow) {
    const QRegion region = MainWindowRegion({20, 8}, false);
    EXPECT_TRUE(QRegion(0, 0, 20, 8).contains(region.boundingRect()));
    EXPECT_TRUE(MainWindowRegion({0, 0}, false).isEmpty());
}

TEST(Presets, SizesAndPlacesOnTheMonitor) {
    struct Case {
        PresetSize preset;
        QRect monitor;
        QRect expected;
    } cases[] = {
        {PresetSize::Small, {100, 50, 1600, 1000}, {500, 270, 800, 560}},
        {PresetSize::Medium, {100, 50, 1600, 1000}, {300, 175, 1280, 800}},
        {PresetSize::Large, {100, 50, 1600, 1000}, {100, 50, 1600, 1000}},
        {PresetSize::Small, {0, 0, 900, 600}, {50, 20, 800, 560}},
        {PresetSize::Medium, {0, 0, 900, 600}, {112, 75, 800, 560}},
        {PresetSize::Small, {1920, -200, 1280, 1024}, {2160, 32, 800, 560}},
    };
    for (const Case& c : cases) EXPECT_EQ(PresetRect(c.preset, c.monitor), c.expected) << int(c.preset);
}

TEST(FullScreen, TakesTheMonitorAndOneLineLessWhenAnExtentMatches) {
    const QRect monitor(100, 50, 1600, 1000);
    EXPECT_EQ(FullScreenRect(monitor, {800, 560}), monitor);
    EXPECT_EQ(FullScreenRect(monitor, {1600, 700}), QRect(100, 50, 1600, 999));
    EXPECT_EQ(FullScreenRect(monitor, {900, 1000}), QRect(100, 50, 1600, 999));
}

}  // namespace
