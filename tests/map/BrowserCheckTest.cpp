#include <gtest/gtest.h>

#include "map/core/BrowserCheck.h"

namespace {

TEST(BrowserCheck, MajorVersionFromText) {
    const struct {
        const char* text;
        int major;
    } cases[] = {
        {"11.0.9600.17843", 11}, {"9.0.8112.16421", 9}, {"8.0.7601.17514", 8}, {"10.0", 10},
        {"11", 0},               {"", 0},               {".5", 0},             {"x11.0", 0},
        {"12abc.0", 12},         {"99999999999.0", 2147483647},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseMajorVersion(c.text), c.major) << c.text;
}

TEST(BrowserCheck, EmulationValueTable) {
    const struct {
        int major;
        int value;
    } cases[] = {{11, 11001}, {10, 10001}, {9, 9999}, {12, 9999}, {20, 9999}, {8, 0}, {0, 0}, {-3, 0}};
    for (const auto& c : cases) EXPECT_EQ(EmulationValueForVersion(c.major), c.value) << c.major;
}

TEST(BrowserCheck, VersionTextsEndToEnd) {
    EXPECT_EQ(EmulationValueForVersion(ParseMajorVersion("11.0.9600.17843")), 11001);
    EXPECT_EQ(EmulationValueForVersion(ParseMajorVersion("9.0.8112.16421")), 9999);
    EXPECT_EQ(EmulationValueForVersion(ParseMajorVersion("8.0.7601.17514")), 0);
    EXPECT_EQ(EmulationValueForVersion(ParseMajorVersion("11")), 0);
}

TEST(BrowserCheck, SkippedOnLinux) { EXPECT_FALSE(BrowserCheckApplies()); }

}  // namespace
