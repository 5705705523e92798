// The file side of snapshots, without the engine.
#include <gtest/gtest.h>
#include <png.h>

#include <filesystem>
#include <fstream>

#include "playback/PngToJpeg.h"
#include "playback/SnapshotFile.h"
#include "tests/engine/ImageProbe.h"
#include "tests/engine/TestClips.h"

namespace fs = std::filesystem;

namespace {

std::string NewFolder(const std::string& name) {
    const std::string folder = ScratchFolder() + "/" + name;
    fs::create_directories(folder);
    return folder;
}

// A width x height RGBA PNG: left half pure red, right half pure blue, fully opaque.
void WritePng(const std::string& path, int width, int height) {
    std::vector<unsigned char> rgba(static_cast<size_t>(width) * height * 4);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            unsigned char* p = &rgba[(static_cast<size_t>(y) * width + x) * 4];
            p[0] = x < width / 2 ? 255 : 0;
            p[1] = 0;
            p[2] = x < width / 2 ? 0 : 255;
            p[3] = 255;
        }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = width;
    image.height = height;
    image.format = PNG_FORMAT_RGBA;
    ASSERT_TRUE(png_image_write_to_file(&image, path.c_str(), 0, rgba.data(), 0, nullptr));
}

}  // namespace

TEST(SnapshotFile, FormatOfTheName) {
    struct Case {
        const char* path;
        SnapshotFormat format;
    };
    const Case cases[] = {
        {"/a/b.png", SnapshotFormat::kPng},           {"/a/b.PnG", SnapshotFormat::kPng},
        {"b.jpg", SnapshotFormat::kJpeg},             {"/a/b.JPEG", SnapshotFormat::kJpeg},
        {"/a/b.jpeg.png", SnapshotFormat::kPng},      {"/a/b.bmp", SnapshotFormat::kUnsupported},
        {"/a/b", SnapshotFormat::kUnsupported},       {"/a.png/b", SnapshotFormat::kUnsupported},
        {"", SnapshotFormat::kUnsupported},           {"/a/.jpg", SnapshotFormat::kJpeg},
        {"/a/b.jpg ", SnapshotFormat::kUnsupported},
    };
    for (const Case& c : cases) EXPECT_EQ(SnapshotFormatOf(c.path), c.format) << '"' << c.path << '"';
}

TEST(SnapshotFile, TemporaryFileIsFreshBesideTheTargetAndRemoved) {
    const std::string folder = NewFolder("temp");
    std::string first;
    {
        TempSnapshotFile a(folder + "/shot.jpg");
        TempSnapshotFile b(folder + "/shot.jpg");
        ASSERT_TRUE(a.IsCreated());
        ASSERT_TRUE(b.IsCreated());
        EXPECT_NE(a.Path(), b.Path());
        EXPECT_EQ(fs::path(a.Path()).parent_path(), fs::path(folder));
        EXPECT_EQ(fs::path(a.Path()).extension(), ".png");
        EXPECT_EQ(fs::file_size(a.Path()), 0u);
        first = a.Path();
    }
    EXPECT_FALSE(fs::exists(first));
    EXPECT_TRUE(ListFolder(folder).empty());
    TempSnapshotFile missing(folder + "/no-such-folder/shot.png");
    EXPECT_FALSE(missing.IsCreated());
}

TEST(SnapshotFile, MovedTemporaryFileStays) {
    const std::string folder = NewFolder("move");
    {
        TempSnapshotFile temp(folder + "/shot.png");
        ASSERT_TRUE(temp.IsCreated());
        std::ofstream(temp.Path()) << "data";
        ASSERT_TRUE(temp.MoveTo(folder + "/shot.png"));
    }
    EXPECT_EQ(ListFolder(folder), std::vector<std::string>{"shot.png"});
    EXPECT_EQ(ReadBytes(folder + "/shot.png").size(), 4u);
}

TEST(SnapshotFile, PngSignatureCheck) {
    const std::string folder = NewFolder("signature");
    WritePng(folder + "/real.png", 8, 4);
    std::ofstream(folder + "/empty.png");
    std::ofstream(folder + "/text.png") << "not a picture at all";
    EXPECT_TRUE(IsPngFile(folder + "/real.png"));
    EXPECT_FALSE(IsPngFile(folder + "/empty.png"));
    EXPECT_FALSE(IsPngFile(folder + "/text.png"));
    EXPECT_FALSE(IsPngFile(folder + "/missing.png"));
}

TEST(PngToJpeg, KeepsSizeAndColours) {
    const std::string folder = NewFolder("convert");
    WritePng(folder + "/in.png", 64, 32);
    ASSERT_TRUE(ConvertPngToJpeg(folder + "/in.png", folder + "/out.jpg"));
    const ImageInfo out = ProbeImage(folder + "/out.jpg");
    ASSERT_EQ(out.kind, ImageKind::kJpeg);
    EXPECT_EQ(out.width, 64);
    EXPECT_EQ(out.height, 32);
    const ImageInfo in = ProbeImage(folder + "/in.png");
    EXPECT_LT(MeanDifference(in, out), 8.0);
    // Red stays left, blue right: no channel swap.
    const unsigned char* left = &out.rgb[(16 * 64 + 8) * 3];
    const unsigned char* right = &out.rgb[(16 * 64 + 56) * 3];
    EXPECT_GT(left[0], 200);
    EXPECT_LT(left[2], 60);
    EXPECT_GT(right[2], 200);
    EXPECT_LT(right[0], 60);
    EXPECT_EQ(ListFolder(folder), (std::vector<std::string>{"in.png", "out.jpg"}));
}

TEST(PngToJpeg, BadInputLeavesNoJpeg) {
    const std::string folder = NewFolder("bad");
    std::ofstream(folder + "/broken.png") << "\x89PNG\r\n\x1a\n but then garbage";
    std::ofstream(folder + "/keep.jpg") << "previous";
    EXPECT_FALSE(ConvertPngToJpeg(folder + "/broken.png", folder + "/out.jpg"));
    EXPECT_FALSE(ConvertPngToJpeg(folder + "/missing.png", folder + "/out.jpg"));
    EXPECT_FALSE(ConvertPngToJpeg(folder + "/broken.png", folder + "/keep.jpg"));
    EXPECT_EQ(ListFolder(folder), (std::vector<std::string>{"broken.png", "keep.jpg"}));
    EXPECT_EQ(ReadBytes(folder + "/keep.jpg").size(), 8u);  // untouched
}
