#include "controls/CGSensorCtrl.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <climits>
#include <cmath>

#include "controls/CVideoSlider.h"
#include "controls/SkinImages.h"
#include "playback/PlaybackShared.h"

using namespace GSensorLook;

namespace {

constexpr int kRawNoData = -128;
constexpr double kDefaultScale = 8.0;
constexpr double kFallbackSpanMs = 20000.0;
constexpr int kLegendLeft = 40;
constexpr int kLegendTop = 2;
constexpr int kLegendGap = 8;
constexpr int kCursorWidth = 2;
constexpr int kCursorOverhang = 4;
const char* const kAxisNames[3] = {"X", "Y", "Z"};

QString SansFamily() {
    const QStringList installed = QFontDatabase::families();
    for (const char* candidate : {"Arial", "Liberation Sans", "DejaVu Sans"})
        if (installed.contains(QLatin1String(candidate))) return QString::fromLatin1(candidate);
    return QFont().defaultFamily();
}

// The largest pixel size whose line height (ascent + descent) fits the cell height.
QFont CellFont(int cellHeight) {
    QFont font(SansFamily());
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(QFont::Normal);
    font.setHintingPreference(QFont::PreferFullHinting);
    // Plain pixels in the exact text colour, as proof-quality raster text.
    font.setStyleStrategy(QFont::NoAntialias);
    for (int size = cellHeight; size > 1; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).height() <= cellHeight) break;
    }
    return font;
}

const QFont& LabelFont() {
    static const QFont font = CellFont(kLabelCellHeight);
    return font;
}

const QFont& LegendFont() {
    static const QFont font = CellFont(kLegendCellHeight);
    return font;
}

// Top and left in light, bottom and right in dark, inside rect.
void Draw3dRect(QPainter& painter, const QRect& rect, const QColor& light, const QColor& dark) {
    if (rect.width() <= 0 || rect.height() <= 0) return;
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width() - 1, 1), light);
    painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height() - 1), light);
    painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), dark);
    painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), dark);
}

// A 1-pixel line from a to b with b itself left out, as a raster line ends.
void Line(QPainter& painter, QPoint a, QPoint b) {
    if (a == b) return;
    painter.drawLine(a, b);
}

double UsableOr(double value, double fallback) {
    return std::isfinite(value) && value != 0 ? value : fallback;
}

bool IsUnjoinedRow(int row) { return row == kUnjoinedRowA || row == kUnjoinedRowB; }

}  // namespace

CGSensorCtrl::CGSensorCtrl(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_rcPlot = PlotRectFor(size());
}

QRect CGSensorCtrl::PlotRectFor(const QSize& client) {
    return QRect(QPoint(24, 20), QPoint(client.width() - 2, client.height() - 8) - QPoint(1, 1));
}

void CGSensorCtrl::ClearSamples() {
    m_samples.clear();
    ++m_samplesRevision;
    m_dPositionMs = 0;
    update();
}

void CGSensorCtrl::AddSample(const GSensorSample& sample) {
    m_samples.push_back(sample);
    ++m_samplesRevision;
}

void CGSensorCtrl::SetScale(double fullScaleG, double rangeG) {
    m_dFullScaleG = UsableOr(fullScaleG, kDefaultScale);
    // A negative range would turn the plot upside down and break the limiting of values.
    m_dRangeG = rangeG > 0 && std::isfinite(rangeG) ? rangeG : kDefaultScale;
}

void CGSensorCtrl::SetSampleRate(double samplesPerMs) {
    m_dSamplesPerMs = std::isfinite(samplesPerMs) && samplesPerMs > 0 ? samplesPerMs : 0;
    UpdateDuration();
}

void CGSensorCtrl::SetPixelsPerMs(double pixelsPerMs) {
    m_dPixelsPerMs = pixelsPerMs;
    UpdateDuration();
}

void CGSensorCtrl::SetSpanMode(int mode) { m_nSpanMode = mode; }

// Without a rate the recording has no known length: duration 0, legend greyed, position held at 0.
void CGSensorCtrl::UpdateDuration() {
    m_dDurationMs = m_dSamplesPerMs > 0 ? double(m_samples.size()) / m_dSamplesPerMs : 0;
}

bool CGSensorCtrl::SetPosition(int positionMs) {
    UpdateDuration();
    m_dPositionMs = std::clamp(double(positionMs), 0.0, m_dDurationMs);
    update();
    return true;
}

void CGSensorCtrl::SetPosition(uint32_t positionMs) {
    SetPosition(int(std::min<uint32_t>(positionMs, uint32_t(INT_MAX))));
}

void CGSensorCtrl::SetStopped(bool stopped) {
    m_bStopped = stopped;
    update();
}

