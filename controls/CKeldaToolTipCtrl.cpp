#include "controls/CKeldaToolTipCtrl.h"

#include "app/CTarvoSettings.h"
#include "controls/CBalloonTip.h"
#include "controls/CGdiPlusBitmap.h"

#include <QCursor>
#include <QEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <algorithm>

void SetControlId(QWidget* widget, int ctrlId) {
    if (widget)
        widget->setProperty(kControlIdProperty, ctrlId);
}

int ControlIdOf(const QWidget* widget) {
    if (!widget)
        return -1;
    bool ok = false;
    const int id = widget->property(kControlIdProperty).toInt(&ok);
    return ok ? id : -1;
}

CKeldaToolTipCtrl::CKeldaToolTipCtrl(QWidget* parent, TextLookup lookup)
    : QObject(parent), m_parent(parent), m_lookup(std::move(lookup)) {
    if (!m_lookup)
        m_lookup = [](int id) { return CTarvoSettings::Instance().LoadText(id); };
}

CKeldaToolTipCtrl::~CKeldaToolTipCtrl() {
    for (auto& [window, text] : m_texts)
        if (window)
            window->removeEventFilter(this);
    delete m_balloon;
}

void CKeldaToolTipCtrl::AddToolWindow(QWidget* window, const QString& text, const QRect&, unsigned) {
    if (!window)
        return;
    m_toolWindows.push_back(window);
    auto known = std::find_if(m_texts.begin(), m_texts.end(), [&](const auto& t) { return t.first == window; });
    if (known != m_texts.end()) {
        known->second = text;
        return;
    }
    m_texts.emplace_back(window, text);
    window->installEventFilter(this);
    // A tool destroyed before the tooltip leaves no dangling pointer behind.
    connect(window, &QObject::destroyed, this, [this](QObject* gone) {
        std::erase_if(m_toolWindows, [gone](QWidget* w) { return w == gone; });
        std::erase_if(m_texts, [](const auto& t) { return t.first.isNull(); });
    });
}

void CKeldaToolTipCtrl::RemoveToolWindow(QWidget* window, unsigned) {
    auto first = std::find(m_toolWindows.begin(), m_toolWindows.end(), window);
    if (first != m_toolWindows.end())
        m_toolWindows.erase(first);
    auto known = std::find_if(m_texts.begin(), m_texts.end(), [&](const auto& t) { return t.first == window; });
    if (known == m_texts.end())
        return;
    if (window) {
        window->removeEventFilter(this);
        disconnect(window, &QObject::destroyed, this, nullptr);
    }
    m_texts.erase(known);
}

void CKeldaToolTipCtrl::RemoveAllToolWindows() {
    const std::vector<QWidget*> windows = m_toolWindows;
    for (QWidget* window : windows)
        RemoveToolWindow(window, 0);
    m_toolWindows.clear();
    HideTip();
}

bool CKeldaToolTipCtrl::IsRelayedEvent(const QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseMove:
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease: {
        const auto button = static_cast<const QMouseEvent*>(event)->button();
        return button == Qt::LeftButton || button == Qt::RightButton || button == Qt::MiddleButton;
    }
    default:
        return false;
    }
}

bool CKeldaToolTipCtrl::RelayEvent(QObject*, QEvent* event) {
    if (!event || !IsRelayedEvent(event))
        return false;
    if (!IsTipVisible())
        return true;
    if (event->type() == QEvent::MouseMove) {
        // The tip stays while the mouse is over the tool it belongs to.
        const QPoint global = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
        const auto current = std::find_if(m_toolWindows.begin(), m_toolWindows.end(), [&](QWidget* w) {
            return ControlIdOf(w) == m_nCurrentCtrlId && w->isVisible() &&
                   w->rect().contains(w->mapFromGlobal(global));
        });
        if (current != m_toolWindows.end())
            return true;
    }
    HideTip();
    return true;
}

QString CKeldaToolTipCtrl::TextOf(QWidget* window) const {
    auto known = std::find_if(m_texts.begin(), m_texts.end(), [&](const auto& t) { return t.first == window; });
    return known != m_texts.end() ? known->second : QString();
}

QImage CKeldaToolTipCtrl::LoadIcon() const {
    auto entry = std::find_if(m_entries.begin(), m_entries.end(),
                              [this](const ToolTipEntry& e) { return e.ctrlId == m_nCurrentCtrlId; });
    if (entry == m_entries.end() || entry->iconId == 0)
        return {};
    CGdiPlusBitmapResource bitmap(entry->iconId, CGdiPlusBitmapResource::kTypeBitmap);
    const qreal ratio = m_parent ? m_parent->devicePixelRatioF() : 1.0;
    return bitmap.ImageForRatio(ratio);
}

bool CKeldaToolTipCtrl::ShowTip(QWidget* tool, const QPoint& globalPos) {
    if (!tool || std::find(m_toolWindows.begin(), m_toolWindows.end(), tool) == m_toolWindows.end())
        return false;
    m_nCurrentCtrlId = ControlIdOf(tool);
    auto entry = std::find_if(m_entries.begin(), m_entries.end(),
                              [this](const ToolTipEntry& e) { return e.ctrlId == m_nCurrentCtrlId; });
    // Without an entry the previous description stays.
    if (entry != m_entries.end())
        m_description = entry->descriptionId ? m_lookup(static_cast<int>(entry->descriptionId)) : QString();
    if (!m_balloon)
        m_balloon = new CBalloonTip(m_parent);
    m_balloon->SetContent(TextOf(tool), m_description, LoadIcon());
    m_balloon->PointAt(globalPos + QPoint(0, 16));
    m_balloon->show();
    m_balloon->raise();
    return true;
}

void CKeldaToolTipCtrl::HideTip() {
    if (m_balloon)
        m_balloon->hide();
}

bool CKeldaToolTipCtrl::IsTipVisible() const { return m_balloon && m_balloon->isVisible(); }
QString CKeldaToolTipCtrl::CurrentText() const { return m_balloon ? m_balloon->Label() : QString(); }
QString CKeldaToolTipCtrl::CurrentDescription() const { return m_balloon ? m_balloon->Description() : QString(); }
QImage CKeldaToolTipCtrl::CurrentIcon() const { return m_balloon ? m_balloon->Icon() : QImage(); }
QWidget* CKeldaToolTipCtrl::Balloon() const { return m_balloon; }

bool CKeldaToolTipCtrl::eventFilter(QObject* watched, QEvent* event) {
    auto* window = qobject_cast<QWidget*>(watched);
    if (window && event->type() == QEvent::ToolTip) {
        // Qt's own wake-up delay has passed: our balloon takes the place of the plain tooltip.
        if (ShowTip(window, static_cast<QHelpEvent*>(event)->globalPos()))
            return true;
    } else if (window && event->type() == QEvent::Leave && ControlIdOf(window) == m_nCurrentCtrlId) {
        HideTip();
    }
    return QObject::eventFilter(watched, event);
}
