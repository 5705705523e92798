#include "WebHarness.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>

#include "map/MapPages.h"

namespace maptest {

namespace {
constexpr int kBoundMs = 30000;  // only an upper bound for waits; never a measurement
}

void OfflineInterceptor::interceptRequest(QWebEngineUrlRequestInfo& info) {
    const QString scheme = info.requestUrl().scheme();
    if (scheme == "file" || scheme == "data" || scheme == "qrc" || scheme == "devtools") return;
    QMutexLocker lock(&m_lock);
    if (!m_allowedHost.isEmpty() && info.requestUrl().host() == m_allowedHost) return;
    info.block(true);
    m_blocked << info.requestUrl().toString();
}

QStringList OfflineInterceptor::Blocked() const {
    QMutexLocker lock(&m_lock);
    return m_blocked;
}

void OfflineInterceptor::AllowHost(const QString& host) {
    QMutexLocker lock(&m_lock);
    m_allowedHost = host;
}

void OfflineInterceptor::Clear() {
    QMutexLocker lock(&m_lock);
    m_blocked.clear();
}

namespace {
WebHarness* g_harness = nullptr;
}

WebHarness& WebHarness::Get() {
    if (!g_harness) g_harness = new WebHarness;
    return *g_harness;
}

void WebHarness::Shutdown() {
    delete g_harness;
    g_harness = nullptr;
}

WebHarness::~WebHarness() {
    for (const auto& b : m_handler->Browsers()) delete b.data();
    m_app->Profile()->setUrlRequestInterceptor(nullptr);
    m_handler.reset();
    m_app.reset();
    m_host.reset();
}

WebHarness::WebHarness() {
    m_host = std::make_unique<QWidget>();
    m_host->resize(800, 600);
    m_host->show();
    m_app = std::make_unique<CCefClientApp>(nullptr, QString());
    m_app->Start();
    m_app->Profile()->setUrlRequestInterceptor(&m_interceptor);
    m_app->SetMessageBox([this](const QString& text, const QString& caption) { m_boxes.append({text, caption}); });
    m_handler = std::make_unique<CCefClientHandler>(m_app.get());
    m_handler->SetHostWindow(m_host.get());
}

CMapBrowser* WebHarness::Open(const QString& address, const QString& standIn) {
    // The stand-ins join the page before it loads; the list is only read at load time.
    CMapBrowser* browser = m_handler->CreateBrowser(QUrl("about:blank"), QRect(0, 0, 800, 580));
    QSignalSpy blank(browser, &QWebEngineView::loadFinished);
    blank.wait(kBoundMs);
    if (!standIn.isEmpty()) {
        QWebEngineScript s;
        s.setName("stand-in");
        s.setSourceCode(standIn);
        s.setInjectionPoint(QWebEngineScript::DocumentCreation);
        s.setWorldId(QWebEngineScript::MainWorld);
        browser->page()->scripts().insert(s);
    }
    QSignalSpy loaded(browser, &QWebEngineView::loadFinished);
    browser->load(ResolveMapUrl(address));
    loaded.wait(kBoundMs);
    return browser;
}


QString StandInScript(const QString& name) {
    QFile f(QStringLiteral(NORVIK_MAP_TEST_DIR "/web/") + name);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(f.readAll());
}

}  // namespace maptest
