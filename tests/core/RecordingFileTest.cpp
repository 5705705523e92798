// Reads through the read-ahead window give exactly the file's bytes, zero-filled past the end.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "telemetry/RecordingFile.h"
#include "tests/core/TestFiles.h"

namespace {

using testfiles::ScratchDir;

std::vector<uint8_t> Pattern(size_t n) {
    std::vector<uint8_t> bytes(n);
    for (size_t i = 0; i < n; ++i) bytes[i] = static_cast<uint8_t>((i * 131 + i / 251) & 0xFF);
    return bytes;
}

// What a read of n bytes at offset must give: the file's bytes, then zeros.
std::vector<uint8_t> Expected(const std::vector<uint8_t>& file, uint64_t offset, size_t n, size_t* real) {
    std::vector<uint8_t> out(n, 0);
    *real = 0;
    for (size_t i = 0; i < n; ++i) {
        if (offset + i >= file.size()) break;
        out[i] = file[offset + i];
        ++*real;
    }
    return out;
}

struct ReadCase {
    uint64_t offset;
    size_t n;
};

class RecordingFileReads : public ::testing::TestWithParam<size_t> {};

TEST_P(RecordingFileReads, SequencesAcrossTheWindowEdgeAndTheEnd) {
    const size_t length = GetParam();
    ScratchDir dir;
    const std::vector<uint8_t> file = Pattern(length);
    const std::string path = dir.Write("f.bin", file);

    // Each sequence runs on one open file, so earlier reads leave a window that later ones must not trust
    // beyond its edge.
    const std::vector<std::vector<ReadCase>> sequences = {
        {{0, 8}, {8, 8}, {4090, 12}, {4096, 8}, {4100, 4}},
        {{100, 4096}, {4196, 1}, {50, 100}},
        {{0, 1}, {4095, 2}, {8191, 2}, {12000, 300}},
        {{length > 4 ? length - 4 : 0, 16}, {0, 4}, {length, 8}, {length + 100, 8}},
        {{5000, 8}, {10, 8}, {5004, 8}, {4999, 4097}},
        {{0, 9000}, {3, 3}, {length / 2, 64}},
        {{7, 0}, {1ull << 40, 8}, {0, 8}},
    };
    for (size_t s = 0; s < sequences.size(); ++s) {
        RecordingFile rf;
        ASSERT_TRUE(rf.Open(path));
        ASSERT_EQ(rf.GetLength(), length);
        for (const ReadCase& c : sequences[s]) {
            SCOPED_TRACE(::testing::Message() << "sequence " << s << ", " << c.n << " bytes at " << c.offset);
            size_t real = 0;
            const std::vector<uint8_t> want = Expected(file, c.offset, c.n, &real);
            std::vector<uint8_t> got(c.n, 0xEE);
            EXPECT_EQ(rf.ReadAt(c.offset, got.data(), c.n), real);
            EXPECT_EQ(got, want);

            std::vector<uint8_t> viaSeek(c.n, 0xEE);
            rf.Seek(c.offset);
            EXPECT_EQ(rf.Read(viaSeek.data(), c.n), real);
            EXPECT_EQ(viaSeek, want);
            EXPECT_EQ(rf.GetPosition(), c.offset + c.n);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Lengths, RecordingFileReads, ::testing::Values(0, 1, 100, 4095, 4096, 4097, 8200, 20000));

TEST(RecordingFile, ReopenDropsTheWindowOfTheOldFile) {
    ScratchDir dir;
    const std::string a = dir.Write("a.bin", std::vector<uint8_t>(64, 0xAA));
    const std::string b = dir.Write("b.bin", std::vector<uint8_t>(64, 0xBB));
    RecordingFile rf;
    ASSERT_TRUE(rf.Open(a));
    uint8_t byte = 0;
    rf.ReadAt(10, &byte, 1);
    ASSERT_EQ(byte, 0xAA);
    rf.Close();
    ASSERT_TRUE(rf.Open(b));
    rf.ReadAt(10, &byte, 1);
    EXPECT_EQ(byte, 0xBB);
}

}  // namespace
