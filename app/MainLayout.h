// Where the main window puts its controls for a client size: a pure computation, applied by
// CTarvoDlg::LayoutControls.
#pragma once

#include <QRect>
#include <QSize>
#include <array>
#include <optional>

struct LayoutInput {
    QSize client;
    int rightColumnWidth = 240;
    int mapHeight = 240;
    int listHeight = 120;
    bool mapEnabled = true;
    bool gsensorEnabled = true;
    int gsensorHeight = 0;          // the curve's current height; used only while it is enabled
};

struct MainLayout {
    // Window buttons and presets.
    QRect close, maximise, minimise, help;
    QRect large, medium, small;
    // Right column.
    QRect mapWindow;  // zero height while the map is off
    QRect fileList;
    QRect splitMapFile;  // empty while the map is off: there is no gap to catch
    QRect splitColumns;
    // Left column.
    QRect videoBackground, statusBoard, positionSlider, gsensorCurve, groupList, splitVideoList;
    // Bottom row.
    QRect open, snap, save, del;
    QRect next, stop, play, fast;
    QRect mute, volumeSlider;
    std::array<QRect, 5> switches;  // Loop, KML, MAP, GSR, LOCK
};

// The rectangle with corners (left, top) and (right, bottom), right and bottom exclusive.
inline QRect Corners(int left, int top, int right, int bottom) {
    return QRect(left, top, right - left, bottom - top);
}

MainLayout ComputeMainLayout(const LayoutInput& in);

// The video surface inside the video background: shrunk by the edge unless in full screen, then
// narrowed to the picture's aspect ratio when the picture size is known.
QRect FitVideoRect(const QRect& background, bool fullScreen, QSize edge, std::optional<QSize> picture);

// Pixels of a rectangle given in the dialog units of the window's template font.
QRect TemplateRectPixels(int x, int y, int width, int height);

constexpr int kSystemEdge = 2;  // width and height of the sunken edge of the video background
