#include "controls/CGdiPlusBitmap.h"
#include "controls/SkinImages.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

struct SkinImage {
    const char* type;
    unsigned id;
    int width;
    int height;
    bool alpha;
};

// Every image the controls show, at its stored size.
const SkinImage kSkin[] = {
    {"PNG", 129, 64, 64, true},  {"PNG", 132, 64, 64, true},  {"PNG", 133, 64, 64, true},
    {"PNG", 136, 64, 64, true},  {"PNG", 203, 64, 64, true},  {"PNG", 139, 64, 48, true},
    {"PNG", 140, 64, 48, true},  {"PNG", 141, 64, 48, true},  {"PNG", 142, 64, 48, true},
    {"PNG", 143, 32, 32, true},  {"PNG", 176, 32, 32, true},  {"PNG", 145, 32, 32, true},
    {"PNG", 146, 32, 32, true},  {"PNG", 147, 32, 32, true},  {"PNG", 148, 32, 32, true},
    {"PNG", 151, 32, 33, true},  {"PNG", 152, 32, 33, true},  {"PNG", 153, 32, 33, true},
    {"PNG", 154, 32, 33, true},  {"PNG", 156, 24, 44, true},  {"PNG", 155, 24, 44, true},
    {"PNG", 1045, 16, 16, true}, {"PNG", 187, 16, 16, true},  {"PNG", 188, 16, 16, true},
    {"PNG", 150, 32, 32, true},  {"PNG", 157, 64, 64, true},  {"BITMAP", 189, 30, 30, false},
    {"BITMAP", 200, 128, 128, false}, {"BITMAP", 158, 96, 24, true}, {"BITMAP", 161, 32, 32, true},
};

void PrintTo(const SkinImage& s, std::ostream* out) { *out << s.type << " " << s.id; }

class SkinImageCase : public ::testing::TestWithParam<SkinImage> {};

int MinAlpha(const QImage& image) {
    int least = 255;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            least = std::min(least, qAlpha(image.pixel(x, y)));
    return least;
}

int MaxAlpha(const QImage& image) {
    int most = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            most = std::max(most, qAlpha(image.pixel(x, y)));
    return most;
}

TEST_P(SkinImageCase, LoadsAtItsStoredSizeWithTheRightAlpha) {
    const SkinImage& s = GetParam();
    CGdiPlusBitmapResource holder;
    ASSERT_TRUE(holder.Load(s.id, QString::fromLatin1(s.type))) << s.type << " " << s.id;
    EXPECT_EQ(holder.Width(), s.width);
    EXPECT_EQ(holder.Height(), s.height);
    EXPECT_GT(MaxAlpha(holder.Image()), 200) << "the picture is not empty";
    if (s.alpha) {
        EXPECT_LT(MinAlpha(holder.Image()), 128) << "an image with alpha lets the background show through";
    } else {
        EXPECT_EQ(MinAlpha(holder.Image()), 255);
        EXPECT_FALSE(QImage(CGdiPlusBitmapResource::ResourcePath(s.id, QString::fromLatin1(s.type))).hasAlphaChannel())
            << "a 24-bit bitmap is stored without alpha";
    }
}

TEST_P(SkinImageCase, HasASharperTwinAtTwiceTheSize) {
    const SkinImage& s = GetParam();
    CGdiPlusBitmapResource holder(s.id, QString::fromLatin1(s.type));
    ASSERT_FALSE(holder.IsNull());
    const QImage twin = holder.ImageForRatio(2.0);
    EXPECT_EQ(twin.size(), QSize(2 * s.width, 2 * s.height));
    EXPECT_EQ(twin.devicePixelRatio(), 2.0);
    EXPECT_EQ(holder.ImageForRatio(1.0).size(), QSize(s.width, s.height));
}

INSTANTIATE_TEST_SUITE_P(Table, SkinImageCase, ::testing::ValuesIn(kSkin), [](const auto& row) {
    return std::string(row.param.type) + "_" + std::to_string(row.param.id);
});

