// The per-browser side of the embedded browser: the ordered list of map browsers, refused popups,
// the load-error page, and the context menu with its own commands.
#pragma once

#include <QList>
#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>

class CCefClientApp;
class CCefClientHandler;
class QMenu;
class QWebEngineLoadingInfo;

// Own context-menu commands.
constexpr int kCmdOpenLinkInNewTab = 26700;
constexpr int kCmdCopyLinkAddress = 26701;
constexpr int kCmdShowDevTools = 26702;

// Context-menu type flags.
constexpr int kMenuTypePage = 1;
constexpr int kMenuTypeLink = 4;
constexpr int kMenuTypeEditable = 32;

// A map page: native calls through the prompt, no popups, certificate errors refused.
class CMapPage : public QWebEnginePage {
    Q_OBJECT
public:
    CMapPage(CCefClientApp* app, CCefClientHandler* handler, QObject* parent);

protected:
    bool javaScriptPrompt(const QUrl& origin, const QString& msg, const QString& defaultValue, QString* result) override;
    QWebEnginePage* createWindow(WebWindowType type) override;

private:
    CCefClientApp* m_app;
};

// A browser of the handler: a web view whose context menu the handler builds.
class CMapBrowser : public QWebEngineView {
    Q_OBJECT
public:
    CMapBrowser(CCefClientHandler* handler, QWidget* parent);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    CCefClientHandler* m_handler;
};

class CCefClientHandler : public QObject {
    Q_OBJECT
public:
    explicit CCefClientHandler(CCefClientApp* app, QObject* parent = nullptr);

    // The widget the browsers (and the developer tools) are children of.
    void SetHostWindow(QWidget* host) { m_hHostWnd = host; }
    QWidget* HostWindow() const { return m_hHostWnd; }

    // A new browser over rect of the host, loading url; it joins the list at once and leaves it when
    // destroyed.
    CMapBrowser* CreateBrowser(const QUrl& url, const QRect& rect);
    // A copy of the list, oldest first; entries of destroyed browsers are gone.
    QList<QPointer<CMapBrowser>> Browsers() const;
    // Runs code in the main frame of every listed browser, oldest first; nothing without browsers.
    void RunScript(const QString& code) const;

    // "<html>...Failed to load URL <url> with error <text> (<code>).</h2></body></html>", escaped.
    static QString LoadErrorPage(const QString& failedUrl, const QString& errorText, int errorCode);
    // Shows the error page in page for a failed load; aborted loads (-3) leave it unchanged.
    void OnLoadError(QWebEnginePage* page, const QUrl& failedUrl, const QString& errorText, int errorCode);

    static int TypeFlags(bool onLink, bool editable);
    // Adapts Qt's standard menu for page (its actions are the page's web actions) to the flags.
    void BuildContextMenu(QMenu* menu, int typeFlags, QWebEnginePage* page, const QUrl& linkUrl);
    // Own commands; false for ids left to the browser.
    bool OnContextMenuCommand(int commandId, QWebEnginePage* page, const QUrl& linkUrl);

    CCefClientApp* App() const { return m_app; }

signals:
    // A link asked to open in a new tab or window; the map window does not act on it.
    void openLinkRequested(const QUrl& url);

private:
    void OnAfterCreated(CMapBrowser* browser);
    void OnBeforeClose(QObject* browser);
    void OnLoadingChanged(QWebEnginePage* page, const QWebEngineLoadingInfo& info);

    CCefClientApp* m_app;
    QPointer<QWidget> m_hHostWnd;
    mutable QMutex m_lock;
    QList<QPointer<CMapBrowser>> m_browsers;
};
