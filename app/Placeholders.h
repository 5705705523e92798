// Stand-ins for the main window's controls that later work replaces: each stands at its layout
// rectangle and paints at most a faint outline.
#pragma once

#include <QWidget>

#include "controls/CPngStatic.h"
#include "controls/CVideoStaticBg.h"

class PlaceholderWidget : public QWidget {
    Q_OBJECT
public:
    explicit PlaceholderWidget(QWidget* parent, bool outlined = true);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_outlined;
};

class PositionSliderPlaceholder : public PlaceholderWidget {
    Q_OBJECT
public:
    using PlaceholderWidget::PlaceholderWidget;
};
class VolumeSliderPlaceholder : public PlaceholderWidget {
    Q_OBJECT
public:
    using PlaceholderWidget::PlaceholderWidget;
};
class GroupListPlaceholder : public PlaceholderWidget {
    Q_OBJECT
public:
    using PlaceholderWidget::PlaceholderWidget;
};
class FileListPlaceholder : public PlaceholderWidget {
    Q_OBJECT
public:
    using PlaceholderWidget::PlaceholderWidget;
};
class StatusBoardPlaceholder : public PlaceholderWidget {
    Q_OBJECT
public:
    using PlaceholderWidget::PlaceholderWidget;
};
class MapWindowPlaceholder : public PlaceholderWidget {
    Q_OBJECT
public:
    using PlaceholderWidget::PlaceholderWidget;
};

// Earlier names of two instruments, still used by some callers.
using VideoBackgroundPlaceholder = CVideoStaticBg;
using ImageStaticPlaceholder = CPngStatic;
