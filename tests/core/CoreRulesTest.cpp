#include <gtest/gtest.h>

#include "catalogue/NameFilter.h"
#include "catalogue/ResolutionName.h"
#include "telemetry/CTarvoVideoParser.h"
#include "telemetry/TelemetrySamples.h"

TEST(NmeaToDegrees, KeepsSign) {
    EXPECT_NEAR(NmeaToDegrees(3541.1234), 35.685390, 1e-6);
    EXPECT_NEAR(NmeaToDegrees(-3541.1234), -35.685390, 1e-6);
}

TEST(NameFilter, Cases) {
    struct Case {
        const char* name;
        bool passes;
    };
    const Case cases[] = {{"FILE0001.MOV", true},      {"FILE0002.avi", true}, {"ab.MOV", false},
                          {"MOVI0001.MOV.bak", false}, {"file0001.mov", true}, {"EVGS0012_long.MOV", true},
                          {"FILE001X.MOV", false},     {"FI.E0001.MOV", false}};
    for (const Case& c : cases) EXPECT_EQ(PassesNameFilter(c.name), c.passes) << c.name;
}

TEST(MovReaderChoice, OnlyUpperCaseAviIsSkipped) {
    EXPECT_FALSE(IsExaminedByMovReader("FILE0001.AVI"));
    EXPECT_TRUE(IsExaminedByMovReader("FILE0001.avi"));
    EXPECT_TRUE(IsExaminedByMovReader("FILE0001.MOV"));
}

TEST(ResolutionName, NamedAndOther) {
    EXPECT_EQ(ResolutionName(1920, 1080), "1080P HD");
    EXPECT_EQ(ResolutionName(1920, 1088), "1920x1088");
    EXPECT_EQ(ResolutionName(0, 1080), "");
}

TEST(GpsSample, RoundTripsThroughBytes) {
    GpsSample s;
    s.latitude = 3538.4201;
    s.longitude = 13944.9422;
    s.speedKmh = -3;
    s.headingHalf = 90;
    s.fixFlags = kGpsFixValid;
    uint8_t bytes[32];
    s.ToBytes(bytes);
    const GpsSample back = GpsSample::FromBytes(bytes);
    EXPECT_EQ(back.latitude, s.latitude);
    EXPECT_EQ(back.speedKmh, -3);
    EXPECT_EQ(HeadingDegrees(back), 180);
    EXPECT_EQ(bytes[29], kGpsFixValid);
}
