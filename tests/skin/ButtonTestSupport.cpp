#include "ButtonTestSupport.h"

#include <QPainter>

SolidParent::SolidParent(QColor colour) : m_colour(colour) { resize(200, 120); }

void SolidParent::SetColour(QColor colour) {
    m_colour = colour;
    update();
}

void SolidParent::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), m_colour);
}

QImage Painted(QWidget& widget) { return widget.grab().toImage().convertToFormat(QImage::Format_ARGB32); }
