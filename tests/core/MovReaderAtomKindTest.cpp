// The MOV reader on recordings of the atom kind.
#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "tests/core/TestFiles.h"

using namespace testfiles;

namespace {

constexpr const char* kJapan = "JST-9";
constexpr int64_t kJapanOffset = 9 * 3600;

// Seconds since 1970 of a local time in JST.
int64_t Japan(int y, int mo, int d, int h, int mi, int s) {
    return UtcSeconds(y, mo, d, h, mi, s) - kJapanOffset;
}

GpsSample Undated() {
    return fixture::BlockSample(3541.1234, 13944.5678, 40, 45, true, {2000, 0, 0, 0, 0, 0});
}
GpsSample Dated(CalendarFields f) { return fixture::BlockSample(3541.1234, 13944.5678, 40, 45, true, f); }

fixture::MovDesc AtomDesc() {
    fixture::MovDesc d;
    d.kind = fixture::Kind::Atoms;
    d.width = 1920;
    d.height = 1080;
    d.timeScale = 1000;
    d.duration = 60000;
    d.gps = {Undated(), Undated(), Undated(), Undated(), Undated()};
    d.gsensor.resize(10);
    d.gpsAttr[0] = 1;
    d.gsensorAttr[0] = 10;
    d.gsensorAttr[1] = 2;
    return d;
}

TEST(AtomKindReader, AcceptsAndFillsEveryField) {
    const TimeZone zone(kJapan);
    for (const bool large : {false, true}) {
        fixture::MovDesc d = AtomDesc();
        d.largeSizes = large;
        const uint8_t gpsAttr[4] = {5, 1, 2, 3}, gsensorAttr[4] = {50, 4, 6, 7};
        std::copy(gpsAttr, gpsAttr + 4, d.gpsAttr);
        std::copy(gsensorAttr, gsensorAttr + 4, d.gsensorAttr);
        fixture::BuiltMov built;
        const std::vector<uint8_t> bytes = Build(d, &built);
        const ParseResult r = ParseBytes(bytes);
        ASSERT_EQ(r.result, 0) << large;
        EXPECT_EQ(r.info.layout, kLayoutBlocks);
        EXPECT_EQ(r.info.gpsOffset, built.gpsPayloadOffset);
        EXPECT_EQ(r.info.gpsSize, 5u * 32);
        EXPECT_EQ(r.info.gsensorOffset, built.gsensorPayloadOffset);
        EXPECT_EQ(r.info.gsensorSize, 30u);
        EXPECT_EQ(r.info.width, 1920);
        EXPECT_EQ(r.info.height, 1080);
        EXPECT_EQ(r.info.durationMs, 60000u);
        EXPECT_EQ(r.info.startTime, Japan(2014, 7, 30, 18, 5, 9));
        EXPECT_EQ(r.info.fileSize, bytes.size());
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(r.info.gpsAttr[i], gpsAttr[i]);
            EXPECT_EQ(r.info.gsensorAttr[i], gsensorAttr[i]);
        }
        EXPECT_TRUE(r.info.metaChunks.empty());
        // The payload offsets point at the records themselves.
        EXPECT_EQ(bytes[r.info.gpsOffset + 29], kGpsFixValid);
        const auto type = bytes.begin() + std::ptrdiff_t(r.info.gpsOffset) - (large ? 12 : 4);
        EXPECT_EQ(std::string(type, type + 4), "gps0");
    }
}

TEST(AtomKindReader, WithoutTelemetryBlocksTheirFieldsStayZero) {
    fixture::MovDesc d = AtomDesc();
    d.gps.clear();
    d.gsensor.clear();
    d.writeGpsa = d.writeGsea = false;
    const ParseResult r = ParseBytes(Build(d));
    ASSERT_EQ(r.result, 0);
    EXPECT_EQ(r.info.gpsOffset, 0u);
    EXPECT_EQ(r.info.gpsSize, 0u);
    EXPECT_EQ(r.info.gsensorOffset, 0u);
    EXPECT_EQ(r.info.gsensorSize, 0u);
    EXPECT_EQ(r.info.gpsAttr[0], 0);
    EXPECT_EQ(r.info.gsensorAttr[1], 0);
}

