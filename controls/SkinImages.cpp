#include "controls/SkinImages.h"

#include "controls/CGdiPlusBitmap.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

const ColorMatrix HotColorMatrix = {{
    {1.05f, 0.0f, 0.0f, 0.0f, 0.0f},
    {0.0f, 1.05f, 0.0f, 0.0f, 0.0f},
    {0.0f, 0.0f, 1.05f, 0.0f, 0.0f},
    {0.0f, 0.0f, 0.0f, 1.0f, 0.0f},
    {0.05f, 0.05f, 0.05f, 0.0f, 1.0f},
}};

const ColorMatrix GreyColorMatrix = {{
    {0.3f, 0.3f, 0.3f, 0.0f, 0.0f},
    {0.59f, 0.59f, 0.59f, 0.0f, 0.0f},
    {0.11f, 0.11f, 0.11f, 0.0f, 0.0f},
    {0.0f, 0.0f, 0.0f, 1.0f, 0.0f},
    {0.0f, 0.0f, 0.0f, 0.0f, 1.0f},
}};

namespace {

// One straight-alpha pixel through the matrix.
QRgb Transform(const ColorMatrix& m, QRgb pixel) {
    const float in[5] = {qRed(pixel) / 255.0f, qGreen(pixel) / 255.0f, qBlue(pixel) / 255.0f,
                         qAlpha(pixel) / 255.0f, 1.0f};
    int out[4];
    for (int j = 0; j < 4; ++j) {
        float sum = 0.0f;
        for (int i = 0; i < 5; ++i)
            sum += in[i] * m[i][j];
        out[j] = static_cast<int>(std::lround(std::clamp(sum, 0.0f, 1.0f) * 255.0f));
    }
    return qRgba(out[0], out[1], out[2], out[3]);
}

}  // namespace

QColor ApplyColorMatrix(const ColorMatrix& matrix, const QColor& color) {
    return QColor::fromRgba(Transform(matrix, color.rgba()));
}

QImage ApplyColorMatrix(const ColorMatrix& matrix, const QImage& image) {
    if (image.isNull())
        return {};
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            line[x] = Transform(matrix, line[x]);
    }
    out.setDevicePixelRatio(image.devicePixelRatio());
    return out;
}

void DrawImageScaled(QPainter& painter, const QRect& target, const QImage& image) {
    if (image.isNull() || target.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(QRectF(target), image, QRectF(image.rect()));
    painter.restore();
}

void DrawImageScaled(QPainter& painter, const QRect& target, const QImage& image, const ColorMatrix& matrix) {
    DrawImageScaled(painter, target, ApplyColorMatrix(matrix, image));
}

namespace {
qreal RatioOf(const QPainter& painter) {
    return painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
}
}  // namespace

void DrawImageScaled(QPainter& painter, const QRect& target, const CGdiPlusBitmap& bitmap) {
    DrawImageScaled(painter, target, bitmap.ImageForRatio(RatioOf(painter)));
}

void DrawImageScaled(QPainter& painter, const QRect& target, const CGdiPlusBitmap& bitmap,
                     const ColorMatrix& matrix) {
    DrawImageScaled(painter, target, bitmap.ImageForRatio(RatioOf(painter)), matrix);
}

QIcon SkinAppIcon() {
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icon/%1/norvik.png").arg(size), QSize(size, size));
    return icon;
}
