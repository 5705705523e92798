#include "app/MainLayout.h"

#include <algorithm>

namespace {
// Average character cell of the template font in pixels: 4 horizontal and 8 vertical dialog units.
constexpr int kBaseUnitX = 6;
constexpr int kBaseUnitY = 13;

// Upper bound first, so that on a tiny window the lower bound wins.
int ClampUpperFirst(int value, int upper, int lower) { return std::max(std::min(value, upper), lower); }
}  // namespace

MainLayout ComputeMainLayout(const LayoutInput& in) {
    const int cx = in.client.width();
    const int cy = in.client.height();
    MainLayout out;

    out.close = QRect(cx - 32, 2, 25, 25);
    out.maximise = QRect(cx - 59, 2, 25, 25);
    out.minimise = QRect(cx - 86, 2, 25, 25);
    out.help = QRect(cx - 113, 2, 25, 25);
    out.large = QRect(cx - 159, 11, 16, 16);
    out.medium = QRect(cx - 179, 11, 16, 16);
    out.small = QRect(cx - 199, 11, 16, 16);

    const int w = ClampUpperFirst(in.rightColumnWidth, cx - 20, 20);
    const int x = cx - 5 - w;
    if (in.mapEnabled) {
        const int h = ClampUpperFirst(in.mapHeight, cy - 127, 20);
        out.mapWindow = Corners(x, 48, cx - 5, h + 48);
        out.fileList = Corners(x, h + 53, cx - 5, cy - 64);
        out.splitMapFile = Corners(x, 48, cx - 5, cy - 64);
    } else {
        out.mapWindow = Corners(x, 0, cx - 5, 0);
        out.fileList = Corners(x, 48, cx - 5, cy - 64);
        out.splitMapFile = QRect();
    }
    out.splitColumns = Corners(x - 5, 48, x, cy - 64);

    const int g = in.gsensorEnabled ? in.gsensorHeight : 0;
    const int l = ClampUpperFirst(in.listHeight, cy - 152 - g, 20);
    const int v = cy - 99 - l - g;
    out.videoBackground = Corners(5, 48, x - 5, v);
    out.statusBoard = QRect(5, v - 30, x - 10, 30);
    out.positionSlider = QRect(5, v, x - 10, 20);
    out.gsensorCurve = QRect(5, v + 25, x - 10, g);
    const int t = in.gsensorEnabled ? v + 25 + g + 5 : v + 25;
    out.groupList = Corners(5, t, x - 5, cy - 64);
    out.splitVideoList = Corners(5, t - 5, x - 5, t);

    out.open = QRect(8, cy - 44, 48, 36);
    out.snap = QRect(56, cy - 44, 48, 36);
    out.save = QRect(104, cy - 44, 48, 36);
    out.del = QRect(152, cy - 44, 48, 36);
    out.next = QRect(220, cy - 48, 40, 40);
    out.stop = QRect(261, cy - 48, 40, 40);
    out.play = QRect(302, cy - 56, 48, 48);
    out.fast = QRect(351, cy - 48, 40, 40);
    out.mute = QRect(402, cy - 40, 12, 24);
    out.volumeSlider = QRect(416, cy - 36, 80, 20);
    for (int k = 0; k < 5; ++k) out.switches[k] = QRect(cx - 195 + 34 * k, cy - 40, 32, 32);
    return out;
}

QRect FitVideoRect(const QRect& background, bool fullScreen, QSize edge, std::optional<QSize> picture) {
    QRect r = fullScreen ? background : background.adjusted(edge.width(), edge.height(), -edge.width(), -edge.height());
    if (!picture || picture->width() <= 0 || picture->height() <= 0) return r;
    const long long w = picture->width();
    const long long h = picture->height();
    const long long a = static_cast<long long>(r.width()) * h;
    const long long b = static_cast<long long>(r.height()) * w;
    if (a < b) {
        const int height = static_cast<int>(r.width() * h / w);
        r = QRect(r.x(), r.y() + (r.height() - height) / 2, r.width(), height);
    } else if (b < a) {
        const int width = static_cast<int>(r.height() * w / h);
        r = QRect(r.x() + (r.width() - width) / 2, r.y(), width, r.height());
    }
    return r;
}

QRect TemplateRectPixels(int x, int y, int width, int height) {
    return QRect(x * kBaseUnitX / 4, y * kBaseUnitY / 8, width * kBaseUnitX / 4, height * kBaseUnitY / 8);
}
