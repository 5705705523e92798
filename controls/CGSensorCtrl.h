// The G-sensor strip under the video: the three axes over the whole recording, a scale, a time ruler,
// a legend with the values at the playback position (a click on an item hides or shows its axis) and
// a cursor that stands under the position slider's thumb.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QWidget>
#include <array>
#include <cstdint>
#include <vector>

#include "catalogue/TrackPlotting.h"
#include "playback/PlaybackViews.h"
#include "telemetry/TelemetrySamples.h"

class QPainter;

namespace GSensorLook {
inline const QColor kZeroLine{255, 255, 255};
inline const QColor kGrid{102, 102, 102};
inline const std::array<QColor, 3> kAxis{QColor(255, 255, 0), QColor(60, 255, 60), QColor(255, 60, 60)};
inline const QColor kCursor{0, 0, 255};
inline const QColor kGreyText{160, 160, 160};
inline const QColor kActiveFrameLight{130, 130, 130}, kActiveFrameDark{80, 80, 80};
inline const QColor kGreyFrameLight{100, 100, 100}, kGreyFrameDark{50, 50, 50};
constexpr int kLabelCellHeight = 10;
constexpr int kLegendCellHeight = 13;
// Rows where two consecutive points are never joined.
constexpr int kUnjoinedRowA = 20;
constexpr int kUnjoinedRowB = 60;
}  // namespace GSensorLook

class CGSensorCtrl : public QWidget, public IGSensorFeedView, public ICurveStoppedView {
    Q_OBJECT
public:
    enum Axis { kX = 0, kY = 1, kZ = 2 };

    explicit CGSensorCtrl(QWidget* parent = nullptr);

    // The loading order: ClearSamples, SetScale, ClearSamples, AddSample..., UpdateDuration,
    // SetSampleRate, SetPixelsPerMs, SetSpanMode. Only ClearSamples, SetPosition and SetStopped repaint.
    void ClearSamples() override;
    void AddSample(const GSensorSample& sample);
    void AddSample(int8_t x, int8_t y, int8_t z) override { AddSample(GSensorSample{x, y, z}); }
    // A 0 (or a value that is no usable number) stands for 8.0; a range must also be positive.
    void SetScale(double fullScaleG, double rangeG);
    void SetScale(int fullScaleG, double rangeG) override { SetScale(double(fullScaleG), rangeG); }
    void SetSampleRate(double samplesPerMs) override;
    void SetPixelsPerMs(double pixelsPerMs) override;
    void SetSpanMode(int mode) override;
    void UpdateDuration() override;
    // Limits the position to 0 .. duration and repaints.
    bool SetPosition(int positionMs);
    void SetPosition(uint32_t positionMs) override;
    void SetStopped(bool stopped) override;
    void Repaint() override { repaint(); }

    // Steps 1 to 11 of a paint at the widget's current size, into painter (logical coordinates).
    void Render(QPainter& painter);
    // One paint into an image of the widget's size at ratio 1.
    QImage RenderImage();

    double DurationMs() const { return m_dDurationMs; }
    double PositionMs() const { return m_dPositionMs; }
    double FullScaleG() const { return m_dFullScaleG; }
    double RangeG() const { return m_dRangeG; }
    double SamplesPerMs() const { return m_dSamplesPerMs; }
    double PixelsPerMs() const { return m_dPixelsPerMs; }
    int SpanMode() const { return m_nSpanMode; }
    bool IsStopped() const { return m_bStopped; }
    bool IsAxisVisible(int axis) const { return m_bAxisVisible[size_t(axis)]; }
    size_t SampleCount() const { return m_samples.size(); }
    QRect PlotRect() const { return m_rcPlot; }
    // Where each legend item was last drawn (right and bottom edges outside the item).
    QRect LegendRect(int axis) const { return m_rcLegend[size_t(axis)]; }
    // The legend texts at the current position.
    QString LegendText(int axis) const;
    static QString ScaleLabel(int which, double rangeG);  // 0 top, 1 centre, 2 bottom

    // The plot rectangle of a client size.
    static QRect PlotRectFor(const QSize& client);
    // Plot row of a raw value in a plot of the given top and height.
    int RowOf(int raw, int plotTop, int plotHeight) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // What the still layer (background, zero line, axis, ruler, curves) depends on.
    struct StillKey {
        QSize size;
        qreal ratio = 0;
        uint64_t samplesRevision = 0;
        double fullScale = 0, range = 0, samplesPerMs = 0, fixedSpan = 0, pixelsPerMs = 0;
        int spanMode = 0, tickMs = 0;
        bool stopped = false;
        std::array<bool, 3> visible{};
        bool operator==(const StillKey&) const = default;
    };
    StillKey CurrentKey(const QSize& size, qreal ratio) const;
    void DrawStill(QPainter& painter, const QSize& client) const;
    double RulerSpanMs(int plotWidth) const;
    void DrawRuler(QPainter& painter) const;
    void DrawCurves(QPainter& painter) const;
    void DrawCursor(QPainter& painter) const;
    void DrawScaleLabels(QPainter& painter, const QSize& client) const;
    void DrawLegend(QPainter& painter);
    double ValueAtPosition(int axis) const;

    std::vector<GSensorSample> m_samples;
    double m_dSamplesPerMs = 0.016;
    double m_dDurationMs = 0;
    double m_dPositionMs = 0;
    double m_dFullScaleG = 2.0;
    double m_dRangeG = 2.0;
    int m_nSpanMode = 0;
    double m_dFixedSpanMs = 60000.0;
    double m_dPixelsPerMs = 0.025;
    int m_nTickMs = 200;
    bool m_bStopped = false;
    std::array<bool, 3> m_bAxisVisible{true, true, true};
    std::array<QRect, 3> m_rcLegend{};
    QRect m_rcPlot;

    uint64_t m_samplesRevision = 0;
    StillKey m_stillKey;
    QImage m_still;
};
