// The main window's private messages: custom events whose type is the message code, with the two
// integer parameters of the message.
#pragma once

#include <QEvent>
#include <cstdint>

namespace WindowMessage {
constexpr int kEngineError = 0xC01;
constexpr int kToggleFullScreen = 0xC04;
constexpr int kPlayState = 0xC06;
constexpr int kPlayTime = 0xC07;
constexpr int kEndOfMedia = 0xC08;
constexpr int kOpenGroup = 0xC09;
constexpr int kOpenFile = 0xC0A;
constexpr int kVolumeMoved = 0xC0C;
constexpr int kSeekMoved = 0xC0D;
// The folder scan's thread finished.
constexpr int kScanFinished = 0xC0E;

constexpr int kFirst = 0xC01;
constexpr int kLast = 0xC0E;
}  // namespace WindowMessage

// The codes lie inside Qt's range of user event types, so they are used as the types themselves.
static_assert(WindowMessage::kFirst >= QEvent::User && WindowMessage::kLast <= QEvent::MaxUser);

class CWindowMessageEvent : public QEvent {
public:
    CWindowMessageEvent(int code, intptr_t wParam = 0, intptr_t lParam = 0)
        : QEvent(static_cast<QEvent::Type>(code)), m_wParam(wParam), m_lParam(lParam) {}

    int Code() const { return static_cast<int>(type()); }
    intptr_t WParam() const { return m_wParam; }
    intptr_t LParam() const { return m_lParam; }

    static bool IsWindowMessage(const QEvent* event) {
        const int type = static_cast<int>(event->type());
        return type >= WindowMessage::kFirst && type <= WindowMessage::kLast;
    }

private:
    intptr_t m_wParam;
    intptr_t m_lParam;
};
