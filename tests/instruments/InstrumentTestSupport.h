// Helpers for the instrument tests: pixel searches in rendered images, a receiver of the main
// window's messages, and mouse events sent as the application would deliver them.
#pragma once

#include <QColor>
#include <QEvent>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QWidget>
#include <ostream>
#include <string>
#include <vector>

// Pixels of exactly colour (alpha ignored) inside area.
int CountColour(const QImage& image, const QRect& area, const QColor& colour);
bool HasColour(const QImage& image, const QRect& area, const QColor& colour);
// Pixels that differ from colour inside area.
int CountOther(const QImage& image, const QRect& area, const QColor& colour);
QColor PixelAt(const QImage& image, int x, int y);

// Counts the main window's private messages and the mouse presses that reach it.
class MessageReceiver : public QWidget {
public:
    std::vector<int> messages;
    int mousePresses = 0;
    int mouseDoubleClicks = 0;

protected:
    bool event(QEvent* event) override;
};

// Delivered through the application, so an ignored event travels on to the parent.
void SendMouse(QWidget* target, QEvent::Type type, QPoint pos, Qt::MouseButton button = Qt::LeftButton);
void Click(QWidget* target, QPoint pos);
void DoubleClick(QWidget* target, QPoint pos);

void PrintTo(const QString& text, std::ostream* os);
void PrintTo(const QColor& colour, std::ostream* os);

// Test names of table cases: the case's own name field.
struct CaseName {
    template <class Info>
    std::string operator()(const Info& test) const {
        return test.param.name;
    }
};