struct StartCase {
    const char* name;
    std::function<void(fixture::MovDesc&)> change;
    int64_t startTime;
};

class AtomKindStartTime : public testing::TestWithParam<StartCase> {};

TEST_P(AtomKindStartTime, FollowsTheLastDecision) {
    const TimeZone zone(kJapan);
    fixture::MovDesc d = AtomDesc();
    GetParam().change(d);
    const ParseResult r = ParseBytes(Build(d));
    ASSERT_EQ(r.result, 0);
    EXPECT_EQ(r.info.startTime, GetParam().startTime);
}

fixture::RawAtom IditAtom(const std::string& text) {
    return {"IDIT", std::vector<uint8_t>(text.begin(), text.end())};
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AtomKindStartTime,
    testing::Values(StartCase{"IditText", [](fixture::MovDesc&) {}, Japan(2014, 7, 30, 18, 5, 9)},
                    StartCase{"IditYear1899", [](fixture::MovDesc& d) { d.idit = "1899-07-30 18:05:09"; }, 0},
                    StartCase{"IditMonth13", [](fixture::MovDesc& d) { d.idit = "2014-13-30 18:05:09"; }, 0},
                    StartCase{"IditSecond60", [](fixture::MovDesc& d) { d.idit = "2014-07-30 18:05:60"; }, 0},
                    StartCase{"IditNotADate", [](fixture::MovDesc& d) { d.idit = "hello"; }, 0},
                    StartCase{"IditEmpty", [](fixture::MovDesc& d) { d.idit = ""; }, 0},
                    StartCase{
                        "IditLongText",
                        [](fixture::MovDesc& d) { d.idit = "2014-07-30 18:05:09" + std::string(200, 'x'); },
                        Japan(2014, 7, 30, 18, 5, 9)},
                    StartCase{"NoIditNoDates", [](fixture::MovDesc& d) { d.idit.reset(); }, 0},
                    StartCase{"FirstGpsRecord",
                              [](fixture::MovDesc& d) {
                                  d.idit.reset();
                                  d.gps[0] = Dated({2015, 3, 4, 5, 6, 7});
                              },
                              Japan(2015, 3, 4, 5, 6, 7)},
                    StartCase{"GpsRecordTenAtRateFive",
                              [](fixture::MovDesc& d) {
                                  d.idit.reset();
                                  d.gps.assign(12, Undated());
                                  d.gps[10] = Dated({2015, 3, 4, 5, 6, 7});
                                  d.gpsAttr[0] = 5;
                              },
                              Japan(2015, 3, 4, 5, 6, 5)},
                    // Before any "gpsa" the rate is taken as 1.
                    StartCase{"GpsRecordBeforeRateAtom",
                              [](fixture::MovDesc& d) {
                                  d.idit.reset();
                                  d.gps.assign(12, Undated());
                                  d.gps[10] = Dated({2015, 3, 4, 5, 6, 7});
                                  d.gpsAttr[0] = 5;
                                  d.gpsaAfterGps0 = true;
                              },
                              Japan(2015, 3, 4, 5, 5, 57)},
                    StartCase{"FailingRecordsAreSkipped",
                              [](fixture::MovDesc& d) {
                                  d.idit.reset();
                                  d.gps[0] = Dated({2015, 13, 4, 5, 6, 7});
                                  d.gps[1] = Dated({2015, 3, 4, 24, 6, 7});
                                  d.gps[2] = Dated({2015, 3, 0, 5, 6, 7});
                                  d.gps[3] = Dated({2015, 3, 4, 5, 6, 7});
                              },
                              Japan(2015, 3, 4, 5, 6, 4)},
                    StartCase{"ValidIditBeforeGpsWins",
                              [](fixture::MovDesc& d) {
                                  d.gps[0] = Dated({2015, 3, 4, 5, 6, 7});
                              },
                              Japan(2014, 7, 30, 18, 5, 9)},
                    StartCase{"InvalidIditBeforeGpsLetsGpsDate",
                              [](fixture::MovDesc& d) {
                                  d.idit = "2014-13-30 18:05:09";
                                  d.gps[0] = Dated({2015, 3, 4, 5, 6, 7});
                              },
                              Japan(2015, 3, 4, 5, 6, 7)},
                    StartCase{"InvalidIditAfterGpsClearsIt",
                              [](fixture::MovDesc& d) {
                                  d.idit.reset();
                                  d.gps[0] = Dated({2015, 3, 4, 5, 6, 7});
                                  d.extraBeforeMoov.push_back(IditAtom("2014-13-30 18:05:09"));
                              },
                              0},
                    StartCase{"ValidIditAfterGpsReplacesIt",
                              [](fixture::MovDesc& d) {
                                  d.idit.reset();
                                  d.gps[0] = Dated({2015, 3, 4, 5, 6, 7});
                                  d.extraBeforeMoov.push_back(IditAtom("2016-01-02 03:04:05"));
                              },
                              Japan(2016, 1, 2, 3, 4, 5)}),
    [](const auto& p) { return std::string(p.param.name); });

