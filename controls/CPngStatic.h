// A skin picture stretched to the control, in its own colours or greyed; nothing without a picture.
#pragma once

#include <QWidget>
#include <memory>

#include "playback/PlaybackViews.h"

class CGdiPlusBitmapResource;
class QPainter;

class CPngStatic : public QWidget, public IGpsIndicatorView {
    Q_OBJECT
public:
    explicit CPngStatic(QWidget* parent = nullptr);
    ~CPngStatic() override;

    // Loads the PNG resource; false (and no picture) for an id the resources lack.
    bool SetPicture(unsigned pngId);
    // Sets the flag and repaints when it changed.
    void SetColour(bool colour) override;

    bool IsColour() const { return m_bColour; }
    bool HasImage() const;

    // The control's drawing at its current size over whatever painter holds.
    void Render(QPainter& painter) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<CGdiPlusBitmapResource> m_pImage;
    bool m_bColour = false;
};
