#include "tests/engine/TestClips.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <mutex>

namespace {

struct Scratch {
    std::string path;
    Scratch() {
        std::string pattern = (std::filesystem::temp_directory_path() / "norvik-engine-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) path = pattern;
    }
    ~Scratch() {
        std::error_code ignored;
        if (!path.empty()) std::filesystem::remove_all(path, ignored);
    }
};

std::string FfmpegCommand(ClipKind kind, const std::string& out) {
    std::string video;
    std::string seconds = "3";
    switch (kind) {
        case ClipKind::kPattern: video = "testsrc2=size=640x360:rate=25"; break;
        case ClipKind::kGray:
            video = "color=c=0x606060:size=640x360:rate=25";
            seconds = "8";
            break;
        case ClipKind::kLong:
            video = "testsrc2=size=320x180:rate=25";
            seconds = "20";
            break;
    }
    return "ffmpeg -nostdin -v error -y -f lavfi -i " + video + " -f lavfi -i sine=frequency=440 -t " + seconds +
           " -c:v libx264 -preset ultrafast -pix_fmt yuv420p -c:a aac '" + out + "'";
}

}  // namespace

const std::string& ScratchFolder() {
    static Scratch scratch;
    return scratch.path;
}

std::string ClipPath(ClipKind kind) {
    static std::mutex mutex;
    static std::map<ClipKind, std::string> made;
    std::lock_guard<std::mutex> lock(mutex);
    if (auto it = made.find(kind); it != made.end()) return it->second;
    EXPECT_FALSE(ScratchFolder().empty()) << "no temporary folder";
    const std::string path = ScratchFolder() + "/CLIP" + std::to_string(static_cast<int>(kind)) + ".MOV";
    const int rc = std::system(FfmpegCommand(kind, path).c_str());
    EXPECT_EQ(rc, 0) << "ffmpeg failed for " << path;
    EXPECT_TRUE(std::filesystem::exists(path));
    made[kind] = path;
    return path;
}
