#include "controls/GlowText.h"
#include "controls/SkinImages.h"

#include <QImage>
#include <QPainter>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

QImage Surface() {
    QImage image(480, 240, QImage::Format_ARGB32);
    image.fill(SkinBackColor);
    return image;
}

QImage Draw(const QString& text, int x, int y, int emSize, GlowTextStyle style) {
    QImage image = Surface();
    {
        QPainter painter(&image);
        DrawGlowText(painter, text, x, y, emSize, style);
    }
    return image;
}

// Bounding box of the pixels that differ from the background.
QRect Inked(const QImage& image) {
    const QRgb back = SkinBackColor.rgba();
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != back)
                box = box.united(QRect(x, y, 1, 1));
    return box;
}

struct Tint {
    int count = 0;
    long red = 0, green = 0, blue = 0;
};

// Pixels of the glyph bodies: clearly brighter than the dark halo.
Tint BodyTint(const QImage& image, const QRect& area) {
    Tint tint;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (std::max({qRed(p), qGreen(p), qBlue(p)}) < 120)
                continue;
            ++tint.count;
            tint.red += qRed(p);
            tint.green += qGreen(p);
            tint.blue += qBlue(p);
        }
    return tint;
}

struct OriginCase {
    GlowTextStyle style;
    int x, y;
    QPoint expected;
};

const OriginCase kOrigins[] = {
    {GlowTextStyle::Title, 300, 150, {50, 10}},
    {GlowTextStyle::Title, 0, 0, {50, 10}},
    {GlowTextStyle::Speed, 300, 150, {300, 150}},
    {GlowTextStyle::Speed, 7, 3, {7, 3}},
    {GlowTextStyle::Overlay, 300, 150, {10, 150}},
    {GlowTextStyle::Overlay, 0, 40, {10, 40}},
};

void PrintTo(const OriginCase& c, std::ostream* out) {
    *out << "style " << int(c.style) << " at (" << c.x << ", " << c.y << ")";
}

class GlowOrigin : public ::testing::TestWithParam<OriginCase> {};

TEST_P(GlowOrigin, TextStartsAtTheStylesOrigin) {
    const OriginCase& c = GetParam();
    EXPECT_EQ(GlowTextOrigin(c.style, c.x, c.y), c.expected);
    const int em = 40;
    const QRect box = Inked(Draw(QStringLiteral("HE"), c.x, c.y, em, c.style));
    ASSERT_FALSE(box.isEmpty());
    // The halo reaches 4 pixels out from the glyph edge; capitals start a little right of and below the origin.
    EXPECT_GE(box.left(), c.expected.x() - 6);
    EXPECT_LE(box.left(), c.expected.x() + 8);
    EXPECT_GE(box.top(), c.expected.y() - 6);
    EXPECT_LE(box.top(), c.expected.y() + em / 2);
    EXPECT_LE(box.bottom(), c.expected.y() + em + 6) << "the origin is the line's top, not its baseline";
}

INSTANTIATE_TEST_SUITE_P(Styles, GlowOrigin, ::testing::ValuesIn(kOrigins));

TEST(GlowText, TitleIsBlue) {
    const QImage image = Draw(QStringLiteral("Velidor"), 0, 0, 40, GlowTextStyle::Title);
    const Tint tint = BodyTint(image, image.rect());
    ASSERT_GT(tint.count, 50);
    EXPECT_GT(tint.blue, tint.red + 40L * tint.count);
    EXPECT_GT(tint.blue, tint.green);
}

TEST(GlowText, SpeedIsAmber) {
    const QImage image = Draw(QStringLiteral("88"), 20, 0, 48, GlowTextStyle::Speed);
    const Tint tint = BodyTint(image, image.rect());
    ASSERT_GT(tint.count, 50);
    EXPECT_GT(tint.red, tint.blue + 80L * tint.count);
    EXPECT_GT(tint.green, tint.blue);
}

TEST(GlowText, OverlayIsBlue) {
    const QImage image = Draw(QStringLiteral("1.0X"), 0, 20, 40, GlowTextStyle::Overlay);
    const Tint tint = BodyTint(image, image.rect());
    ASSERT_GT(tint.count, 50);
    EXPECT_GT(tint.blue, tint.red + 60L * tint.count);
}

TEST(GlowText, OutlineAndHaloSurroundTheGlyphs) {
    const QImage image = Draw(QStringLiteral("I"), 100, 40, 60, GlowTextStyle::Speed);
    const QRect box = Inked(image);
    ASSERT_FALSE(box.isEmpty());
    // Left of the stem, just outside the fill: the light-grey outline and the dark glow meet there.
    bool darkened = false;
    const int y = box.center().y();
    for (int x = box.left(); x < box.left() + 4; ++x) {
        const QRgb p = image.pixel(x, y);
        if (p != SkinBackColor.rgba())
            darkened = true;
    }
    EXPECT_TRUE(darkened);
}

// Pixels that differ by more than rounding between a's rows [from, from + rows) and b's rows
// shifted down by shift.
int DifferingPixels(const QImage& a, const QImage& b, int shift, int from, int rows) {
    int differing = 0;
    for (int y = from; y < from + rows; ++y)
        for (int x = 0; x < a.width(); ++x)
        {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y + shift);
            differing += std::abs(qRed(p) - qRed(q)) > 2 || std::abs(qGreen(p) - qGreen(q)) > 2 ||
                         std::abs(qBlue(p) - qBlue(q)) > 2;
        }
    return differing;
}

TEST(GlowText, GradientsAreInSurfaceCoordinatesAndTile) {
    const QImage top = Draw(QStringLiteral("HE"), 100, 0, 40, GlowTextStyle::Speed);
    // Both fills repeat every 90 pixels (90 and 30 long): 90 lower the text looks the same, apart
    // from the glyph rasteriser's rounding; 45 lower it meets another part of the first fill.
    const QImage period = Draw(QStringLiteral("HE"), 100, 90, 40, GlowTextStyle::Speed);
    const QImage half = Draw(QStringLiteral("HE"), 100, 45, 40, GlowTextStyle::Speed);
    const int samePlace = DifferingPixels(top, period, 90, 0, 60);
    const int otherPlace = DifferingPixels(top, half, 45, 0, 60);
    EXPECT_GT(otherPlace, 300);
    EXPECT_LT(samePlace * 4, otherPlace);
    EXPECT_EQ(Inked(top).size(), Inked(half).size());
}

TEST(GlowText, EmptyTextDrawsNothing) {
    const QImage image = Draw(QString(), 10, 10, 40, GlowTextStyle::Title);
    EXPECT_TRUE(Inked(image).isEmpty());
}

TEST(GlowText, LongTextIsCut) {
    const QString longText(400, QLatin1Char('I'));
    const QImage all = Draw(longText, 0, 0, 4, GlowTextStyle::Speed);
    const QImage cut = Draw(longText.left(kGlowTextMaxChars), 0, 0, 4, GlowTextStyle::Speed);
    EXPECT_EQ(all, cut);
}

}  // namespace
