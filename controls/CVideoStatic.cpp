#include "controls/CVideoStatic.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>

#include "app/WindowMessages.h"
#include "controls/GlowText.h"
#include "controls/SkinImages.h"

void SendToggleFullScreen(QWidget* target) {
    if (!target) return;
    CWindowMessageEvent message(WindowMessage::kToggleFullScreen, 0, 0);
    QCoreApplication::sendEvent(target, &message);
}

CVideoStatic::CVideoStatic(QWidget* parent, QWidget* target) : QWidget(parent), m_target(target) {
    setAttribute(Qt::WA_NativeWindow);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CVideoStatic::ShowOverlay(bool show) { m_bOverlay = show; }

void CVideoStatic::SetOverlayNumber(int number) {
    m_nOverlayNumber = number;
    repaint();
}

QString CVideoStatic::OverlayText() const { return QString::asprintf("%d\n", m_nOverlayNumber); }

void CVideoStatic::Render(QPainter& painter) const {
    painter.fillRect(rect(), SkinBackColor);
    if (!m_bOverlay) return;
    DrawGlowText(painter, OverlayText(), 10, 10, 72, GlowTextStyle::Overlay);
    if (!m_strOverlayCaption.isEmpty())
        DrawGlowText(painter, m_strOverlayCaption, 10, 90, 24, GlowTextStyle::Overlay);
}

void CVideoStatic::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Render(painter);
}

// Consumed: neither the main window nor anything else sees a click on the video.
void CVideoStatic::mousePressEvent(QMouseEvent* event) { event->accept(); }
void CVideoStatic::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }

void CVideoStatic::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton) SendToggleFullScreen(m_target);
}
