#include "app/Placeholders.h"

#include <QPainter>

namespace {
const QColor kOutlineColor(38, 38, 42);
}  // namespace

PlaceholderWidget::PlaceholderWidget(QWidget* parent, bool outlined)
    : QWidget(parent), m_outlined(outlined) {}

void PlaceholderWidget::paintEvent(QPaintEvent*) {
    if (!m_outlined || width() < 2 || height() < 2) return;
    QPainter painter(this);
    painter.setPen(kOutlineColor);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
