#include "controls/CMySliderControl.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "app/WindowMessages.h"
#include "controls/CVideoSlider.h"

namespace {
constexpr int kVolumeMax = 100;
constexpr int kVolumeStart = 50;
}  // namespace

// No background of its own: the main window's pixels show through.
CMySliderControl::CMySliderControl(QWidget* parent, QWidget* target) : QAbstractSlider(parent), m_target(target) {
    setOrientation(Qt::Horizontal);
    setRange(0, kVolumeMax);
    setValue(kVolumeStart);
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(false);
}

void CMySliderControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect channel = SkinSlider::Channel(rect());
    SkinSlider::DrawSunkenEdge(painter, channel.adjusted(0, -2, 0, 2));
    const QRect thumb = SkinSlider::ThumbRect(rect(), channel, value(), minimum(), maximum());
    const QColor colour = m_bDragging ? m_crThumbPressed : m_crThumb;
    const QColor fallback = palette().color(m_bDragging ? QPalette::Highlight : QPalette::Button);
    SkinSlider::DrawThumb(painter, thumb, colour, fallback);
}

int CMySliderControl::PositionAt(int x) const {
    return SkinSlider::PositionFromX(x, SkinSlider::Channel(rect()), minimum(), maximum());
}

void CMySliderControl::SendMoved() {
    if (!m_target) return;
    CWindowMessageEvent message(WindowMessage::kVolumeMoved);
    QCoreApplication::sendEvent(m_target, &message);
}

void CMySliderControl::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return event->ignore();
    setValue(PositionAt(event->position().toPoint().x()));  // limited to 0..100 by the range
    m_bDragging = true;
    update();
    event->accept();
}

void CMySliderControl::mouseMoveEvent(QMouseEvent* event) {
    if (!m_bDragging) return QAbstractSlider::mouseMoveEvent(event);
    setValue(PositionAt(event->position().toPoint().x()));
    update();
    SendMoved();
    event->accept();
}

void CMySliderControl::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_bDragging) return QAbstractSlider::mouseReleaseEvent(event);
    m_bDragging = false;
    update();
    SendMoved();
    event->accept();
}

void CMySliderControl::wheelEvent(QWheelEvent* event) { event->ignore(); }
