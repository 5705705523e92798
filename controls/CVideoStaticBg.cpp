#include "controls/CVideoStaticBg.h"

#include <QMouseEvent>
#include <QPainter>

#include "controls/CVideoStatic.h"

namespace {
const QColor kEdgeDark(0, 0, 0);
const QColor kEdgeLight(48, 48, 52);
}  // namespace

CVideoStaticBg::CVideoStaticBg(QWidget* parent, QWidget* target) : QWidget(parent), m_target(target) {
    setAutoFillBackground(false);
}

void CVideoStaticBg::SetClientEdge(bool on) {
    m_clientEdge = on;
    update();
}

// The inside is left alone; the edge stands for the window frame, not for the control's own drawing.
void CVideoStaticBg::paintEvent(QPaintEvent*) {
    if (!m_clientEdge || width() < 2 || height() < 2) return;
    QPainter painter(this);
    const QRect r = rect();  // right() and bottom() are the last column and row
    painter.setPen(kEdgeDark);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(kEdgeLight);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
}

void CVideoStaticBg::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_target) return QWidget::mouseDoubleClickEvent(event);
    event->accept();
    SendToggleFullScreen(m_target);
}
