#include "app/WindowPlacement.h"

#include <QtGlobal>
#include <algorithm>

namespace {

constexpr qint64 kMaxExtent = 16777215;  // QWIDGETSIZE_MAX

struct Span {
    qint64 start;
    qint64 length;
};

// One axis: the length is enlarged to the minimum, then limited to the area; the start is pulled back
// so that the span ends inside the area, else kept at or after the area's start.
Span PlaceSpan(qint64 start, qint64 end, qint64 minimum, qint64 areaStart, qint64 areaLength) {
    qint64 length = std::max(end - start, minimum);
    if (areaLength <= 0) return {std::max<qint64>(start, 0), std::min(length, kMaxExtent)};
    length = std::min(length, areaLength);
    const qint64 lastStart = areaStart + areaLength - length;
    return {start > lastStart ? lastStart : std::max(start, areaStart), length};
}

}  // namespace

QRect PlaceStoredWindow(int left, int top, int right, int bottom, const QRect& area) {
    const bool hasArea = area.width() > 0 && area.height() > 0;
    const Span x = PlaceSpan(left, right, kMinWindowWidth, area.x(), hasArea ? area.width() : 0);
    const Span y = PlaceSpan(top, bottom, kMinWindowHeight, area.y(), hasArea ? area.height() : 0);
    const auto toInt = [](qint64 v) { return static_cast<int>(std::clamp<qint64>(v, -kMaxExtent, kMaxExtent)); };
    return QRect(toInt(x.start), toInt(y.start), toInt(x.length), toInt(y.length));
}
