// Writes the scan benchmark's card to a folder and keeps it, for measurements made from outside:
//   norvik-bench-card OUT_DIR [RECORDINGS [PAYLOAD_MIB]]
// OUT_DIR must not exist; the card is written next to it (same file system) and renamed into place.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "bench/BenchCard.h"

namespace fs = std::filesystem;

namespace {

bool ParseCount(const char* text, long min, long max, long& out) {
    char* end = nullptr;
    const long v = std::strtol(text, &end, 10);
    if (!end || *end || end == text || v < min || v > max) return false;
    out = v;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    long recordings = 1000;
    long payloadMiB = 1;
    if (argc < 2 || argc > 4 || (argc > 2 && !ParseCount(argv[2], 1, 9999, recordings)) ||
        (argc > 3 && !ParseCount(argv[3], 0, 4096, payloadMiB))) {
        std::fprintf(stderr, "usage: norvik-bench-card OUT_DIR [RECORDINGS (1..9999) [PAYLOAD_MIB (0..4096)]]\n");
        return 2;
    }
    const fs::path out = fs::absolute(argv[1]);
    std::error_code ec;
    if (fs::exists(out, ec) || ec) {
        std::fprintf(stderr, "norvik-bench-card: %s already exists\n", out.c_str());
        return 1;
    }
    try {
        BenchCard card(out.parent_path().string(), int(recordings), uint64_t(payloadMiB) * 1024 * 1024);
        // The card's own folder is removed with the object; once renamed, nothing is left to remove.
        fs::rename(card.Root(), out);
        std::printf("%s: %ld recordings, %.1f MiB apparent, %.1f MiB on disk\n", out.c_str(), recordings,
                    card.ApparentBytes() / 1048576.0, card.DiskBytes() / 1048576.0);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "norvik-bench-card: %s\n", e.what());
        return 1;
    }
    return 0;
}
