// Outlined, glowing, gradient-filled text: the window title, the speed read-out, the video overlay.
#pragma once

#include <QPoint>
#include <QPointF>
#include <QRgb>
#include <QString>

class QPainter;

enum class GlowTextStyle { Title, Speed, Overlay };

// One style's constants; colours are ARGB, gradient points in the surface's own pixel coordinates.
struct GlowTextStyleRow {
    const char* fontFamily;
    bool fixedX;  // the origin's x is always origin.x()
    bool fixedY;  // the origin's y is always origin.y()
    QPoint origin;
    QPointF fill1From, fill1To;
    QRgb fill1ColorFrom, fill1ColorTo;
    QPointF fill2From, fill2To;
    QRgb fill2ColorFrom, fill2ColorTo;
    QRgb glowColor;
};

inline constexpr QRgb kGlowOutlineColor = 0x9BD7D7D7;
inline constexpr int kGlowOutlineWidth = 3;
inline constexpr int kGlowStrokes = 8;
inline constexpr int kGlowTextMaxChars = 127;

const GlowTextStyleRow& GlowStyle(GlowTextStyle style);
// The origin actually used for a caller's (x, y).
QPoint GlowTextOrigin(GlowTextStyle style, int x, int y);
// The installed family that stands for the style's font ("Arial Black", "Arial" or the closest).
QString GlowFontFamily(GlowTextStyle style);

// Draws text with its layout origin (top-left of the line) at the style's origin; emSize in pixels.
// An empty text draws nothing; text beyond kGlowTextMaxChars characters is cut.
void DrawGlowText(QPainter& painter, const QString& text, int x, int y, int emSize, GlowTextStyle style);
