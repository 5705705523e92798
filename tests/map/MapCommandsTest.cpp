#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "CommaLocale.h"
#include "map/core/MapCommands.h"
#include "telemetry/TelemetrySamples.h"

namespace {

struct CommandCase {
    const char* label;
    std::function<std::string()> form;
    const char* expected;
};

const CommandCase kCases[] = {
    {"movpos has a blank after the comma", [] { return MovposCommand(35.640335, 139.749037); },
     "movpos(35.640335, 139.749037)"},
    {"southern and western values", [] { return MovposCommand(-33.8688, -151.2093); }, "movpos(-33.868800, -151.209300)"},
    {"six decimals, rounded", [] { return MovposCommand(1.23456789, 0.0000004); }, "movpos(1.234568, 0.000000)"},
    {"path_plot without blank", [] { return PathPlotCommand(35.640335, 139.749037); },
     "path_plot(35.640335,139.749037)"},
    {"pathdrived_plot without blank", [] { return PathDrivedPlotCommand(-35.640335, 139.749037); },
     "pathdrived_plot(-35.640335,139.749037)"},
    {"path_delete", [] { return PathDeleteCommand(); }, "path_delete()"},
    {"pathdrived_delete", [] { return PathDrivedDeleteCommand(); }, "pathdrived_delete()"},
    {"block values converted", [] { return PositionCommand(35.384201, 139.449422, false); },
     "movpos(35.640335, 139.749037)"},
    {"negative block latitude", [] { return PositionCommand(-35.384201, 139.449422, false); },
     "movpos(-35.640335, 139.749037)"},
    {"degrees sent unchanged", [] { return PositionCommand(35.384201, 139.449422, true); },
     "movpos(35.384201, 139.449422)"},
    {"whole numbers", [] { return PathPlotCommand(0.5, -180.0); }, "path_plot(0.500000,-180.000000)"},
};

void ExpectAllCases() {
    for (const auto& c : kCases) EXPECT_EQ(c.form(), c.expected) << c.label;
}

TEST(MapCommands, TextsInTheCLocale) { ExpectAllCases(); }

TEST(MapCommands, TextsUnchangedUnderACommaDecimalLocale) {
    std::string why;
    if (!maptest::UseCommaDecimalLocale(why)) GTEST_SKIP() << why;
    ExpectAllCases();
    maptest::UseClassicLocale();
}

TEST(MapCommands, BlockConversionMatchesNmeaRule) {
    for (double raw : {3538.4201, -3538.4201, 13944.9422, 0.0, 5959.9999, -0.5, 19999.99}) {
        EXPECT_DOUBLE_EQ(BlockCoordinateToDegrees(raw / 100.0), NmeaToDegrees(raw)) << raw;
    }
    EXPECT_NEAR(BlockCoordinateToDegrees(35.384201), 35.640335, 5e-7);
    EXPECT_NEAR(BlockCoordinateToDegrees(-35.384201), -35.640335, 5e-7);
}

TEST(MapCommands, PageUrlsByMapType) {
    EXPECT_STREQ(MapPageUrl(kMapGoogle), "file:///res/gmap_ja.html");
    EXPECT_STREQ(MapPageUrl(kMapChina), "file:///res/BMap.html");
    EXPECT_STREQ(MapPageUrl(7), "file:///res/gmap_ja.html");
}

}  // namespace
