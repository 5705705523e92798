// A parent that paints one known colour, with skinned buttons on it.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

class SolidParent : public QWidget {
public:
    explicit SolidParent(QColor colour);
    void SetColour(QColor colour);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor m_colour;
};

// What the widget shows now, painted at its device pixel ratio.
QImage Painted(QWidget& widget);