// Calendar fields are local time with daylight saving decided for the date itself.
TEST(AtomKindReader, IditIsLocalTimeWithDaylightSaving) {
    const TimeZone zone("CET-1CEST,M3.5.0,M10.5.0/3");
    struct Case {
        const char* text;
        int64_t utc;
    };
    const Case cases[] = {{"2014-07-30 18:05:09", UtcSeconds(2014, 7, 30, 16, 5, 9)},
                          {"2014-01-15 18:05:09", UtcSeconds(2014, 1, 15, 17, 5, 9)},
                          {"2014-03-30 03:30:00", UtcSeconds(2014, 3, 30, 1, 30, 0)}};
    for (const Case& c : cases) {
        fixture::MovDesc d = AtomDesc();
        d.idit = c.text;
        const ParseResult r = ParseBytes(Build(d));
        ASSERT_EQ(r.result, 0) << c.text;
        EXPECT_EQ(r.info.startTime, c.utc) << c.text;
    }
}

struct RejectCase {
    const char* name;
    std::function<void(fixture::MovDesc&)> change;
};

class AtomKindRejected : public testing::TestWithParam<RejectCase> {};

TEST_P(AtomKindRejected, LeavesTheScalarsAsTheCallerFilledThem) {
    fixture::MovDesc d = AtomDesc();
    GetParam().change(d);
    const VideoInfo start = SentinelInfo();
    const ParseResult r = ParseBytes(Build(d), start);
    EXPECT_EQ(r.result, -1);
    EXPECT_TRUE(SameScalars(r.info, start));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AtomKindRejected,
    testing::Values(RejectCase{"SkipEndsInOne", [](fixture::MovDesc& d) { d.skipLastByte = 1; }},
                    RejectCase{"SkipEmpty", [](fixture::MovDesc& d) { d.skipPayload = 0; }},
                    RejectCase{"NoSkip", [](fixture::MovDesc& d) { d.writeSkip = false; }},
                    RejectCase{"LaterSkipEndsInOne",
                               [](fixture::MovDesc& d) {
                                   d.extraAtEnd.push_back({"skip", {0, 0, 7}});
                               }},
                    RejectCase{"NoMarkerAtom",
                               [](fixture::MovDesc& d) {
                                   d.writeSkip = false;
                                   d.idit.reset();
                               }},
                    RejectCase{"FtypNotFirst", [](fixture::MovDesc& d) { d.ftypFirst = false; }},
                    RejectCase{"Hevc", [](fixture::MovDesc& d) { d.hevc = true; }},
                    RejectCase{"StsdCountZero", [](fixture::MovDesc& d) { d.stsdEntryCount = 0; }},
                    RejectCase{"TimeScaleZero", [](fixture::MovDesc& d) { d.timeScale = 0; }},
                    RejectCase{"DurationZero", [](fixture::MovDesc& d) { d.duration = 0; }},
                    RejectCase{"ZeroPictureHeight", [](fixture::MovDesc& d) { d.height = 0; }}),
    [](const auto& p) { return std::string(p.param.name); });

// The last "skip" decides, so a bad one followed by a good one is accepted.
TEST(AtomKindReader, LaterSkipEndingInZeroAccepts) {
    fixture::MovDesc d = AtomDesc();
    d.skipLastByte = 9;
    d.extraAtEnd.push_back({"skip", {4, 0}});
    EXPECT_EQ(ParseBytes(Build(d)).result, 0);
}

// The walk resumes right after the last whole record, not at the end of the atom: with a 100-byte
// "gps0" it reads a header at offset 96, whose size is here made to pass over the "gsen" atom.
TEST(AtomKindReader, WalkResumesAfterTheLastWholeGpsRecord) {
    fixture::MovDesc d = AtomDesc();
    d.gps.resize(3);
    d.gsensor.resize(2);  // "gsen" atom of 8 + 6 bytes
    d.gpsExtraBytes = {0, 0, 0, 4 + 14};
    fixture::BuiltMov built;
    const std::vector<uint8_t> bytes = Build(d, &built);
    const ParseResult r = ParseBytes(bytes);
    ASSERT_EQ(r.result, 0);
    EXPECT_EQ(r.info.gpsSize, 100u);
    EXPECT_EQ(r.info.gsensorSize, 0u);
    EXPECT_EQ(r.info.gsensorOffset, 0u);

    // With the size bytes pointing nowhere useful the "gsen" atom is found as usual after a whole block.
    d.gpsExtraBytes.clear();
    const ParseResult whole = ParseBytes(Build(d));
    ASSERT_EQ(whole.result, 0);
    EXPECT_EQ(whole.info.gsensorSize, 6u);
}

// "gpsa" and "gsea" payloads shorter than four bytes give what is there, zeros for the rest.
TEST(AtomKindReader, ShortAttributeAtoms) {
    fixture::MovDesc d = AtomDesc();
    d.writeGpsa = d.writeGsea = false;
    d.extraBeforeMoov = {{"gpsa", {3}}, {"gsea", {20, 4}}};
    const ParseResult r = ParseBytes(Build(d));
    ASSERT_EQ(r.result, 0);
    EXPECT_EQ(r.info.gpsAttr[0], 3);
    EXPECT_EQ(r.info.gpsAttr[1], 0);
    EXPECT_EQ(r.info.gsensorAttr[0], 20);
    EXPECT_EQ(r.info.gsensorAttr[1], 4);
    EXPECT_EQ(r.info.gsensorAttr[2], 0);
}

// The children of moov are walked like top-level atoms, so a "skip" among them counts.
TEST(AtomKindReader, MoovChildrenAreWalkedAsTopLevelAtoms) {
    fixture::MovDesc d = AtomDesc();
    d.writeSkip = false;
    fixture::BuiltMov built;
    std::vector<uint8_t> bytes = Build(d, &built);
    ASSERT_EQ(ParseBytes(bytes).result, -1);
    const fixture::AtomSpan& moov = built.topLevel.back();
    ASSERT_EQ(moov.type, "moov");
    ASSERT_EQ(moov.offset + moov.size, bytes.size());
    const std::vector<uint8_t> skip = Atom("skip", {5, 0});
    bytes.insert(bytes.end(), skip.begin(), skip.end());
    const uint32_t size = uint32_t(moov.size + skip.size());
    for (int i = 0; i < 4; ++i) bytes[moov.offset + size_t(i)] = uint8_t(size >> (24 - 8 * i));
    const ParseResult r = ParseBytes(bytes);
    ASSERT_EQ(r.result, 0);
    EXPECT_EQ(r.info.width, 1920);
    EXPECT_EQ(r.info.durationMs, 60000u);
}

}  // namespace
