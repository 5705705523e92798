#include "tests/instruments/InstrumentTestSupport.h"

#include <QApplication>
#include <QMouseEvent>

#include "app/WindowMessages.h"

int CountColour(const QImage& image, const QRect& area, const QColor& colour) {
    const QRect clipped = area.intersected(image.rect());
    int count = 0;
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == (colour.rgb() & 0xFFFFFF)) ++count;
    return count;
}

bool HasColour(const QImage& image, const QRect& area, const QColor& colour) {
    return CountColour(image, area, colour) > 0;
}

int CountOther(const QImage& image, const QRect& area, const QColor& colour) {
    const QRect clipped = area.intersected(image.rect());
    return clipped.width() * clipped.height() - CountColour(image, clipped, colour);
}

QColor PixelAt(const QImage& image, int x, int y) { return QColor::fromRgb(image.pixel(x, y) | 0xFF000000); }

bool MessageReceiver::event(QEvent* event) {
    if (CWindowMessageEvent::IsWindowMessage(event)) {
        messages.push_back(static_cast<CWindowMessageEvent*>(event)->Code());
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress) ++mousePresses;
    if (event->type() == QEvent::MouseButtonDblClick) ++mouseDoubleClicks;
    return QWidget::event(event);
}

void SendMouse(QWidget* target, QEvent::Type type, QPoint pos, Qt::MouseButton button) {
    const Qt::MouseButtons buttons =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(pos), QPointF(target->mapToGlobal(pos)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

void Click(QWidget* target, QPoint pos) {
    SendMouse(target, QEvent::MouseButtonPress, pos);
    SendMouse(target, QEvent::MouseButtonRelease, pos);
}

void DoubleClick(QWidget* target, QPoint pos) {
    Click(target, pos);
    SendMouse(target, QEvent::MouseButtonDblClick, pos);
    SendMouse(target, QEvent::MouseButtonRelease, pos);
}

void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
void PrintTo(const QColor& colour, std::ostream* os) {
    *os << "rgb(" << colour.red() << ", " << colour.green() << ", " << colour.blue() << ")";
}
