#include "map/CCefClientHandler.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QWebEngineCertificateError>
#include <QWebEngineContextMenuRequest>
#include <QWebEngineLoadingInfo>

#include "app/StartupTiming.h"
#include "map/CCefClientApp.h"

// ---- CMapPage

CMapPage::CMapPage(CCefClientApp* app, CCefClientHandler* handler, QObject* parent)
    : QWebEnginePage(app->Profile(), parent), m_app(app) {
    // A page holding a bridge to the native side never runs script served under a bad certificate.
    connect(this, &QWebEnginePage::certificateError, this,
            [](QWebEngineCertificateError error) { error.rejectCertificate(); });
    connect(this, &QWebEnginePage::loadingChanged, handler,
            [this, handler](const QWebEngineLoadingInfo& info) {
                if (info.status() == QWebEngineLoadingInfo::LoadFailedStatus)
                    handler->OnLoadError(this, info.url(), info.errorString(), info.errorCode());
                else if (info.status() == QWebEngineLoadingInfo::LoadSucceededStatus)
                    TimingMark("map-page-loaded");
            });
}

bool CMapPage::javaScriptPrompt(const QUrl& origin, const QString& msg, const QString& defaultValue,
                                QString* result) {
    if (msg != QLatin1String(CCefClientApp::kNativeCallMarker))
        return QWebEnginePage::javaScriptPrompt(origin, msg, defaultValue, result);
    const QJsonObject call = QJsonDocument::fromJson(defaultValue.toUtf8()).object();
    QStringList args;
    for (const QJsonValue& v : call.value("args").toArray()) args << v.toString();
    const std::optional<int> r = m_app->InvokeNative(call.value("name").toString(), args);
    *result = r ? QString::number(*r) : QString();
    return true;
}

QWebEnginePage* CMapPage::createWindow(WebWindowType) { return nullptr; }  // popups are refused

// ---- CMapBrowser

CMapBrowser::CMapBrowser(CCefClientHandler* handler, QWidget* parent) : QWebEngineView(parent), m_handler(handler) {}

void CMapBrowser::contextMenuEvent(QContextMenuEvent* event) {
    QWebEngineContextMenuRequest* request = lastContextMenuRequest();
    if (!request) return;
    QMenu* menu = createStandardContextMenu();
    const QUrl link = request->linkUrl();
    m_handler->BuildContextMenu(menu, CCefClientHandler::TypeFlags(!link.isEmpty(), request->isContentEditable()),
                                page(), link);
    menu->setAttribute(Qt::WA_DeleteOnClose, true);
    menu->popup(event->globalPos());
}

// ---- CCefClientHandler

CCefClientHandler::CCefClientHandler(CCefClientApp* app, QObject* parent) : QObject(parent), m_app(app) {}

CMapBrowser* CCefClientHandler::CreateBrowser(const QUrl& url, const QRect& rect) {
    auto* browser = new CMapBrowser(this, m_hHostWnd);
    browser->setPage(new CMapPage(m_app, this, browser));
    browser->setGeometry(rect);
    OnAfterCreated(browser);
    connect(browser, &QObject::destroyed, this, &CCefClientHandler::OnBeforeClose);
    browser->load(url);
    browser->show();
    return browser;
}

void CCefClientHandler::OnAfterCreated(CMapBrowser* browser) {
    QMutexLocker lock(&m_lock);
    m_browsers.append(browser);
}

void CCefClientHandler::OnBeforeClose(QObject* browser) {
    QMutexLocker lock(&m_lock);
    for (qsizetype i = 0; i < m_browsers.size(); ++i) {
        // A destroyed browser's guard is already null; drop it too.
        if (m_browsers[i].isNull() || m_browsers[i].data() == browser) {
            m_browsers.removeAt(i);
            break;
        }
    }
}

QList<QPointer<CMapBrowser>> CCefClientHandler::Browsers() const {
    QList<QPointer<CMapBrowser>> copy;
    {
        QMutexLocker lock(&m_lock);
        copy = m_browsers;
    }
    copy.removeIf([](const QPointer<CMapBrowser>& b) { return b.isNull(); });
    return copy;
}

void CCefClientHandler::RunScript(const QString& code) const {
    for (const auto& browser : Browsers())
        if (browser) browser->page()->runJavaScript(code);
}

QString CCefClientHandler::LoadErrorPage(const QString& failedUrl, const QString& errorText, int errorCode) {
    return QStringLiteral("<html><body bgcolor=\"white\"><h2>Failed to load URL ") + failedUrl.toHtmlEscaped() +
           QStringLiteral(" with error ") + errorText.toHtmlEscaped() + QStringLiteral(" (") +
           QString::number(errorCode) + QStringLiteral(").</h2></body></html>");
}

