#include "map/CHtmlMapDlg.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QResizeEvent>
#include <QTimerEvent>

#include "map/CCEFWebkitUI.h"
#include "map/CCefClientApp.h"
#include "map/MapNotify.h"
#include "map/MapPages.h"
#include "map/core/MapCommands.h"

CHtmlMapDlg::CHtmlMapDlg(QWidget* parent, const QString& storageName)
    : QWidget(parent), m_storageName(storageName) {
    setAttribute(Qt::WA_StyledBackground, false);
}

CHtmlMapDlg::~CHtmlMapDlg() { ShutdownBrowserRuntime(); }

void CHtmlMapDlg::ShutdownBrowserRuntime() {
    m_refreshTimer.stop();
    m_pWebView.reset();  // the browsers' pages go before their profile
    m_app.reset();
    m_bContextReady = false;
}

bool CHtmlMapDlg::CreateInPlace(QWidget* parent, const std::function<QWidget*(int id)>& findControl) {
    QWidget* placeholder = findControl ? findControl(kPlaceholderId) : nullptr;
    if (!parent || !placeholder) return false;
    QRect rect = placeholder->geometry();
    if (placeholder->parentWidget() != parent)
        rect.moveTopLeft(parent->mapFromGlobal(placeholder->mapToGlobal(QPoint(0, 0))));
    delete placeholder;
    if (parentWidget() != parent) setParent(parent);
    InitBrowserRuntime();
    PlaceAt(rect.adjusted(2, 2, -2, -2));
    raise();
    show();
    return true;
}

void CHtmlMapDlg::InitBrowserRuntime() {
    if (!m_app) {
        // Chromium refuses its sandbox as root; the switch is read when the engine starts, here.
        if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
            qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
        m_app = std::make_unique<CCefClientApp>(this, m_storageName);
        m_app->Start();  // posts the context-ready notification
    }
    if (!m_pWebView) m_pWebView = std::make_unique<CCEFWebkitUI>(this, m_app.get());
}

void CHtmlMapDlg::PlaceAt(const QRect& rect) {
    m_fittedSize = rect.size();  // no second fit from the resize this causes
    setGeometry(rect);
    update();
    FitBrowser();
}

void CHtmlMapDlg::FitBrowser() {
    m_fittedSize = size();
    if (!m_pWebView) return;
    const int h = height();
    m_pWebView->SetPos(0, 0, width(), h <= kBottomStrip ? h : h - kBottomStrip);
    QCoreApplication::postEvent(this, new CMapNotifyEvent(kNotifyRefresh));
}

void CHtmlMapDlg::Collapse() {
    if (!m_pWebView) return;
    m_pWebView->SetPos(0, 0, 1, 1);
    QCoreApplication::postEvent(this, new CMapNotifyEvent(kNotifyRefresh));
}

void CHtmlMapDlg::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The main window's layout may move this window without PlaceAt; the browser follows.
    if (event->size() != m_fittedSize) FitBrowser();
}

void CHtmlMapDlg::SetMapType(int mapType) {
    m_nMapType = mapType;
    if (!m_bContextReady || !m_pWebView) return;
    m_pWebView->LoadURL(MapPageAddress(mapType, m_googleKey));
}

void CHtmlMapDlg::SendPosition(double latitude, double longitude, bool alreadyDegrees) {
    ExecuteScript(PositionCommand(latitude, longitude, alreadyDegrees));
}

void CHtmlMapDlg::ExecuteScript(const std::string& script) {
    if (m_pWebView) m_pWebView->RunScript(QString::fromStdString(script));
}

bool CHtmlMapDlg::event(QEvent* event) {
    if (event->type() != static_cast<QEvent::Type>(WM_MAP_NOTIFY)) return QWidget::event(event);
    switch (static_cast<CMapNotifyEvent*>(event)->WParam()) {
        case kNotifyContextReady:
            if (!m_app) break;  // shut down meanwhile
            m_bContextReady = true;
            SetMapType(m_nMapType);
            break;
        case kNotifyRefresh:
            m_refreshTimer.start(kRefreshDelayMs, this);  // a later call restarts it
            break;
        default:
            break;
    }
    return true;
}

void CHtmlMapDlg::timerEvent(QTimerEvent* event) {
    if (event->timerId() != m_refreshTimer.timerId()) return QWidget::timerEvent(event);
    if (m_pWebView) m_pWebView->ReFresh();
    m_refreshTimer.stop();
}
