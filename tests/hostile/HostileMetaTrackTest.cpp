// Meta tracks with huge chunk tables, false entry counts, and atom sizes that would make the searches
// walk the file over and over.
#include <gtest/gtest.h>

#include "telemetry/ByteOrder.h"
#include "telemetry/TelemetryTrack.h"
#include "tests/core/TestFiles.h"
#include "tests/hostile/MovEdit.h"

using namespace testfiles;

namespace {

fixture::MovDesc MetaWithChunks(size_t count) {
    fixture::MovDesc d;
    d.kind = fixture::Kind::MetaTrack;
    d.mdatPayload = 16;
    d.chunks.resize(count);
    for (auto& c : d.chunks) c.x = 7, c.latNum = 513000, c.latDen = 100, c.speedNum = 10, c.speedDen = 1;
    return d;
}

TEST(HostileMetaTrack, MillionChunkEntriesInAFewMegabytes) {
    fixture::BuiltMov built;
    std::vector<uint8_t> bytes = Build(MetaWithChunks(1), &built);
    ASSERT_EQ(built.chunkOffsets.size(), 1u);
    constexpr uint32_t kCount = 1000000;
    movedit::FillChunkTable(bytes, kCount, uint32_t(built.chunkOffsets[0]));
    ScratchDir dir;
    const std::string path = dir.Write("FILE0001.MOV", bytes);
    const ParseResult r = ParseFile(path);
    ASSERT_EQ(r.result, 0);
    ASSERT_EQ(r.info.metaChunks.size(), kCount);
    EXPECT_EQ(r.info.metaChunks.back().index, int32_t(kCount - 1));
    EXPECT_EQ(r.info.metaChunks.back().offset, built.chunkOffsets[0]);
    TelemetryTrack track;
    ASSERT_TRUE(ReadTelemetryTrack(path, r.info, track));
    ASSERT_EQ(track.gps.size(), kCount);
    ASSERT_EQ(track.gsensor.size(), kCount);
    EXPECT_EQ(track.gps.back().speedKmh, 14);  // 10 knots
    EXPECT_EQ(track.gsensor.back().x, 7);
}

// The entry count says more than the table holds: only the entries present become chunks, so a tiny
// file cannot make the reader allocate for billions of them.
TEST(HostileMetaTrack, EntryCountBeyondTheTableIsCut) {
    struct Case {
        uint32_t count;
        size_t chunks;
    };
    const Case cases[] = {{0, 0}, {1, 1}, {2, 2}, {3, 2}, {1000000, 2}, {0xFFFFFFFF, 2}};
    fixture::BuiltMov built;
    const std::vector<uint8_t> good = Build(MetaWithChunks(2), &built);
    for (const Case& c : cases) {
        std::vector<uint8_t> bytes = good;
        movedit::SetChunkCount(bytes, c.count);
        const ParseResult r = ParseBytes(bytes);
        ASSERT_EQ(r.result, 0) << c.count;
        ASSERT_EQ(r.info.metaChunks.size(), c.chunks) << c.count;
        for (size_t i = 0; i < c.chunks; ++i) EXPECT_EQ(r.info.metaChunks[i].offset, built.chunkOffsets[i]);
    }
}

// The table's own size wraps to 4 GiB and its count is the largest there is: the entries are then cut
// by the end of the file, never more than 4 bytes of file each.
TEST(HostileMetaTrack, WrappedTableSizeIsCutByTheFile) {
    for (const uint32_t tableSize : {0u, 4u, 0xFFFFFFFFu}) {
        std::vector<uint8_t> bytes = Build(MetaWithChunks(2));
        const uint64_t stco = movedit::LastChunkTablePath(bytes).back();
        StoreBe32(bytes.data() + stco, tableSize);
        movedit::SetChunkCount(bytes, 0xFFFFFFFF);
        const ParseResult r = ParseBytes(bytes);
        EXPECT_LE(r.info.metaChunks.size(), (bytes.size() - stco) / 4) << tableSize;
    }
}

std::vector<uint8_t> Header(uint32_t size, const char* type) {
    std::vector<uint8_t> out;
    AppendBe32(out, size);
    out.insert(out.end(), type, type + 4);
    return out;
}

// Thousands of movie atoms, each holding a track whose media atom's size wraps to 4 GiB. A search that
// followed that size past its track would walk all the movie atoms after it, for each of them: a hang
// for a file of a megabyte. Both kinds are rejected (no picture size) after a walk proportional to the
// file.
TEST(HostileMetaTrack, WrappedSizesInsideManyMoviesDoNotMultiplyTheWalk) {
    for (const char* marker : {"free", "skip"}) {
        std::vector<uint8_t> bytes = Atom("ftyp", {'q', 't', ' ', ' ', 0, 0, 2, 0});
        const auto mark = Atom(marker, {0});
        bytes.insert(bytes.end(), mark.begin(), mark.end());
        std::vector<uint8_t> unit = Header(24, "moov");
        for (const auto& part : {Header(16, "trak"), Header(0, "mdia")})
            unit.insert(unit.end(), part.begin(), part.end());
        for (int i = 0; i < 65536; ++i) bytes.insert(bytes.end(), unit.begin(), unit.end());
        const ParseResult r = ParseBytes(bytes);
        EXPECT_EQ(r.result, -1) << marker;
    }
}

}  // namespace
