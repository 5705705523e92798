// Where the main window goes for a stored rectangle: at least 800 x 560, at most the screen area,
// pulled back inside the area.
#pragma once

#include <QRect>

constexpr int kMinWindowWidth = 800;
constexpr int kMinWindowHeight = 560;

// left/top/right/bottom as stored (right and bottom exclusive). area: the usable part of the
// primary screen; an empty area (no screen) only applies the minimum size and keeps the corner at
// or right of and below (0, 0).
QRect PlaceStoredWindow(int left, int top, int right, int bottom, const QRect& area);
