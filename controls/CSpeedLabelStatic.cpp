#include "controls/CSpeedLabelStatic.h"

#include <QPainter>

#include "controls/GlowText.h"
#include "controls/SkinImages.h"

CSpeedLabelStatic::CSpeedLabelStatic(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CSpeedLabelStatic::SetSpeed(bool valid, int speedKmh) {
    m_bValid = valid;
    m_nSpeedKmh = static_cast<uint16_t>(speedKmh);
    FormatTexts();
    update();
}

void CSpeedLabelStatic::FormatTexts() {
    m_strUnit = QStringLiteral("Km/h");
    m_strValue = QString::asprintf("%3d", int(m_nSpeedKmh));
}

void CSpeedLabelStatic::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), SkinBackColor);
    if (!m_bValid) return;
    DrawGlowText(painter, m_strValue, 0, 10, 20, GlowTextStyle::Speed);
    DrawGlowText(painter, m_strUnit, 40, 18, 12, GlowTextStyle::Speed);
}
