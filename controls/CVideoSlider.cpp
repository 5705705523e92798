#include "controls/CVideoSlider.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

#include "app/WindowMessages.h"
#include "controls/SkinImages.h"
#include "playback/PlaybackShared.h"

int g_nCursorX = 0;

namespace SkinSlider {
namespace {
const QColor kEdgeShadow(20, 20, 20);
const QColor kEdgeDarkShadow(0, 0, 0);
const QColor kEdgeLight(70, 70, 70);
const QColor kEdgeHighlight(110, 110, 110);
}  // namespace

QRect Channel(const QRect& client) {
    const int width = std::max(1, client.width() - 2 * kChannelMargin);
    return QRect(client.left() + kChannelMargin, client.center().y() - 2, width, 4);
}

int PositionFromX(int x, const QRect& channel, int minimum, int maximum) {
    const int width = std::max(1, channel.width());
    return (x - channel.left()) * (maximum - minimum) / width;
}

QRect ThumbRect(const QRect& client, const QRect& channel, int position, int minimum, int maximum) {
    const int span = std::max(1, maximum - minimum);
    const int centre = channel.left() + (position - minimum) * channel.width() / span;
    const int height = std::max(8, client.height() - 6);
    return QRect(centre - kThumbWidth / 2, client.top() + (client.height() - height) / 2, kThumbWidth, height);
}

void DrawSunkenEdge(QPainter& painter, const QRect& r) {
    const auto frame = [&painter](const QRect& box, const QColor& topLeft, const QColor& bottomRight) {
        painter.setPen(topLeft);
        painter.drawLine(box.topLeft(), box.topRight());
        painter.drawLine(box.topLeft(), box.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(box.bottomLeft(), box.bottomRight());
        painter.drawLine(box.topRight(), box.bottomRight());
    };
    frame(r, kEdgeShadow, kEdgeHighlight);
    frame(r.adjusted(1, 1, -1, -1), kEdgeDarkShadow, kEdgeLight);
}

void DrawThumb(QPainter& painter, const QRect& thumb, QColor colour, const QColor& fallback) {
    if (!colour.isValid() || colour == QColor(0, 0, 0)) colour = fallback;
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::black);
    painter.setBrush(colour);
    painter.drawEllipse(QRectF(thumb).adjusted(0.5, 0.5, -0.5, -0.5));
    painter.setRenderHint(QPainter::Antialiasing, false);
}
}  // namespace SkinSlider

CVideoSlider::CVideoSlider(QWidget* parent, QWidget* target) : QAbstractSlider(parent), m_target(target) {
    setOrientation(Qt::Horizontal);
    setRange(0, kPositionSliderMax);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CVideoSlider::PublishDeadZone() {
    const int offset = SliderDeadZone(width());
    g_nSliderOffset = offset;
    g_nSliderScale = kPositionSliderMax - offset;
}

void CVideoSlider::resizeEvent(QResizeEvent* event) {
    QAbstractSlider::resizeEvent(event);
    PublishDeadZone();
}

void CVideoSlider::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), SkinBackColor);
    SkinSlider::DrawSunkenEdge(painter, rect());
    PublishDeadZone();
    const QRect channel = ChannelRect();
    const int span = std::max(1, maximum() - minimum());
    g_nCursorX = value() * (channel.width() - 10) / span + 10;
    const QRect thumb = SkinSlider::ThumbRect(rect(), channel, value(), minimum(), maximum());
    const QColor colour = m_bDragging ? m_crThumbPressed : m_crThumb;
    const QColor fallback = palette().color(m_bDragging ? QPalette::Highlight : QPalette::Button);
    SkinSlider::DrawThumb(painter, thumb, colour, fallback);
}

int CVideoSlider::PositionAt(int x) const {
    const int position = SkinSlider::PositionFromX(x, ChannelRect(), minimum(), maximum());
    return std::max(position, g_nSliderOffset.load());
}

void CVideoSlider::SendMoved() {
    if (!m_target) return;
    CWindowMessageEvent message(WindowMessage::kSeekMoved);
    QCoreApplication::sendEvent(m_target, &message);
}

void CVideoSlider::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return event->ignore();
    setValue(PositionAt(event->position().toPoint().x()));
    m_bDragging = true;
    update();
    event->accept();
}

void CVideoSlider::mouseMoveEvent(QMouseEvent* event) {
    if (!m_bDragging) return QAbstractSlider::mouseMoveEvent(event);
    setValue(PositionAt(event->position().toPoint().x()));
    update();
    SendMoved();
    event->accept();
}

void CVideoSlider::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_bDragging) return QAbstractSlider::mouseReleaseEvent(event);
    m_bDragging = false;
    setValue(PositionAt(event->position().toPoint().x()));
    update();
    SendMoved();
    event->accept();
}

// Only the mouse moves the playback position.
void CVideoSlider::wheelEvent(QWheelEvent* event) { event->ignore(); }
