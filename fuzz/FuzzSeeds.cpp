// Writes small seed recordings of both kinds for the fuzzers: fuzz_seeds <folder>.
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "tools/fixture/MovFixture.h"

namespace {

void Save(const std::string& folder, const std::string& name, const fixture::MovDesc& desc) {
    std::vector<uint8_t> bytes;
    fixture::BuildMov(desc, bytes);
    std::ofstream(folder + "/" + name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

fixture::MovDesc Meta() {
    fixture::MovDesc d;
    d.kind = fixture::Kind::MetaTrack;
    d.mdatPayload = 16;
    d.creationTime1904 = fixture::To1904(1406743509);
    for (int i = 0; i < 3; ++i) {
        fixture::MetaChunk c;
        c.x = int8_t(i - 1);
        c.latNum = 5130 + i, c.lonNum = 1234, c.speedNum = 20 * i, c.speedDen = 2;
        c.gpsStatus = uint8_t(i);
        d.chunks.push_back(c);
    }
    return d;
}

fixture::MovDesc Atoms() {
    fixture::MovDesc d;
    d.kind = fixture::Kind::Atoms;
    d.mdatPayload = 16;
    for (int i = 0; i < 3; ++i)
        d.gps.push_back(fixture::BlockSample(5130.5, 1234.25, 40 + i, 10, true, {2014, 7, 30, 18, 5, 9 + i}));
    d.gsensor = {{1, 2, 3}, {-4, 5, -6}};
    return d;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds <folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    Save(folder, "seed-meta.mov", Meta());
    auto hevc = Meta();
    hevc.hevc = true, hevc.marker = "thm ", hevc.largeSizes = true;
    Save(folder, "seed-meta-hevc-large.mov", hevc);
    auto first = Meta();
    first.metaTrackFirst = true, first.metaSampleEntry = "avc1";
    Save(folder, "seed-meta-track-first.mov", first);
    Save(folder, "seed-atoms.mov", Atoms());
    auto late = Atoms();
    late.gpsaAfterGps0 = true, late.idit.reset(), late.largeSizes = true;
    Save(folder, "seed-atoms-late-gpsa.mov", late);
    return 0;
}
