// Stand-ins for the main window's controls that later work replaces: each stands at its layout
// rectangle and paints at most a faint outline.
#pragma once

#include <QWidget>
#include <memory>

class CGdiPlusBitmapResource;

class PlaceholderWidget : public QWidget {
    Q_OBJECT
public:
    explicit PlaceholderWidget(QWidget* parent, bool outlined = true);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_outlined;
};

// Sends the full-screen toggle to the main window on a left double click.
class FullScreenDoubleClickWidget : public PlaceholderWidget {
    Q_OBJECT
public:
    FullScreenDoubleClickWidget(QWidget* parent, QWidget* mainWindow, bool outlined);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QWidget* m_mainWindow;
};

// The area behind the video, with a sunken edge while not in full screen.
class VideoBackgroundPlaceholder : public FullScreenDoubleClickWidget {
    Q_OBJECT
public:
    VideoBackgroundPlaceholder(QWidget* parent, QWidget* mainWindow);
    void SetClientEdge(bool on);
    bool HasClientEdge() const { return m_clientEdge; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_clientEdge = true;
};

// The engine's output window: a native child window painted black.
class VideoSurfacePlaceholder : public FullScreenDoubleClickWidget {
    Q_OBJECT
public:
    VideoSurfacePlaceholder(QWidget* parent, QWidget* mainWindow);

protected:
    void paintEvent(QPaintEvent* event) override;
};

class GSensorCurvePlaceholder : public PlaceholderWidget {
    Q_OBJECT
public:
    using PlaceholderWidget::PlaceholderWidget;
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
class SpeedReadoutPlaceholder : public PlaceholderWidget {
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

// A skin picture stretched to the widget, in colour or greyed; without an image it paints nothing.
class ImageStaticPlaceholder : public QWidget {
    Q_OBJECT
public:
    ImageStaticPlaceholder(QWidget* parent, unsigned imageId, bool colour);
    ~ImageStaticPlaceholder() override;
    void SetColour(bool colour);
    bool IsColour() const { return m_colour; }
    bool HasImage() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<CGdiPlusBitmapResource> m_image;
    bool m_colour;
};