int CGSensorCtrl::RowOf(int raw, int plotTop, int plotHeight) const {
    const double g = std::clamp(raw * m_dFullScaleG / 128.0, -m_dRangeG, m_dRangeG);
    const int centre = plotTop + plotHeight / 2;
    return int(centre - (plotHeight / (2.0 * m_dRangeG)) * g);
}

double CGSensorCtrl::RulerSpanMs(int plotWidth) const {
    double span = 0;
    if (m_nSpanMode == 0)
        span =
            m_dSamplesPerMs == 0 ? kFallbackSpanMs : std::trunc(double(m_samples.size()) / m_dSamplesPerMs);
    else if (m_nSpanMode == 1)
        span = m_dFixedSpanMs;
    else
        span = m_dPixelsPerMs != 0 ? std::trunc(plotWidth / m_dPixelsPerMs) : 0;
    return std::isfinite(span) && span > 0 ? span : kFallbackSpanMs;
}

void CGSensorCtrl::DrawRuler(QPainter& painter) const {
    const int left = m_rcPlot.left();
    const int top = m_rcPlot.top();
    const int width = m_rcPlot.width();
    const int bottom = m_rcPlot.top() + m_rcPlot.height();
    const int centre = top + m_rcPlot.height() / 2;
    const double ticks = RulerSpanMs(width) / m_nTickMs;
    painter.setPen(QPen(kGrid, 1, Qt::SolidLine, Qt::FlatCap));
    for (int i = 0; i < ticks; ++i) {
        const int x = int(i * width / ticks + left);
        const int length = i % 10 == 0 ? 6 : i % 10 == 5 ? 4 : 2;
        for (int y : {top, centre, bottom}) painter.fillRect(QRect(x, y - length, 1, length), kGrid);
    }
}

void CGSensorCtrl::DrawCurves(QPainter& painter) const {
    if (m_samples.empty() || m_bStopped) return;
    const int left = m_rcPlot.left();
    const int top = m_rcPlot.top();
    const int height = m_rcPlot.height();
    const int centre = top + height / 2;
    const float step = float(m_rcPlot.width()) / float(m_samples.size());
    std::array<QPoint, 3> previous;
    previous.fill(QPoint(left, centre));
    std::array<QPen, 3> pens;
    for (size_t axis = 0; axis < 3; ++axis) pens[axis] = QPen(kAxis[axis], 1, Qt::SolidLine, Qt::FlatCap);
    for (size_t i = 0; i < m_samples.size(); ++i) {
        const GSensorSample& s = m_samples[i];
        if (s.x == kRawNoData || s.y == kRawNoData || s.z == kRawNoData) continue;
        const std::array<int, 3> raw{s.x, s.y, s.z};
        const int x = int(float(i) * step) + left;
        for (size_t axis = 0; axis < 3; ++axis) {
            if (!m_bAxisVisible[axis]) continue;
            const QPoint point(x, RowOf(raw[axis], top, height));
            if (!(IsUnjoinedRow(point.y()) && IsUnjoinedRow(previous[axis].y()))) {
                painter.setPen(pens[axis]);
                Line(painter, previous[axis], point);
            }
            previous[axis] = point;
        }
    }
}

void CGSensorCtrl::DrawCursor(QPainter& painter) const {
    int cx = g_bCursorForced || m_dPositionMs > 0 ? g_nCursorX : m_rcPlot.left();
    if (cx < 0) cx = m_rcPlot.left();
    const int bottom = m_rcPlot.top() + m_rcPlot.height();
    // A 2-pixel pen centred on cx covers the columns cx - 1 and cx.
    painter.fillRect(QRect(cx - kCursorWidth / 2, m_rcPlot.top() - kCursorOverhang, kCursorWidth,
                           bottom + kCursorOverhang - (m_rcPlot.top() - kCursorOverhang)),
                     kCursor);
}

QString CGSensorCtrl::ScaleLabel(int which, double rangeG) {
    if (which == 0) return QString::asprintf(" %1.0fG", rangeG);
    if (which == 1) return QString::asprintf(" %0.0fG", 0.0);
    return QString::asprintf("-%1.0fG", rangeG);
}

void CGSensorCtrl::DrawScaleLabels(QPainter& painter, const QSize& client) const {
    const int a = (client.height() - 20) / 6;
    const QFontMetrics metrics(LabelFont());
    painter.setFont(LabelFont());
    painter.setPen(Qt::white);
    for (int which = 0; which < 3; ++which) {
        const QString text = ScaleLabel(which, m_dRangeG);
        const QRect box(4, (2 * which + 1) * a + 10, metrics.horizontalAdvance(text), metrics.height());
        painter.fillRect(box, SkinBackColor);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    }
}

