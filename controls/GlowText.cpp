#include "controls/GlowText.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <array>

namespace {

const std::array<GlowTextStyleRow, 3> kStyles = {{
    {"Arial Black", true, true, {50, 10}, {0, 0}, {0, 90}, 0xC80000F0, 0xFF1E78C3, {0, 10}, {0, 60},
     0xFFFFFFFF, 0x0F010101, 0x3E000202},
    {"Arial", false, false, {0, 0}, {0, 0}, {0, 90}, 0xC8BEDC18, 0xFFC37800, {0, 10}, {0, 40}, 0xFFFFBC00,
     0x96FF0101, 0x50A05002},
    {"Arial", true, false, {10, 0}, {0, 0}, {0, 90}, 0xC81478F0, 0xFF1478F0, {0, 10}, {0, 120}, 0xFF50BCFA,
     0x9650509B, 0x500A96DC},
}};

QLinearGradient Fill(const QPointF& from, const QPointF& to, QRgb colorFrom, QRgb colorTo) {
    QLinearGradient gradient(from, to);
    gradient.setColorAt(0.0, QColor::fromRgba(colorFrom));
    gradient.setColorAt(1.0, QColor::fromRgba(colorTo));
    gradient.setSpread(QGradient::RepeatSpread);
    return gradient;
}

// "Arial Black" is a heavy face; without it the heaviest weight of a metric-compatible Arial stands in.
QFont StyleFont(GlowTextStyle style, int emSize) {
    const QString family = GlowFontFamily(style);
    QFont font(family);
    font.setPixelSize(emSize);
    font.setStyleStrategy(QFont::PreferOutline);
    if (style == GlowTextStyle::Title && family != QLatin1String("Arial Black"))
        font.setWeight(QFont::Black);
    return font;
}

}  // namespace

const GlowTextStyleRow& GlowStyle(GlowTextStyle style) { return kStyles[static_cast<size_t>(style)]; }

QPoint GlowTextOrigin(GlowTextStyle style, int x, int y) {
    const GlowTextStyleRow& row = GlowStyle(style);
    return {row.fixedX ? row.origin.x() : x, row.fixedY ? row.origin.y() : y};
}

QString GlowFontFamily(GlowTextStyle style) {
    const QString wanted = QString::fromLatin1(GlowStyle(style).fontFamily);
    const QStringList installed = QFontDatabase::families();
    if (installed.contains(wanted))
        return wanted;
    for (const char* candidate : {"Arial", "Liberation Sans", "DejaVu Sans"})
        if (installed.contains(QLatin1String(candidate)))
            return QString::fromLatin1(candidate);
    return QFont().defaultFamily();
}

void DrawGlowText(QPainter& painter, const QString& text, int x, int y, int emSize, GlowTextStyle style) {
    if (text.isEmpty() || emSize <= 0)
        return;
    const GlowTextStyleRow& row = GlowStyle(style);
    const QPoint origin = GlowTextOrigin(style, x, y);
    const QFont font = StyleFont(style, emSize);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);

    // The layout origin is the top-left corner of the line; the path wants the baseline.
    QPainterPath path;
    path.addText(QPointF(origin.x(), origin.y() + QFontMetricsF(font).ascent()), font,
                 text.left(kGlowTextMaxChars));

    painter.strokePath(path, QPen(QColor::fromRgba(kGlowOutlineColor), kGlowOutlineWidth, Qt::SolidLine,
                                  Qt::FlatCap, Qt::MiterJoin));
    for (int width = 1; width <= kGlowStrokes; ++width)
        painter.strokePath(path, QPen(QColor::fromRgba(row.glowColor), width, Qt::SolidLine, Qt::FlatCap,
                                      Qt::RoundJoin));
    painter.fillPath(path, Fill(row.fill1From, row.fill1To, row.fill1ColorFrom, row.fill1ColorTo));
    painter.fillPath(path, Fill(row.fill2From, row.fill2To, row.fill2ColorFrom, row.fill2ColorTo));
    painter.restore();
}
