// The volume slider of the bottom bar: range 0..100, start 50, drawn over the main window's own
// background (a sunken channel and an ellipse thumb only); tells the main window of every move with
// WM_VOLUME_MOVED.
#pragma once

#include <QAbstractSlider>
#include <QColor>

class CMySliderControl : public QAbstractSlider {
    Q_OBJECT
public:
    explicit CMySliderControl(QWidget* parent, QWidget* target = nullptr);

    bool IsDragging() const { return m_bDragging; }

    QColor m_crThumb{255, 0, 0};
    QColor m_crThumbPressed{170, 0, 0};

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    int PositionAt(int x) const;
    void SendMoved();

    QWidget* m_target;
    bool m_bDragging = false;
};
