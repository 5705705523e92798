#include "catalogue/views/CheckIndicatorStyle.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOption>
#include <algorithm>

const QColor CheckIndicatorStyle::kFrame{176, 176, 176};
const QColor CheckIndicatorStyle::kTick{110, 190, 255};

void CheckIndicatorStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                        const QWidget* widget) const {
    if (element != PE_IndicatorItemViewItemCheck || !option) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const int side = std::min({option->rect.width(), option->rect.height(), 14});
    QRect box(0, 0, side, side);
    box.moveCenter(option->rect.center());
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setPen(QPen(kFrame, 1));
    painter->setBrush(QColor(18, 18, 18));
    painter->drawRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5));
    if (option->state & State_On) {
        QPainterPath tick;
        tick.moveTo(box.left() + side * 0.22, box.top() + side * 0.52);
        tick.lineTo(box.left() + side * 0.42, box.top() + side * 0.74);
        tick.lineTo(box.left() + side * 0.80, box.top() + side * 0.28);
        painter->setPen(QPen(kTick, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter->setBrush(Qt::NoBrush);
        painter->drawPath(tick);
    }
    painter->restore();
}
