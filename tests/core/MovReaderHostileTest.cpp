// Files that must be rejected, or read, without hanging or crashing the reader.
#include <gtest/gtest.h>

#include "tests/core/TestFiles.h"

using namespace testfiles;

namespace {

std::vector<uint8_t> Ftyp() { return Atom("ftyp", {'q', 't', ' ', ' ', 0, 0, 2, 0}); }

std::vector<uint8_t> Concat(std::initializer_list<std::vector<uint8_t>> parts) {
    std::vector<uint8_t> out;
    for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

// An atom header with a raw 32-bit size and no payload of its own.
std::vector<uint8_t> Header(uint32_t size, const char* type) {
    std::vector<uint8_t> out;
    AppendBe32(out, size);
    out.insert(out.end(), type, type + 4);
    return out;
}

void ExpectRejectedUntouched(const std::vector<uint8_t>& bytes, const std::string& what) {
    const VideoInfo start = SentinelInfo();
    const ParseResult r = ParseBytes(bytes, start);
    EXPECT_EQ(r.result, -1) << what;
    EXPECT_TRUE(SameScalars(r.info, start)) << what;
}

TEST(HostileFiles, TinyAndGarbageFilesAreRejected) {
    ExpectRejectedUntouched({}, "empty");
    ExpectRejectedUntouched({0}, "one byte");
    ExpectRejectedUntouched({0, 0, 0, 8, 'f', 't', 'y'}, "seven bytes");
    ExpectRejectedUntouched(Ftyp(), "ftyp alone");
    uint32_t seed = 12345;
    for (int file = 0; file < 20; ++file) {
        std::vector<uint8_t> garbage(size_t(64 + file * 97));
        for (uint8_t& b : garbage) {
            seed = seed * 1103515245u + 12345u;
            b = uint8_t(seed >> 16);
        }
        ExpectRejectedUntouched(garbage, "garbage " + std::to_string(file));
        // Garbage behind a valid start and a marker of either kind.
        ExpectRejectedUntouched(Concat({Ftyp(), Atom("free", {}), garbage}),
                                "meta garbage " + std::to_string(file));
        ExpectRejectedUntouched(Concat({Ftyp(), Atom("skip", {0}), garbage}),
                                "atom garbage " + std::to_string(file));
    }
}

// Atom sizes of 0, 1 (with a 64-bit size of 0), 7 and 2^32-1 wrap to huge payload lengths or run past
// the end; at the top level, inside moov, and as the marker itself.
TEST(HostileFiles, BrokenAtomSizesAreRejected) {
    for (const uint32_t size : {0u, 1u, 7u, 0xFFFFFFFFu}) {
        const std::string tag = "size " + std::to_string(size);
        std::vector<uint8_t> broken = Header(size, "moov");
        if (size == 1) broken.insert(broken.end(), 8, 0);  // 64-bit size 0
        for (const char* marker : {"free", "skip"}) {
            const std::string m = std::string(" after ") + marker;
            ExpectRejectedUntouched(Concat({Ftyp(), Atom(marker, {0}), broken}), tag + m);
            ExpectRejectedUntouched(Concat({Ftyp(), Atom(marker, {0}), Header(size, "mdat"), broken}),
                                    tag + " mdat" + m);
            ExpectRejectedUntouched(Concat({Ftyp(), Header(size, marker), broken}), tag + " marker" + m);
            // moov whose children have the broken size.
            const std::vector<uint8_t> inner = Concat({Header(size, "trak"), Header(size, "mvhd")});
            ExpectRejectedUntouched(Concat({Ftyp(), Atom(marker, {0}), Atom("moov", inner)}),
                                    tag + " children" + m);
        }
        ExpectRejectedUntouched(Concat({Header(size, "ftyp"), Atom("free", {})}), tag + " ftyp");
    }
}

TEST(HostileFiles, AtomPointingPastTheEnd) {
    for (const char* marker : {"free", "skip"}) {
        ExpectRejectedUntouched(Concat({Ftyp(), Atom(marker, {0}), Header(0x7FFFFFF0u, "moov")}), marker);
        ExpectRejectedUntouched(Concat({Ftyp(), Atom(marker, {0}), Header(0x7FFFFFF0u, "gps0")}), marker);
        ExpectRejectedUntouched(Concat({Ftyp(), Atom(marker, {0}), Header(0x7FFFFFF0u, "skip")}), marker);
    }
}

// A valid recording whose moov children have sizes that break the searches inside it.
TEST(HostileFiles, BrokenSizesDeepInsideAValidFile) {
    for (const fixture::Kind kind : {fixture::Kind::MetaTrack, fixture::Kind::Atoms}) {
        fixture::MovDesc d;
        d.kind = kind;
        d.chunks.resize(2);
        fixture::BuiltMov built;
        const std::vector<uint8_t> good = Build(d, &built);
        ASSERT_EQ(ParseBytes(good).result, 0);
        uint64_t moov = 0;
        for (const auto& a : built.topLevel)
            if (a.type == "moov") moov = a.offset;
        // Overwrite the size field of every 4-byte-aligned position of moov in turn.
        for (uint64_t at = moov + 8; at + 8 <= good.size(); at += 4) {
            for (const uint32_t size : {0u, 1u, 7u, 0xFFFFFFFFu}) {
                std::vector<uint8_t> bytes = good;
                for (int i = 0; i < 4; ++i) bytes[at + i] = uint8_t(size >> (24 - 8 * i));
                const ParseResult r = ParseBytes(bytes);
                EXPECT_TRUE(r.result == 0 || r.result == -1);
                if (r.result == 0) {
                    EXPECT_EQ(r.info.fileSize, bytes.size());
                }
            }
        }
    }
}

// Many empty atoms: every walk step moves by at least a header, so the walk ends.
TEST(HostileFiles, ManyTinyAtoms) {
    std::vector<uint8_t> bytes = Concat({Ftyp(), Atom("free", {})});
    for (int i = 0; i < 20000; ++i) {
        const auto junk = Header(i % 2 ? 8 : 0, "junk");
        bytes.insert(bytes.end(), junk.begin(), junk.end());
    }
    ExpectRejectedUntouched(bytes, "meta kind");
    std::copy_n("skip", 4, bytes.begin() + std::ptrdiff_t(Ftyp().size()) + 4);
    ExpectRejectedUntouched(bytes, "atom kind");
}

// Every cut of a small recording of either kind: no cut crashes, a cut before moov is always rejected,
// and a cut file is never accepted with values read from beyond its end.
TEST(HostileFiles, TruncatedAtEveryOffset) {
    for (const fixture::Kind kind : {fixture::Kind::MetaTrack, fixture::Kind::Atoms}) {
        fixture::MovDesc d;
        d.kind = kind;
        d.mdatPayload = 16;
        d.chunks.resize(2);
        d.gps.resize(3);
        d.gsensor.resize(4);
        fixture::BuiltMov built;
        const std::vector<uint8_t> whole = Build(d, &built);
        uint64_t moovAt = 0;
        for (const auto& a : built.topLevel)
            if (a.type == "moov") moovAt = a.offset;
        ASSERT_GT(moovAt, 0u);
        testfiles::ScratchDir dir;
        for (size_t cut = 0; cut < whole.size(); ++cut) {
            const std::string path = dir.Write(
                "FILE0001.MOV", std::vector<uint8_t>(whole.begin(), whole.begin() + std::ptrdiff_t(cut)));
            const VideoInfo start = SentinelInfo();
            const ParseResult r = ParseFile(path, start);
            ASSERT_TRUE(r.result == 0 || r.result == -1) << cut;
            if (r.result == -1) {
                EXPECT_TRUE(SameScalars(r.info, start)) << cut;
                continue;
            }
            EXPECT_GT(cut, moovAt) << "accepted without its moov";
            EXPECT_EQ(r.info.fileSize, cut);
            EXPECT_EQ(r.info.width, d.width) << cut;
            EXPECT_EQ(r.info.height, d.height) << cut;
            EXPECT_EQ(r.info.durationMs, 60000u) << cut;
        }
        EXPECT_EQ(ParseBytes(whole).result, 0);
    }
}

TEST(HostileFiles, FolderAndDeviceAreNotRecordings) {
    testfiles::ScratchDir dir;
    ExpectRejectedUntouched({}, "empty");
    const VideoInfo start = SentinelInfo();
    for (const std::string& path : {dir.Path(), std::string("/dev/null"), std::string("/dev/zero")}) {
        const ParseResult r = ParseFile(path, start);
        EXPECT_EQ(r.result, -1) << path;
        EXPECT_TRUE(SameScalars(r.info, start)) << path;
    }
}

}  // namespace
