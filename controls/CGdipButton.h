// The skinned push button: a PNG image with alpha over the parent's background, with a pressed
// look (image moved by 1, 1) and a hot look (through HotColorMatrix) while the mouse is over it.
// Each look is composed once, at the first paint, and afterwards only copied.
#pragma once

#include "controls/CGdiPlusBitmap.h"

#include <QAbstractButton>
#include <QPixmap>
#include <memory>

class CGdipButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit CGdipButton(QWidget* parent = nullptr);
    ~CGdipButton() override;

    // Images are resource ids of type "PNG"; give them before the first paint. The holder is kept
    // even when loading fails (the button then shows the background only).
    void SetStandardImage(unsigned id);
    void SetAlternateImage(unsigned id);
    // Makes the button flip between standard and alternate image at each click; only with an
    // alternate image. The flip happens before clicked() is emitted, so handlers read the new state.
    void SetToggleMode();
    // Makes the alternate (true) or the standard image current; repaints.
    void ShowAlternate(bool alternate);
    bool IsAlternate() const { return m_bAlternate; }

    // Which look a paint shows now.
    enum class Look { None, Standard, StandardPressed, StandardHot, Alternate, AlternatePressed, AlternateHot };
    Look CurrentLook() const;
    // The look chosen by the last paint (None before the first).
    Look LastPaintedLook() const { return m_lastLook; }
    // True once the surfaces have been composed.
    bool SurfacesBuilt() const;
    // The composed surface of a look; a null pixmap when not built.
    QPixmap Surface(Look look) const;

    QSize sizeHint() const override;

    bool m_bHasAlternate = false;
    bool m_bToggle = false;
    bool m_bHover = false;
    bool m_bTracking = false;
    bool m_bAlternate = false;
    std::unique_ptr<CGdiPlusBitmapResource> m_pAltImage;
    std::unique_ptr<CGdiPlusBitmapResource> m_pStdImage;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void nextCheckState() override;
    void checkStateSet() override;

private:
    void BuildSurfaces();
    QImage CaptureBackground() const;
    QPixmap Compose(const QImage& background, const CGdiPlusBitmap& image, Look look) const;
    const QPixmap* SurfaceFor(Look look) const;

    QPixmap m_dcStandard;
    QPixmap m_dcStandardPressed;
    QPixmap m_dcStandardHot;
    QPixmap m_dcAlternate;
    QPixmap m_dcAlternatePressed;
    QPixmap m_dcAlternateHot;
    const QPixmap* m_pCurrent = nullptr;
    Look m_lastLook = Look::None;
};
