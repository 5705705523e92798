// Stand-ins for controls: the map placeholder (control 1004) whose rectangle the map window takes,
// painting at most a faint outline.
#pragma once

#include <QWidget>

class PlaceholderWidget : public QWidget {
    Q_OBJECT
public:
    explicit PlaceholderWidget(QWidget* parent, bool outlined = true);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_outlined;
};

class MapWindowPlaceholder : public PlaceholderWidget {
    Q_OBJECT
public:
    using PlaceholderWidget::PlaceholderWidget;
};
