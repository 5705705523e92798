#include "app/WindowShape.h"

#include <algorithm>
#include <cmath>

#include "app/WindowPlacement.h"

namespace {
constexpr int kTopLeftRadius = 30;
constexpr int kCornerRadius = 5;

// How far the row y (counted from the corner's edge) of a corner of radius r lies inside the circle.
int CornerInset(int r, int y) {
    if (y >= r) return 0;
    const double dy = r - (y + 0.5);
    return static_cast<int>(std::lround(r - std::sqrt(double(r) * r - dy * dy)));
}
}  // namespace

QRegion MainWindowRegion(QSize size, bool fullScreen) {
    const int cx = size.width();
    const int cy = size.height();
    if (fullScreen || cx <= 0 || cy <= 0) return QRegion(0, 0, std::max(cx, 0), std::max(cy, 0));
    QRegion region;
    const int top = std::min(kTopLeftRadius, cy);
    for (int y = 0; y < top; ++y) {
        const int left = CornerInset(kTopLeftRadius, y);
        const int right = CornerInset(kCornerRadius, y);
        if (cx - right > left) region += QRect(left, y, cx - right - left, 1);
    }
    const int bottomStart = std::max(top, cy - kCornerRadius);
    if (bottomStart > top) region += QRect(0, top, cx, bottomStart - top);
    for (int y = bottomStart; y < cy; ++y) {
        const int inset = CornerInset(kCornerRadius, cy - 1 - y);
        if (cx - 2 * inset > 0) region += QRect(inset, y, cx - 2 * inset, 1);
    }
    return region;
}

QRect PresetRect(PresetSize preset, const QRect& monitor) {
    const int w = monitor.width();
    const int h = monitor.height();
    switch (preset) {
    case PresetSize::Small:
        return QRect(monitor.left() + (w - kMinWindowWidth) / 2, monitor.top() + (h - kMinWindowHeight) / 2,
                     kMinWindowWidth, kMinWindowHeight);
    case PresetSize::Medium:
        return QRect(monitor.left() + w / 8, monitor.top() + h / 8, std::max(4 * w / 5, kMinWindowWidth),
                     std::max(4 * h / 5, kMinWindowHeight));
    case PresetSize::Large:
        break;
    }
    return monitor;
}

QRect FullScreenRect(const QRect& monitor, QSize currentClient) {
    const bool sameExtent = monitor.width() == currentClient.width() || monitor.height() == currentClient.height();
    return QRect(monitor.topLeft(), QSize(monitor.width(), monitor.height() - (sameExtent ? 1 : 0)));
}
