// Every input kept in the fuzz corpus, replayed through the same checks the fuzzers make.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "fuzz/FuzzChecks.h"
#include "telemetry/CTarvo3gpParser.h"

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> CorpusFiles() {
    std::vector<fs::path> files;
    for (const auto& e : fs::recursive_directory_iterator(NORVIK_FUZZ_CORPUS))
        if (e.is_regular_file()) files.push_back(e.path());
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<uint8_t> Load(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(FuzzCorpus, EveryInputPassesBothChecks) {
    const auto files = CorpusFiles();
    ASSERT_GE(files.size(), 5u);
    for (const fs::path& p : files) {
        const std::vector<uint8_t> bytes = Load(p);
        EXPECT_EQ(CheckMovReader(p, bytes.data(), bytes.size()), "") << p;
        EXPECT_EQ(CheckMetaChunks(p, bytes.data(), bytes.size()), "") << p;
    }
}

// The seeds are recordings: the replay really reaches the track readers of both kinds.
TEST(FuzzCorpus, SeedsAreAcceptedRecordingsOfBothKinds) {
    int meta = 0, blocks = 0;
    for (const fs::path& p : CorpusFiles()) {
        if (!p.filename().string().starts_with("seed-")) continue;
        CTarvo3gpParser parser;
        VideoInfo info;
        parser.SetVideoInfo(&info);
        ASSERT_EQ(parser.Parse(p), 0) << p;
        EXPECT_EQ(info.fileSize, fs::file_size(p)) << p;
        if (info.layout == kLayoutMetaTrack) {
            ++meta;
            // A meta track before the video track yields no chunks.
            const bool metaFirst = p.filename().string().find("track-first") != std::string::npos;
            EXPECT_EQ(info.metaChunks.empty(), metaFirst) << p;
        } else {
            ++blocks;
            EXPECT_NE(info.gpsSize, 0u) << p;
        }
    }
    EXPECT_GE(meta, 2);
    EXPECT_GE(blocks, 2);
}

// Both fuzzers' corpora are replayed: each has its folder, and neither is empty.
TEST(FuzzCorpus, BothFuzzersCorporaAreReplayed) {
    for (const char* folder : {"reader", "chunks"}) {
        size_t count = 0;
        for (const fs::path& p : CorpusFiles())
            if (p.parent_path().filename() == folder) ++count;
        EXPECT_GE(count, 5u) << folder;
    }
}

}  // namespace
