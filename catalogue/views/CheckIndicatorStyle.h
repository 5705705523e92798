// Draws the item check boxes of the dark lists: a light frame on the near-black rows, and a bright
// tick when checked; everything else is left to the base style.
#pragma once

#include <QProxyStyle>

class CheckIndicatorStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

    static const QColor kFrame;
    static const QColor kTick;
};
