// The map window's private message: a custom event whose type is the message code, carrying wParam.
#pragma once

#include <QEvent>
#include <cstdint>

constexpr int WM_MAP_NOTIFY = 0x4C8;  // WM_USER + 200
constexpr intptr_t kNotifyContextReady = 0xF011;
constexpr intptr_t kNotifyRefresh = 0xF021;

static_assert(WM_MAP_NOTIFY >= QEvent::User && WM_MAP_NOTIFY <= QEvent::MaxUser);

class CMapNotifyEvent : public QEvent {
public:
    explicit CMapNotifyEvent(intptr_t wParam, intptr_t lParam = 0)
        : QEvent(static_cast<QEvent::Type>(WM_MAP_NOTIFY)), m_wParam(wParam), m_lParam(lParam) {}
    intptr_t WParam() const { return m_wParam; }
    intptr_t LParam() const { return m_lParam; }

private:
    intptr_t m_wParam;
    intptr_t m_lParam;
};