void CCefClientHandler::OnLoadError(QWebEnginePage* page, const QUrl& failedUrl, const QString& errorText,
                                    int errorCode) {
    constexpr int kErrAborted = -3;
    if (errorCode == kErrAborted || !page) return;
    if (failedUrl.scheme() == QLatin1String("data")) return;  // the error page itself: no loop
    page->setHtml(LoadErrorPage(failedUrl.toString(), errorText, errorCode), failedUrl);
}

int CCefClientHandler::TypeFlags(bool onLink, bool editable) {
    if (onLink) return kMenuTypeLink;
    return kMenuTypePage | (editable ? kMenuTypeEditable : 0);
}

namespace {

void Relabel(QMenu* menu, QWebEnginePage* page, QWebEnginePage::WebAction action, const QString& label) {
    QAction* a = page ? page->action(action) : nullptr;
    if (a && menu->actions().contains(a)) a->setText(label);
}

QAction* AddCommand(QMenu* menu, const QString& label, int id) {
    QAction* a = menu->addAction(label);
    a->setData(id);
    return a;
}

}  // namespace

void CCefClientHandler::BuildContextMenu(QMenu* menu, int typeFlags, QWebEnginePage* page, const QUrl& linkUrl) {
    using WA = QWebEnginePage::WebAction;
    QPointer<QWebEnginePage> target(page);
    auto run = [this, target, linkUrl](int id) {
        return [this, target, linkUrl, id] { OnContextMenuCommand(id, target, linkUrl); };
    };
    if (typeFlags & kMenuTypeLink) {
        menu->clear();
        connect(AddCommand(menu, QStringLiteral("在新标签页中打开(&T)"), kCmdOpenLinkInNewTab), &QAction::triggered,
                this, run(kCmdOpenLinkInNewTab));
        menu->addSeparator();
        connect(AddCommand(menu, QStringLiteral("复制链接地址(&C)"), kCmdCopyLinkAddress), &QAction::triggered, this,
                run(kCmdCopyLinkAddress));
        return;
    }
    if (typeFlags & kMenuTypePage) {
        Relabel(menu, page, WA::Back, QStringLiteral("后退"));
        Relabel(menu, page, WA::Forward, QStringLiteral("前进"));
        menu->addSeparator();
        auto addWebAction = [&](const QString& label, WA action) {
            QAction* a = menu->addAction(label);
            connect(a, &QAction::triggered, this, [target, action] {
                if (target) target->triggerAction(action);
            });
        };
        addWebAction(QStringLiteral("刷新"), WA::Reload);
        addWebAction(QStringLiteral("强制刷新"), WA::ReloadAndBypassCache);
        addWebAction(QStringLiteral("停止加载"), WA::Stop);
        menu->addSeparator();
        Relabel(menu, page, WA::ViewSource, QStringLiteral("查看源代码"));
        connect(AddCommand(menu, QStringLiteral("开发者工具"), kCmdShowDevTools), &QAction::triggered, this,
                run(kCmdShowDevTools));
    }
    if (typeFlags & kMenuTypeEditable) {
        Relabel(menu, page, WA::Undo, QStringLiteral("撤销"));
        Relabel(menu, page, WA::Redo, QStringLiteral("重做"));
        Relabel(menu, page, WA::Cut, QStringLiteral("剪切"));
        Relabel(menu, page, WA::Copy, QStringLiteral("复制"));
        Relabel(menu, page, WA::Paste, QStringLiteral("粘贴"));
        Relabel(menu, page, WA::SelectAll, QStringLiteral("全选"));
    }
}

bool CCefClientHandler::OnContextMenuCommand(int commandId, QWebEnginePage* page, const QUrl& linkUrl) {
    switch (commandId) {
    case kCmdShowDevTools: {
        if (!page) return true;
        auto* tools = new QWebEngineView(m_hHostWnd);
        tools->setAttribute(Qt::WA_DeleteOnClose, true);
        tools->setGeometry(0, 0, 800, 600);
        page->setDevToolsPage(tools->page());
        tools->show();
        return true;
    }
    case kCmdCopyLinkAddress: {
        QClipboard* clipboard = QApplication::clipboard();
        if (!clipboard) return false;
        clipboard->clear();
        if (!linkUrl.isEmpty()) clipboard->setText(linkUrl.toString());
        return false;
    }
    case kCmdOpenLinkInNewTab:
        emit openLinkRequested(linkUrl);
        return false;
    default:
        return false;
    }
}
