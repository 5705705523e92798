// One browser host for every page test: an off-the-record profile whose requests to the network are
// blocked (and recorded), a host widget, and helpers that wait for loads and script results.
#pragma once

#include <QList>
#include <QMutex>
#include <QStringList>
#include <QUrl>
#include <QVariant>
#include <QWebEngineUrlRequestInterceptor>
#include <QWidget>
#include <memory>

#include "map/CCefClientApp.h"
#include "map/CCefClientHandler.h"

#include "tests/support/PageScript.h"

namespace maptest {

class OfflineInterceptor : public QWebEngineUrlRequestInterceptor {
public:
    void interceptRequest(QWebEngineUrlRequestInfo& info) override;
    QStringList Blocked() const;
    void Clear();
    void AllowHost(const QString& host);  // one host that may be reached; empty for none

private:
    mutable QMutex m_lock;
    QString m_allowedHost;
    QStringList m_blocked;
};

struct MessageBoxCall {
    QString text, caption;
};

class WebHarness {
public:
    static WebHarness& Get();
    static void Shutdown();  // before the QApplication goes
    ~WebHarness();

    CCefClientApp& App() { return *m_app; }
    CCefClientHandler& Handler() { return *m_handler; }
    QWidget& Host() { return *m_host; }
    OfflineInterceptor& Interceptor() { return m_interceptor; }
    QList<MessageBoxCall>& Boxes() { return m_boxes; }

    // A new browser loading address ("file:///res/..." resolved to the page folder); waits for the
    // first load to finish. Scripts in standIn run in the page before its own.
    CMapBrowser* Open(const QString& address, const QString& standIn = {});

private:
    WebHarness();
    std::unique_ptr<QWidget> m_host;
    std::unique_ptr<CCefClientApp> m_app;
    std::unique_ptr<CCefClientHandler> m_handler;
    OfflineInterceptor m_interceptor;
    QList<MessageBoxCall> m_boxes;
};

using pagescript::Js;
using pagescript::WaitForJs;

// The contents of a file beside this test's sources.
QString StandInScript(const QString& name);

}  // namespace maptest
