#include "controls/SkinImages.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

struct MatrixCase {
    const char* name;
    const ColorMatrix* matrix;
    QRgb in;
    QRgb out;
};

const MatrixCase kCases[] = {
    {"grey of pure red is 0.3", &GreyColorMatrix, qRgba(255, 0, 0, 255), qRgba(77, 77, 77, 255)},
    {"grey of pure green is 0.59", &GreyColorMatrix, qRgba(0, 255, 0, 255), qRgba(150, 150, 150, 255)},
    {"grey of pure blue is 0.11", &GreyColorMatrix, qRgba(0, 0, 255, 255), qRgba(28, 28, 28, 255)},
    {"grey of white is white", &GreyColorMatrix, qRgba(255, 255, 255, 255), qRgba(255, 255, 255, 255)},
    {"grey keeps a transparent pixel transparent", &GreyColorMatrix, qRgba(255, 0, 0, 0), qRgba(77, 77, 77, 0)},
    {"grey keeps half alpha", &GreyColorMatrix, qRgba(10, 20, 30, 128), qRgba(18, 18, 18, 128)},
    {"hot of black is 0.05", &HotColorMatrix, qRgba(0, 0, 0, 255), qRgba(13, 13, 13, 255)},
    {"hot of white is clamped white", &HotColorMatrix, qRgba(255, 255, 255, 255), qRgba(255, 255, 255, 255)},
    {"hot brightens and lifts each channel", &HotColorMatrix, qRgba(100, 150, 200, 255), qRgba(118, 170, 223, 255)},
    {"hot leaves alpha alone", &HotColorMatrix, qRgba(0, 0, 0, 77), qRgba(13, 13, 13, 77)},
};

void PrintTo(const MatrixCase& c, std::ostream* out) { *out << c.name; }

class ColorMatrixCase : public ::testing::TestWithParam<MatrixCase> {};

TEST_P(ColorMatrixCase, OnePixel) {
    const MatrixCase& c = GetParam();
    const QColor result = ApplyColorMatrix(*c.matrix, QColor::fromRgba(c.in));
    EXPECT_EQ(result.rgba(), c.out) << c.name << ": got " << qRed(result.rgba()) << "," << qGreen(result.rgba())
                                    << "," << qBlue(result.rgba()) << "," << qAlpha(result.rgba());
}

INSTANTIATE_TEST_SUITE_P(Pixels, ColorMatrixCase, ::testing::ValuesIn(kCases));

TEST(ColorMatrix, EntriesAreTheNearestSinglePrecisionValues) {
    EXPECT_EQ(HotColorMatrix[0][0], 1.05f);
    EXPECT_EQ(HotColorMatrix[4][2], 0.05f);
    EXPECT_EQ(HotColorMatrix[3][3], 1.0f);
    EXPECT_EQ(HotColorMatrix[4][3], 0.0f);
    EXPECT_EQ(GreyColorMatrix[1][0], 0.59f);
    EXPECT_EQ(GreyColorMatrix[2][2], 0.11f);
    EXPECT_EQ(GreyColorMatrix[0][3], 0.0f);
    EXPECT_EQ(GreyColorMatrix[4][4], 1.0f);
}

TEST(ColorMatrix, WholeImageGoesThroughPixelByPixel) {
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(255, 0, 0, 255));
    image.setPixel(1, 0, qRgba(0, 0, 0, 0));
    const QImage grey = ApplyColorMatrix(GreyColorMatrix, image);
    EXPECT_EQ(grey.pixel(0, 0), qRgba(77, 77, 77, 255));
    EXPECT_EQ(qAlpha(grey.pixel(1, 0)), 0);
    EXPECT_EQ(grey.size(), image.size());
}

TEST(ColorMatrix, ScaledDrawingThroughGreyFillsTheWholeTarget) {
    QImage red(1, 1, QImage::Format_ARGB32);
    red.fill(qRgba(255, 0, 0, 255));
    QImage surface(6, 6, QImage::Format_ARGB32);
    surface.fill(qRgba(0, 0, 255, 255));
    {
        QPainter painter(&surface);
        DrawImageScaled(painter, QRect(1, 1, 4, 4), red, GreyColorMatrix);
    }
    EXPECT_EQ(surface.pixel(1, 1), qRgba(77, 77, 77, 255));
    EXPECT_EQ(surface.pixel(4, 4), qRgba(77, 77, 77, 255));
    EXPECT_EQ(surface.pixel(0, 0), qRgba(0, 0, 255, 255)) << "outside the target stays untouched";
    EXPECT_EQ(surface.pixel(5, 5), qRgba(0, 0, 255, 255));
}

TEST(ColorMatrix, ScaledDrawingStretchesWithoutKeepingTheAspectRatio) {
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(255, 0, 0, 255));
    image.setPixel(1, 0, qRgba(0, 255, 0, 255));
    QImage surface(8, 8, QImage::Format_ARGB32);
    surface.fill(Qt::black);
    {
        QPainter painter(&surface);
        DrawImageScaled(painter, surface.rect(), image);
    }
    // Both halves cover the full height: no letterbox.
    EXPECT_GT(qRed(surface.pixel(0, 0)), 200);
    EXPECT_GT(qRed(surface.pixel(0, 7)), 200);
    EXPECT_GT(qGreen(surface.pixel(7, 0)), 200);
    EXPECT_GT(qGreen(surface.pixel(7, 7)), 200);
}

TEST(ColorMatrix, NullImageDrawsNothing) {
    QImage surface(4, 4, QImage::Format_ARGB32);
    surface.fill(Qt::white);
    {
        QPainter painter(&surface);
        DrawImageScaled(painter, surface.rect(), QImage(), HotColorMatrix);
    }
    EXPECT_EQ(surface.pixel(2, 2), qRgba(255, 255, 255, 255));
}

}  // namespace