double CGSensorCtrl::ValueAtPosition(int axis) const {
    const auto index = int64_t(std::trunc(std::trunc(m_dPositionMs) * m_dSamplesPerMs));
    if (index < 0 || size_t(index) >= m_samples.size()) return 0;
    const GSensorSample& s = m_samples[size_t(index)];
    const int raw = axis == kX ? s.x : axis == kY ? s.y : s.z;
    return raw * m_dFullScaleG / 128.0;
}

QString CGSensorCtrl::LegendText(int axis) const {
    return QString::asprintf("%s: %0.4f G    ", kAxisNames[axis], ValueAtPosition(axis));
}

void CGSensorCtrl::DrawLegend(QPainter& painter) {
    const QFontMetrics metrics(LegendFont());
    painter.setFont(LegendFont());
    int x0 = kLegendLeft;
    for (size_t axis = 0; axis < 3; ++axis) {
        const QString text = LegendText(int(axis));
        const int cx = metrics.horizontalAdvance(text);
        const int cy = metrics.height();
        const QRect frame = QRect(x0, kLegendTop, cx, cy).adjusted(-1, -1, 1, 1);
        const bool greyed = m_bStopped || !m_bAxisVisible[axis] || m_dDurationMs == 0;
        const int d = greyed ? 0 : 1;
        if (greyed)
            Draw3dRect(painter, frame, kGreyFrameLight, kGreyFrameDark);
        else
            Draw3dRect(painter, frame.translated(1, 1), kActiveFrameLight, kActiveFrameDark);
        m_rcLegend[axis] = QRect(x0 + d, kLegendTop + d, cx, cy);
        painter.setPen(greyed ? kGreyText : kAxis[axis]);
        painter.drawText(m_rcLegend[axis], Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
        x0 += cx + kLegendGap;
    }
}

CGSensorCtrl::StillKey CGSensorCtrl::CurrentKey(const QSize& client, qreal ratio) const {
    return {client,         ratio,          m_samplesRevision, m_dFullScaleG, m_dRangeG,  m_dSamplesPerMs,
            m_dFixedSpanMs, m_dPixelsPerMs, m_nSpanMode,       m_nTickMs,     m_bStopped, m_bAxisVisible};
}

// Background, zero line, left axis, ruler and curves: what stays the same from one position to the next.
void CGSensorCtrl::DrawStill(QPainter& painter, const QSize& client) const {
    painter.fillRect(QRect(QPoint(0, 0), client), SkinBackColor);
    const int left = m_rcPlot.left();
    const int top = m_rcPlot.top();
    const int centre = top + m_rcPlot.height() / 2;
    painter.setPen(QPen(kZeroLine, 1, Qt::SolidLine, Qt::FlatCap));
    Line(painter, QPoint(left, centre), QPoint(left + m_rcPlot.width(), centre));
    painter.setPen(QPen(kGrid, 1, Qt::SolidLine, Qt::FlatCap));
    Line(painter, QPoint(left, top), QPoint(left, top + m_rcPlot.height()));
    DrawRuler(painter);
    DrawCurves(painter);
}

void CGSensorCtrl::Render(QPainter& painter) {
    const QSize client = size();
    m_rcPlot = PlotRectFor(client);
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const StillKey key = CurrentKey(client, ratio);
    if (m_still.isNull() || !(key == m_stillKey)) {
        m_still = QImage(client * ratio, QImage::Format_RGB32);
        m_still.setDevicePixelRatio(ratio);
        QPainter still(&m_still);
        DrawStill(still, client);
        m_stillKey = key;
    }
    painter.drawImage(QPoint(0, 0), m_still);
    DrawCursor(painter);
    g_bCursorForced = false;
    DrawScaleLabels(painter, client);
    DrawLegend(painter);
}

QImage CGSensorCtrl::RenderImage() {
    QImage image(size(), QImage::Format_RGB32);
    QPainter painter(&image);
    Render(painter);
    return image;
}

void CGSensorCtrl::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    QImage frame(size() * ratio, QImage::Format_RGB32);
    frame.setDevicePixelRatio(ratio);
    {
        QPainter off(&frame);
        Render(off);
    }
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), frame);
}

void CGSensorCtrl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_rcPlot = PlotRectFor(size());
    UpdateDuration();
}

// Accepting the press keeps the mouse with this control until the release.
void CGSensorCtrl::mousePressEvent(QMouseEvent* event) { event->accept(); }

void CGSensorCtrl::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
    const QPoint point = event->position().toPoint();
    for (size_t axis = 0; axis < 3; ++axis) {
        if (m_rcLegend[axis].contains(point)) {
            m_bAxisVisible[axis] = !m_bAxisVisible[axis];
            break;
        }
    }
    update();
    event->accept();
}

void CGSensorCtrl::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) update();
    QWidget::mouseMoveEvent(event);
}

void CGSensorCtrl::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }
