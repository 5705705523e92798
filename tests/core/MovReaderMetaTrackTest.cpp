// The MOV reader on recordings of the meta-track kind.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "telemetry/CTarvo3gpParser.h"
#include "tests/core/TestFiles.h"

using namespace testfiles;

namespace {

// 2014-07-30 09:05:09 UTC, stored as the movie's creation time.
const int64_t kCreated = UtcSeconds(2014, 7, 30, 9, 5, 9);

fixture::MovDesc MetaDesc() {
    fixture::MovDesc d;
    d.kind = fixture::Kind::MetaTrack;
    d.width = 1280;
    d.height = 720;
    d.timeScale = 600;
    d.duration = 600 * 61;  // 61 000 ms
    d.creationTime1904 = fixture::To1904(kCreated);
    d.chunks.resize(3);
    return d;
}

struct AcceptCase {
    const char* name;
    std::function<void(fixture::MovDesc&)> change;
    uint16_t width, height;
    uint32_t durationMs;
    bool chunksListed;
};

class MetaTrackAccepted : public testing::TestWithParam<AcceptCase> {};

TEST_P(MetaTrackAccepted, FillsEveryField) {
    const TimeZone zone("CET-1CEST,M3.5.0,M10.5.0/3");
    fixture::MovDesc d = MetaDesc();
    GetParam().change(d);
    fixture::BuiltMov built;
    const std::vector<uint8_t> bytes = Build(d, &built);
    const ParseResult r = ParseBytes(bytes);
    ASSERT_EQ(r.result, 0);
    EXPECT_EQ(r.info.layout, kLayoutMetaTrack);
    EXPECT_EQ(r.info.width, GetParam().width);
    EXPECT_EQ(r.info.height, GetParam().height);
    EXPECT_EQ(r.info.durationMs, GetParam().durationMs);
    EXPECT_EQ(r.info.startTime, kCreated);
    EXPECT_EQ(r.info.fileSize, bytes.size());
    EXPECT_EQ(r.info.gpsOffset, 0u);
    EXPECT_EQ(r.info.gpsSize, 0u);
    EXPECT_EQ(r.info.gsensorOffset, 0u);
    EXPECT_EQ(r.info.gsensorSize, 0u);
    const uint8_t gpsAttr[4] = {5, 0, 0, 0}, gsensorAttr[4] = {5, 8, 2, 1};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(r.info.gpsAttr[i], gpsAttr[i]) << i;
        EXPECT_EQ(r.info.gsensorAttr[i], gsensorAttr[i]) << i;
    }
    if (!GetParam().chunksListed) {
        EXPECT_TRUE(r.info.metaChunks.empty());
        return;
    }
    ASSERT_EQ(r.info.metaChunks.size(), d.chunks.size());
    for (size_t i = 0; i < d.chunks.size(); ++i) {
        EXPECT_EQ(r.info.metaChunks[i].index, int32_t(i));
        EXPECT_EQ(r.info.metaChunks[i].offset, built.chunkOffsets[i]);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MetaTrackAccepted,
    testing::Values(
        AcceptCase{"FreeMarker", [](fixture::MovDesc&) {}, 1280, 720, 61000, true},
        AcceptCase{"ThumbnailMarker", [](fixture::MovDesc& d) { d.marker = "thm "; }, 1280, 720, 61000, true},
        AcceptCase{"Hevc", [](fixture::MovDesc& d) { d.hevc = true; }, 1280, 720, 61000, true},
        AcceptCase{"LargeSizes", [](fixture::MovDesc& d) { d.largeSizes = true; }, 1280, 720, 61000, true},
        AcceptCase{"NoSoundTrack", [](fixture::MovDesc& d) { d.audioTrak = false; }, 1280, 720, 61000, true},
        AcceptCase{"NoChunks", [](fixture::MovDesc& d) { d.chunks.clear(); }, 1280, 720, 61000, true},
        AcceptCase{"DurationNeeds64BitProduct",
                   [](fixture::MovDesc& d) {
                       d.timeScale = 90000;
                       d.duration = 0xFFFFFFFFu;
                   },
                   1280, 720, uint32_t(0xFFFFFFFFull * 1000 / 90000), true},
        AcceptCase{"OddPictureSize",
                   [](fixture::MovDesc& d) {
                       d.width = 1;
                       d.height = 65535;
                   },
                   1, 65535, 61000, true},
        // The picture size comes from the first track; here that is the meta track with a picture entry.
        AcceptCase{"MetaTrackBeforeVideoListsNoChunks",
                   [](fixture::MovDesc& d) {
                       d.metaTrackFirst = true;
                       d.metaSampleEntry = "avc1";
                   },
                   1280, 720, 61000, false}),
    [](const auto& p) { return std::string(p.param.name); });

struct RejectCase {
    const char* name;
    std::function<void(fixture::MovDesc&)> change;
};

class MetaTrackRejected : public testing::TestWithParam<RejectCase> {};

TEST_P(MetaTrackRejected, LeavesTheScalarsAsTheCallerFilledThem) {
    fixture::MovDesc d = MetaDesc();
    GetParam().change(d);
    const VideoInfo start = SentinelInfo();
    const ParseResult r = ParseBytes(Build(d), start);
    EXPECT_EQ(r.result, -1);
    EXPECT_TRUE(SameScalars(r.info, start));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MetaTrackRejected,
    testing::Values(
        RejectCase{"NoMarkerAtom", [](fixture::MovDesc& d) { d.marker = ""; }},
        RejectCase{"FtypNotFirst", [](fixture::MovDesc& d) { d.ftypFirst = false; }},
        RejectCase{"VideoHandlerWithoutMark", [](fixture::MovDesc& d) { d.videoHandlerName = "XTD_Video"; }},
        RejectCase{"LowerCaseMark", [](fixture::MovDesc& d) { d.videoHandlerName = "jtd_Video"; }},
        RejectCase{"HandlerTooShortForMark", [](fixture::MovDesc& d) { d.videoHandlerName = "JTD"; }},
        RejectCase{"StsdCountZero", [](fixture::MovDesc& d) { d.stsdEntryCount = 0; }},
        RejectCase{"TimeScaleZero", [](fixture::MovDesc& d) { d.timeScale = 0; }},
        RejectCase{"DurationZero", [](fixture::MovDesc& d) { d.duration = 0; }},
        RejectCase{"DurationBelowOneMs",
                   [](fixture::MovDesc& d) {
                       d.timeScale = 2000;
                       d.duration = 1;
                   }},
        RejectCase{"ZeroPictureWidth", [](fixture::MovDesc& d) { d.width = 0; }},
        RejectCase{"MetaTrackFirstWithoutPicture", [](fixture::MovDesc& d) { d.metaTrackFirst = true; }}),
    [](const auto& p) { return std::string(p.param.name); });

// Returns the file with its moov atom wrapped in an atom of an unknown type.
std::vector<uint8_t> WrapMoov(const std::vector<uint8_t>& bytes, const fixture::BuiltMov& built) {
    const fixture::AtomSpan* moov = nullptr;
    for (const auto& a : built.topLevel)
        if (a.type == "moov") moov = &a;
    if (!moov || moov->offset + moov->size != bytes.size()) return {};
    std::vector<uint8_t> out(bytes.begin(), bytes.begin() + std::ptrdiff_t(moov->offset));
    const std::vector<uint8_t> wrapped =
        Atom("wrap", std::vector<uint8_t>(bytes.begin() + std::ptrdiff_t(moov->offset), bytes.end()));
    out.insert(out.end(), wrapped.begin(), wrapped.end());
    return out;
}

// Only the header of an unknown top-level atom is passed over: a moov inside it is still found.
TEST(MetaTrackReader, WalksIntoUnknownTopLevelAtoms) {
    fixture::BuiltMov built;
    const std::vector<uint8_t> bytes = Build(MetaDesc(), &built);
    const std::vector<uint8_t> wrapped = WrapMoov(bytes, built);
    ASSERT_EQ(wrapped.size(), bytes.size() + 8);
    const ParseResult r = ParseBytes(wrapped);
    ASSERT_EQ(r.result, 0);
    EXPECT_EQ(r.info.width, 1280);
    EXPECT_EQ(r.info.metaChunks.size(), 3u);
}

// The atom kind passes over unknown atoms whole, so the same wrapping hides the moov.
TEST(AtomKindReader, SkipsUnknownTopLevelAtomsWhole) {
    fixture::MovDesc d;
    fixture::BuiltMov built;
    const std::vector<uint8_t> bytes = Build(d, &built);
    ASSERT_EQ(ParseBytes(bytes).result, 0);
    const std::vector<uint8_t> wrapped = WrapMoov(bytes, built);
    ASSERT_EQ(wrapped.size(), bytes.size() + 8);
    EXPECT_EQ(ParseBytes(wrapped).result, -1);
}

// A handler payload of 28 bytes cannot carry the mark, even when the byte after it completes "JTD_".
// The picture size here comes from the meta track (first), so only the mark decides.
TEST(MetaTrackReader, ShortHandlerFollowedByUnderscore) {
    fixture::MovDesc d = MetaDesc();
    d.metaTrackFirst = true;
    d.metaSampleEntry = "avc1";
    d.videoHandlerName = "JTD";
    std::vector<uint8_t> bytes = Build(d);
    const std::string needle = "mhlrvide";
    const auto at = std::search(bytes.begin(), bytes.end(), needle.begin(), needle.end());
    ASSERT_NE(at, bytes.end());
    const size_t payload = size_t(at - bytes.begin()) - 4;
    ASSERT_EQ(bytes[payload - 5], 8 + 28);  // low byte of the atom size
    ASSERT_EQ(bytes[payload + 28], 0);      // high byte of the next atom's size
    bytes[payload + 28] = '_';
    EXPECT_EQ(ParseBytes(bytes).result, -1);
    d.videoHandlerName = "JTD_";
    EXPECT_EQ(ParseBytes(Build(d)).result, 0);
}

// Only the low 32 bits of a 64-bit atom size count: high bits set in every such size change nothing.
TEST(MovReader, SixtyFourBitSizesUseTheirLow32Bits) {
    for (const fixture::Kind kind : {fixture::Kind::MetaTrack, fixture::Kind::Atoms}) {
        fixture::MovDesc d = MetaDesc();
        d.kind = kind;
        d.largeSizes = true;
        fixture::BuiltMov built;
        std::vector<uint8_t> bytes = Build(d, &built);
        const ParseResult plain = ParseBytes(bytes);
        ASSERT_EQ(plain.result, 0);
        for (const auto& a : built.topLevel) {
            ASSERT_EQ(bytes[a.offset + 3], 1) << a.type;  // the 64-bit form
            bytes[a.offset + 11] = 0x01;                  // + 2^32
            bytes[a.offset + 8] = 0x80;                   // + 2^63
        }
        const ParseResult r = ParseBytes(bytes);
        ASSERT_EQ(r.result, 0);
        EXPECT_EQ(r.info.width, plain.info.width);
        EXPECT_EQ(r.info.durationMs, plain.info.durationMs);
        EXPECT_EQ(r.info.gpsOffset, plain.info.gpsOffset);
        EXPECT_EQ(r.info.metaChunks.size(), plain.info.metaChunks.size());
    }
}

// Version-1 movie headers (64-bit times) are not read: at the version-0 offsets they show a time scale
// of 0 (the high word of the modification time), so the file is rejected rather than misread.
TEST(MetaTrackReader, VersionOneMovieHeaderIsRejected) {
    fixture::BuiltMov built;
    std::vector<uint8_t> bytes = Build(MetaDesc(), &built);
    const fixture::AtomSpan& moov = built.topLevel.back();
    ASSERT_EQ(moov.type, "moov");
    const std::string needle = "mvhd";
    const auto at =
        std::search(bytes.begin() + std::ptrdiff_t(moov.offset), bytes.end(), needle.begin(), needle.end());
    ASSERT_NE(at, bytes.end());
    const size_t p = size_t(at - bytes.begin()) + 4;  // payload
    const std::vector<uint8_t> v0(bytes.begin() + std::ptrdiff_t(p), bytes.begin() + std::ptrdiff_t(p) + 20);
    std::vector<uint8_t> v1 = {1, 0, 0, 0};
    for (const size_t field : {4u, 8u}) {  // creation, modification as 64-bit
        v1.insert(v1.end(), 4, 0);
        v1.insert(v1.end(), v0.begin() + std::ptrdiff_t(field), v0.begin() + std::ptrdiff_t(field) + 4);
    }
    v1.insert(v1.end(), v0.begin() + 12, v0.begin() + 16);  // time scale
    v1.insert(v1.end(), 4, 0);
    v1.insert(v1.end(), v0.begin() + 16, v0.begin() + 20);  // duration as 64-bit
    std::vector<uint8_t> out(bytes.begin(), bytes.begin() + std::ptrdiff_t(p));
    out.insert(out.end(), v1.begin(), v1.end());
    out.insert(out.end(), bytes.begin() + std::ptrdiff_t(p) + 20, bytes.end());
    auto grow = [&out](size_t sizeAt) {
        uint32_t size = 0;
        for (int i = 0; i < 4; ++i) size = (size << 8) | out[sizeAt + size_t(i)];
        size += 12;
        for (int i = 0; i < 4; ++i) out[sizeAt + size_t(i)] = uint8_t(size >> (24 - 8 * i));
    };
    grow(p - 8);
    grow(moov.offset);
    const VideoInfo start = SentinelInfo();
    const ParseResult r = ParseBytes(out, start);
    EXPECT_EQ(r.result, -1);
    EXPECT_TRUE(SameScalars(r.info, start));
    // The rest of the rebuilt file is sound: a non-zero word where version 0 keeps the time scale is
    // enough to have it accepted.
    out[p + 14] = 0x02;
    out[p + 15] = 0x58;
    EXPECT_EQ(ParseBytes(out).result, 0);
}

TEST(MetaTrackReader, CreationTimeIsTheSameInstantInAnyZone) {
    for (const char* tz : {"UTC0", "JST-9", "CET-1CEST,M3.5.0,M10.5.0/3", "EST5EDT,M3.2.0,M11.1.0"}) {
        const TimeZone zone(tz);
        for (const int64_t t :
             {kCreated, UtcSeconds(2015, 1, 10, 23, 59, 59), UtcSeconds(2030, 6, 1, 0, 0, 0)}) {
            fixture::MovDesc d = MetaDesc();
            d.creationTime1904 = fixture::To1904(t);
            const ParseResult r = ParseBytes(Build(d));
            ASSERT_EQ(r.result, 0) << tz;
            EXPECT_EQ(r.info.startTime, t) << tz;
        }
    }
}

// A reader without a target parses but writes nothing, not even the chunk list.
TEST(MetaTrackReader, WithoutTargetWritesNothing) {
    testfiles::ScratchDir dir;
    const std::string path = dir.Write("FILE0001.MOV", Build(MetaDesc()));
    CTarvo3gpParser reader;
    EXPECT_EQ(reader.Parse(path), 0);
    VideoInfo info;
    reader.SetVideoInfo(&info);
    EXPECT_EQ(reader.Parse(path), 0);
    EXPECT_EQ(info.metaChunks.size(), 3u);
}

// A reader is cleared at every Parse: the picture size of an accepted file does not carry over.
TEST(MetaTrackReader, EveryParseStartsCleared) {
    testfiles::ScratchDir dir;
    fixture::MovDesc bad = MetaDesc();
    bad.stsdEntryCount = 0;
    const std::string good = dir.Write("FILE0001.MOV", Build(MetaDesc()));
    const std::string rejected = dir.Write("FILE0002.MOV", Build(bad));
    CTarvo3gpParser reader;
    VideoInfo info;
    reader.SetVideoInfo(&info);
    EXPECT_EQ(reader.Parse(good), 0);
    EXPECT_EQ(reader.Parse(rejected), -1);
}

TEST(MetaTrackReader, MissingFileIsRejected) {
    const ParseResult r = ParseFile("/nonexistent/FILE0001.MOV", SentinelInfo());
    EXPECT_EQ(r.result, -1);
    EXPECT_TRUE(SameScalars(r.info, SentinelInfo()));
}

}  // namespace
