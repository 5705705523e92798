// What every skinned control shares: the background colour, the two colour matrices and the
// drawing of an image scaled into a rectangle, optionally through a matrix.
#pragma once

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QRect>
#include <array>

class QPainter;
class CGdiPlusBitmap;

// The near-black background of the window and of every skinned control.
inline const QColor SkinBackColor{5, 5, 5};

// 5 x 5 colour matrix: the row vector (R, G, B, A, 1), components in 0..1, times the matrix;
// row i is the input component, column j the output component.
using ColorMatrix = std::array<std::array<float, 5>, 5>;

// Brightens by 5 % and lifts by 0.05: the hot (mouse over) look.
extern const ColorMatrix HotColorMatrix;
// Luminance grey with the alpha kept: the greyed look.
extern const ColorMatrix GreyColorMatrix;

// One colour through a matrix, each output component clamped to 0..1 and rounded to 0..255.
QColor ApplyColorMatrix(const ColorMatrix& matrix, const QColor& color);
// A copy of the image with every pixel put through the matrix (straight, not premultiplied, alpha).
QImage ApplyColorMatrix(const ColorMatrix& matrix, const QImage& image);

// The whole image stretched to target, aspect ratio not kept. A null image draws nothing.
void DrawImageScaled(QPainter& painter, const QRect& target, const QImage& image);
void DrawImageScaled(QPainter& painter, const QRect& target, const QImage& image, const ColorMatrix& matrix);

// The same with a holder: its sharpest variant for the painter's device pixel ratio.
void DrawImageScaled(QPainter& painter, const QRect& target, const CGdiPlusBitmap& bitmap);
void DrawImageScaled(QPainter& painter, const QRect& target, const CGdiPlusBitmap& bitmap,
                     const ColorMatrix& matrix);

// Icon 128, the application's icon, in every size the resources hold.
QIcon SkinAppIcon();
