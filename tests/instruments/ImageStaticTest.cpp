// The image statics: colour or grey through the matrix, transparency kept, nothing without a picture.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "controls/CPngStatic.h"
#include "tests/instruments/InstrumentTestSupport.h"

namespace {
constexpr unsigned kGpsDish = 150;

QImage Render(const CPngStatic& image) {
    QImage canvas(image.size(), QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    image.Render(painter);
    return canvas;
}

int ColouredPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() > 0 && (c.red() != c.green() || c.green() != c.blue())) ++count;
        }
    return count;
}
// The smallest rectangle holding every pixel that is not fully transparent.
QRect DrawnBounds(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y).alpha() > 0) bounds |= QRect(x, y, 1, 1);
    return bounds;
}
}  // namespace

TEST(ImageStatic, WithoutPictureDrawsNothing) {
    CPngStatic image;
    image.resize(40, 40);
    EXPECT_FALSE(image.HasImage());
    QImage canvas(40, 40, QImage::Format_RGB32);
    canvas.fill(QColor(1, 2, 3));
    image.render(&canvas, QPoint(), QRegion(), QWidget::RenderFlags());
    EXPECT_EQ(CountOther(canvas, canvas.rect(), QColor(1, 2, 3)), 0);
    EXPECT_FALSE(image.SetPicture(99999)) << "an id the resources lack";
    EXPECT_FALSE(image.HasImage());
}

TEST(ImageStatic, GreyDishIsGreyAndKeepsItsTransparency) {
    CPngStatic image;
    image.resize(38, 32);
    ASSERT_TRUE(image.SetPicture(kGpsDish));
    image.SetColour(true);
    const QImage colour = Render(image);
    image.SetColour(false);
    const QImage grey = Render(image);
    EXPECT_GT(ColouredPixels(colour), 20);
    EXPECT_EQ(ColouredPixels(grey), 0);
    int transparent = 0;
    for (int y = 0; y < grey.height(); ++y)
        for (int x = 0; x < grey.width(); ++x) {
            ASSERT_EQ(grey.pixelColor(x, y).alpha(), colour.pixelColor(x, y).alpha()) << x << "," << y;
            if (grey.pixelColor(x, y).alpha() == 0) ++transparent;
        }
    EXPECT_GT(transparent, 0) << "the dish has a transparent surround";
    EXPECT_LT(transparent, grey.width() * grey.height()) << "and something drawn";
}

TEST(ImageStatic, PictureIsStretchedToTheWholeControlWithoutKeepingItsShape) {
    CPngStatic image;
    ASSERT_TRUE(image.SetPicture(157));
    image.SetColour(true);
    image.resize(40, 40);
    const QRect square = DrawnBounds(Render(image));
    image.resize(80, 20);
    const QRect wide = DrawnBounds(Render(image));
    ASSERT_FALSE(square.isEmpty());
    EXPECT_NEAR(wide.width(), 2 * square.width(), 2);
    EXPECT_NEAR(wide.height(), square.height() / 2, 2);
    EXPECT_NEAR(wide.left(), 2 * square.left(), 2);
}
