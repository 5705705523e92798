// An off-screen copy of a rectangle of a target painter: draw on Painter() in target coordinates;
// the destructor copies the result to the target in one plain copy. Widgets are already double
// buffered by Qt's backing store; this is for composing once and copying many times.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>

class CMemoryDC {
public:
    // The rectangle defaults to the target device's whole area.
    explicit CMemoryDC(QPainter& target, const QRect& rect = {});
    CMemoryDC(const CMemoryDC&) = delete;
    CMemoryDC& operator=(const CMemoryDC&) = delete;
    ~CMemoryDC();

    QPainter& Painter() { return m_painter; }
    const QRect& Rect() const { return m_rect; }

private:
    QPainter& m_target;
    QRect m_rect;
    QImage m_image;
    QPainter m_painter;
};
