// The playback position slider under the video: range 0..1000 with a dead zone at its left end, an
// ellipse thumb, jump to click and drag; tells the main window of every move with WM_SEEK_MOVED.
#pragma once

#include <QAbstractSlider>
#include <QColor>
#include <QRect>

class QPainter;

// x of the G-sensor cursor, published while the position slider draws.
extern int g_nCursorX;

// Shared look and geometry of the two skinned track bars.
namespace SkinSlider {
constexpr int kChannelMargin = 8;  // from each side to the ends of the channel
constexpr int kThumbWidth = 11;
// The channel of a horizontal track bar: the thumb's centre runs from its left to its right end.
QRect Channel(const QRect& client);
// (x − channel left) × range span ÷ channel width, truncated towards zero; may be negative.
int PositionFromX(int x, const QRect& channel, int minimum, int maximum);
QRect ThumbRect(const QRect& client, const QRect& channel, int position, int minimum, int maximum);
// Outer and inner sunken edge, as a system track bar draws its channel.
void DrawSunkenEdge(QPainter& painter, const QRect& rect);
// A filled ellipse inscribed in the thumb rectangle, outlined in black; colour 0 (black) or an invalid
// colour falls back to the given system colour.
void DrawThumb(QPainter& painter, const QRect& thumb, QColor colour, const QColor& fallback);
}  // namespace SkinSlider

class CVideoSlider : public QAbstractSlider {
    Q_OBJECT
public:
    // Messages go to target (the main window); none when target is null.
    explicit CVideoSlider(QWidget* parent, QWidget* target = nullptr);

    bool IsDragging() const { return m_bDragging; }
    QRect ChannelRect() const { return SkinSlider::Channel(rect()); }

    QColor m_crThumb{100, 250, 100};
    QColor m_crThumbPressed{240, 0, 180};

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void PublishDeadZone();
    int PositionAt(int x) const;
    void SendMoved();

    QWidget* m_target;
    bool m_bDragging = false;
};
