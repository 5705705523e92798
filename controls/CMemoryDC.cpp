#include "controls/CMemoryDC.h"

namespace {
QRect WholeDevice(QPainter& painter) {
    QPaintDevice* device = painter.device();
    return device ? QRect(0, 0, device->width(), device->height()) : QRect();
}
}  // namespace

CMemoryDC::CMemoryDC(QPainter& target, const QRect& rect)
    : m_target(target), m_rect(rect.isNull() ? WholeDevice(target) : rect) {
    const qreal ratio = target.device() ? target.device()->devicePixelRatioF() : 1.0;
    m_image = QImage(m_rect.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    m_image.setDevicePixelRatio(ratio);
    m_image.fill(Qt::transparent);
    m_painter.begin(&m_image);
    m_painter.translate(-m_rect.topLeft());
}

CMemoryDC::~CMemoryDC() {
    m_painter.end();
    m_target.save();
    m_target.setCompositionMode(QPainter::CompositionMode_Source);
    m_target.drawImage(m_rect.topLeft(), m_image);
    m_target.restore();
}
