#include "controls/CPngStatic.h"

#include <QPainter>

#include "controls/CGdiPlusBitmap.h"
#include "controls/SkinImages.h"

CPngStatic::CPngStatic(QWidget* parent) : QWidget(parent) {}

CPngStatic::~CPngStatic() = default;

bool CPngStatic::SetPicture(unsigned pngId) {
    m_pImage = std::make_unique<CGdiPlusBitmapResource>();
    const bool loaded = m_pImage->Load(pngId, CGdiPlusBitmapResource::kTypePng);
    if (!loaded) m_pImage.reset();
    update();
    return loaded;
}

void CPngStatic::SetColour(bool colour) {
    if (m_bColour == colour) return;
    m_bColour = colour;
    update();
}

bool CPngStatic::HasImage() const { return m_pImage && !m_pImage->IsNull(); }

void CPngStatic::Render(QPainter& painter) const {
    if (!HasImage()) return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_bColour)
        DrawImageScaled(painter, rect(), *m_pImage);
    else
        DrawImageScaled(painter, rect(), *m_pImage, GreyColorMatrix);
}

void CPngStatic::paintEvent(QPaintEvent*) {
    if (!HasImage()) return;
    QPainter painter(this);
    Render(painter);
}
