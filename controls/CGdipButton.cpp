#include "controls/CGdipButton.h"

#include "controls/SkinImages.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>

CGdipButton::CGdipButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
}

CGdipButton::~CGdipButton() = default;

void CGdipButton::SetStandardImage(unsigned id) {
    m_pStdImage = std::make_unique<CGdiPlusBitmapResource>();
    m_pStdImage->Load(id);
    updateGeometry();
}

void CGdipButton::SetAlternateImage(unsigned id) {
    m_bHasAlternate = true;
    m_pAltImage = std::make_unique<CGdiPlusBitmapResource>();
    m_pAltImage->Load(id);
}

void CGdipButton::SetToggleMode() {
    if (!m_bHasAlternate)
        return;
    m_bToggle = true;
    setCheckable(true);
    setChecked(m_bAlternate);
}

void CGdipButton::ShowAlternate(bool alternate) {
    m_bAlternate = alternate;
    if (isCheckable())
        setChecked(alternate);
    update();
}

// A click of a toggle button flips it before clicked() goes out.
void CGdipButton::nextCheckState() {
    QAbstractButton::nextCheckState();
    m_bAlternate = isChecked();
}

void CGdipButton::checkStateSet() {
    m_bAlternate = isChecked();
    update();
}

CGdipButton::Look CGdipButton::CurrentLook() const {
    // While a toggle button is held down it already shows the image the click will switch to.
    const bool alternate = (m_bToggle && isDown()) ? !m_bAlternate : m_bAlternate;
    if (isDown())
        return alternate ? Look::AlternatePressed : Look::StandardPressed;
    if (m_bHover)
        return alternate ? Look::AlternateHot : Look::StandardHot;
    return alternate ? Look::Alternate : Look::Standard;
}

bool CGdipButton::SurfacesBuilt() const {
    return !m_dcStandard.isNull() && (!m_bHasAlternate || !m_dcAlternate.isNull());
}

const QPixmap* CGdipButton::SurfaceFor(Look look) const {
    switch (look) {
    case Look::Standard: return &m_dcStandard;
    case Look::StandardPressed: return &m_dcStandardPressed;
    case Look::StandardHot: return &m_dcStandardHot;
    case Look::Alternate: return &m_dcAlternate;
    case Look::AlternatePressed: return &m_dcAlternatePressed;
    case Look::AlternateHot: return &m_dcAlternateHot;
    case Look::None: break;
    }
    return nullptr;
}

QPixmap CGdipButton::Surface(Look look) const {
    const QPixmap* surface = SurfaceFor(look);
    return surface ? *surface : QPixmap();
}

QSize CGdipButton::sizeHint() const {
    if (m_pStdImage && !m_pStdImage->IsNull())
        return {m_pStdImage->Width(), m_pStdImage->Height()};
    return {32, 32};
}

// The parent's own painting under the button, without its other children; the skin colour
// where there is no parent.
QImage CGdipButton::CaptureBackground() const {
    const qreal ratio = devicePixelRatioF();
    QImage background(size() * ratio, QImage::Format_ARGB32_Premultiplied);
    background.setDevicePixelRatio(ratio);
    background.fill(SkinBackColor);
    if (QWidget* parent = parentWidget())
        parent->render(&background, QPoint(), QRegion(geometry()), QWidget::DrawWindowBackground);
    return background;
}

QPixmap CGdipButton::Compose(const QImage& background, const CGdiPlusBitmap& image, Look look) const {
    QImage work = background;
    {
        QPainter painter(&work);
        const QRect client(0, 0, width(), height());
        switch (look) {
        case Look::StandardPressed:
        case Look::AlternatePressed:
            DrawImageScaled(painter, client.translated(1, 1), image);
            break;
        case Look::StandardHot:
        case Look::AlternateHot:
            DrawImageScaled(painter, client, image, HotColorMatrix);
            break;
        default:
            DrawImageScaled(painter, client, image);
            break;
        }
    }
    return QPixmap::fromImage(work);
}

void CGdipButton::BuildSurfaces() {
    if (!m_pStdImage || SurfacesBuilt() || size().isEmpty())
        return;
    const QImage background = CaptureBackground();
    if (m_dcStandard.isNull()) {
        m_dcStandard = Compose(background, *m_pStdImage, Look::Standard);
        if (m_dcStandardPressed.isNull())
            m_dcStandardPressed = Compose(background, *m_pStdImage, Look::StandardPressed);
        if (m_dcStandardHot.isNull())
            m_dcStandardHot = Compose(background, *m_pStdImage, Look::StandardHot);
    }
    if (m_dcAlternate.isNull() && m_bHasAlternate && m_pAltImage) {
        m_dcAlternate = Compose(background, *m_pAltImage, Look::Alternate);
        m_dcAlternatePressed = Compose(background, *m_pAltImage, Look::AlternatePressed);
        m_dcAlternateHot = Compose(background, *m_pAltImage, Look::AlternateHot);
    }
}

void CGdipButton::paintEvent(QPaintEvent*) {
    BuildSurfaces();
    const Look look = CurrentLook();
    const QPixmap* surface = SurfaceFor(look);
    if (surface && !surface->isNull()) {
        m_pCurrent = surface;
        m_lastLook = look;
    }
    // A surface that was never built copies nothing new: the last painted one shows again.
    if (!m_pCurrent)
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, *m_pCurrent);
}

void CGdipButton::enterEvent(QEnterEvent* event) {
    m_bTracking = true;
    m_bHover = true;
    update();
    QAbstractButton::enterEvent(event);
}

void CGdipButton::leaveEvent(QEvent* event) {
    m_bTracking = false;
    m_bHover = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void CGdipButton::mouseMoveEvent(QMouseEvent* event) {
    if (!m_bTracking && rect().contains(event->position().toPoint())) {
        m_bTracking = true;
        m_bHover = true;
        update();
    }
    QAbstractButton::mouseMoveEvent(event);
}

// A quick second click is a press of its own.
void CGdipButton::mouseDoubleClickEvent(QMouseEvent* event) { QAbstractButton::mousePressEvent(event); }

// A release away from the button ends its hot look even when no leave event follows the grab.
void CGdipButton::mouseReleaseEvent(QMouseEvent* event) {
    QAbstractButton::mouseReleaseEvent(event);
    if (!rect().contains(event->position().toPoint()) && m_bHover) {
        m_bHover = false;
        m_bTracking = false;
        update();
    }
}