TEST(SkinResource, PathsAreAddressedByTypeAndId) {
    EXPECT_EQ(CGdiPlusBitmapResource::ResourcePath(129), QStringLiteral(":/png/129.png"));
    EXPECT_EQ(CGdiPlusBitmapResource::ResourcePath(129, QStringLiteral("PNG"), true), QStringLiteral(":/png/129@2x.png"));
    EXPECT_EQ(CGdiPlusBitmapResource::ResourcePath(200, QStringLiteral("BITMAP")), QStringLiteral(":/bmp/200.png"));
    EXPECT_EQ(CGdiPlusBitmapResource::ResourcePath(200, QStringLiteral("ICON")), QString());
}

TEST(SkinResource, UnknownIdFailsAndLeavesTheHolderEmpty) {
    CGdiPlusBitmapResource holder;
    EXPECT_FALSE(holder.Load(4242));
    EXPECT_TRUE(holder.IsNull());
    EXPECT_EQ(holder.Width(), 0);
    EXPECT_TRUE(holder.Image().isNull());
}

TEST(SkinResource, UnknownTypeFails) {
    CGdiPlusBitmapResource holder;
    EXPECT_FALSE(holder.Load(129, QStringLiteral("ICON")));
    EXPECT_TRUE(holder.IsNull());
}

TEST(SkinResource, BytesThatAreNoImageFail) {
    ASSERT_TRUE(QFile::exists(QStringLiteral(":/png/9999.png")));
    CGdiPlusBitmapResource holder;
    EXPECT_FALSE(holder.Load(9999));
    EXPECT_TRUE(holder.IsNull());
}

TEST(SkinResource, ReloadingReleasesTheOldImageFirst) {
    CGdiPlusBitmapResource holder(129);
    ASSERT_EQ(holder.Width(), 64);
    EXPECT_TRUE(holder.Load(151));
    EXPECT_EQ(QSize(holder.Width(), holder.Height()), QSize(32, 33));
    EXPECT_FALSE(holder.Load(4242));
    EXPECT_TRUE(holder.IsNull()) << "a failed load does not keep the previous image";
    EXPECT_TRUE(holder.ImageForRatio(2.0).isNull()) << "nor its twin";
}

TEST(SkinResource, TypeNamesAreCaseInsensitive) {
    CGdiPlusBitmapResource holder;
    EXPECT_TRUE(holder.Load(161, QStringLiteral("bitmap")));
    EXPECT_EQ(holder.Width(), 32);
}

// A 64 x 64 surface at the given density, with the holder drawn into all of it.
QImage DrawnAt(qreal ratio, const CGdiPlusBitmap& holder) {
    QImage surface(QSize(64, 64) * ratio, QImage::Format_ARGB32);
    surface.setDevicePixelRatio(ratio);
    surface.fill(Qt::black);
    QPainter painter(&surface);
    DrawImageScaled(painter, QRect(0, 0, 64, 64), holder);
    return surface;
}

QImage DrawnAt(qreal ratio, const QImage& image) {
    QImage surface(QSize(64, 64) * ratio, QImage::Format_ARGB32);
    surface.setDevicePixelRatio(ratio);
    surface.fill(Qt::black);
    QPainter painter(&surface);
    DrawImageScaled(painter, QRect(0, 0, 64, 64), image);
    return surface;
}

TEST(SkinResource, DenseSurfacesGetTheSharpTwin) {
    const CGdiPlusBitmapResource holder(129);
    ASSERT_FALSE(holder.IsNull());
    const QImage dense = DrawnAt(2.0, holder);
    EXPECT_EQ(dense, DrawnAt(2.0, holder.ImageForRatio(2.0)));
    EXPECT_NE(dense, DrawnAt(2.0, holder.Image())) << "not the 1x picture blown up";
    EXPECT_EQ(DrawnAt(1.0, holder), DrawnAt(1.0, holder.Image()));
}

}  // namespace
