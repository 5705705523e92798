#include "app/Placeholders.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>

#include "app/WindowMessages.h"
#include "controls/CGdiPlusBitmap.h"
#include "controls/SkinImages.h"

namespace {
const QColor kOutlineColor(38, 38, 42);
const QColor kEdgeDark(0, 0, 0);
const QColor kEdgeLight(48, 48, 52);
}  // namespace

PlaceholderWidget::PlaceholderWidget(QWidget* parent, bool outlined) : QWidget(parent), m_outlined(outlined) {}

void PlaceholderWidget::paintEvent(QPaintEvent*) {
    if (!m_outlined || width() < 2 || height() < 2) return;
    QPainter painter(this);
    painter.setPen(kOutlineColor);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

FullScreenDoubleClickWidget::FullScreenDoubleClickWidget(QWidget* parent, QWidget* mainWindow, bool outlined)
    : PlaceholderWidget(parent, outlined), m_mainWindow(mainWindow) {}

void FullScreenDoubleClickWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_mainWindow) return QWidget::mouseDoubleClickEvent(event);
    CWindowMessageEvent message(WindowMessage::kToggleFullScreen);
    QCoreApplication::sendEvent(m_mainWindow, &message);
}

VideoBackgroundPlaceholder::VideoBackgroundPlaceholder(QWidget* parent, QWidget* mainWindow)
    : FullScreenDoubleClickWidget(parent, mainWindow, false) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void VideoBackgroundPlaceholder::SetClientEdge(bool on) {
    m_clientEdge = on;
    update();
}

void VideoBackgroundPlaceholder::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (!m_clientEdge) return;
    const QRect r = rect().adjusted(0, 0, -1, -1);
    painter.setPen(kEdgeDark);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(kEdgeLight);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
}

VideoSurfacePlaceholder::VideoSurfacePlaceholder(QWidget* parent, QWidget* mainWindow)
    : FullScreenDoubleClickWidget(parent, mainWindow, false) {
    setAttribute(Qt::WA_NativeWindow);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void VideoSurfacePlaceholder::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
}

ImageStaticPlaceholder::ImageStaticPlaceholder(QWidget* parent, unsigned imageId, bool colour)
    : QWidget(parent), m_colour(colour) {
    if (imageId != 0) m_image = std::make_unique<CGdiPlusBitmapResource>(imageId);
}

ImageStaticPlaceholder::~ImageStaticPlaceholder() = default;

bool ImageStaticPlaceholder::HasImage() const { return m_image && !m_image->IsNull(); }

void ImageStaticPlaceholder::SetColour(bool colour) {
    m_colour = colour;
    update();
}

void ImageStaticPlaceholder::paintEvent(QPaintEvent*) {
    if (!HasImage()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_colour && isEnabled())
        DrawImageScaled(painter, rect(), *m_image);
    else
        DrawImageScaled(painter, rect(), *m_image, GreyColorMatrix);
}
