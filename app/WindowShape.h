// The main window's shape and the rectangles of its window modes.
#pragma once

#include <QRect>
#include <QRegion>
#include <QSize>

// Full screen: the plain rectangle. Otherwise a rounded rectangle, radius 30 at the top-left corner
// and 5 at the others.
QRegion MainWindowRegion(QSize size, bool fullScreen);

enum class PresetSize { Small, Medium, Large };

// The window rectangle of a preset on a monitor.
QRect PresetRect(PresetSize preset, const QRect& monitor);

// The window rectangle for full screen on a monitor. A window of the monitor's exact width or height
// is given one line less, so that the change of size is always seen.
QRect FullScreenRect(const QRect& monitor, QSize currentClient);
