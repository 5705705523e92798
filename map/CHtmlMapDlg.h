// The map window: a child of the main window over the map area. It starts the browser runtime, owns
// the web view, shows the page of the map type once the runtime is ready and sends the map commands.
#pragma once

#include <QBasicTimer>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

#include "catalogue/CatalogueViews.h"

class CCEFWebkitUI;
class CCefClientApp;

class CHtmlMapDlg : public QWidget, public IMapView {
    Q_OBJECT
public:
    static constexpr int kRefreshTimerId = 0xA020;
    static constexpr int kRefreshDelayMs = 100;
    static constexpr int kBottomStrip = 10;  // pixels the browser leaves free at the bottom
    static constexpr int kPlaceholderId = 1004;

    // storageName names the browser profile kept under the user's cache folder; empty keeps nothing.
    explicit CHtmlMapDlg(QWidget* parent, const QString& storageName = QStringLiteral("Velidor"));
    ~CHtmlMapDlg() override;

    // Takes the place of parent's map placeholder (the child with control id 1004, found by
    // findControl), shrunk by 2 pixels on every side, and starts the runtime. False without it.
    bool CreateInPlace(QWidget* parent, const std::function<QWidget*(int id)>& findControl);
    void PlaceAt(const QRect& rect);
    void Collapse();
    // Remembers the type; once the runtime is ready, shows its page.
    void SetMapType(int mapType);
    // The Google page's key; while empty the OpenStreetMap page stands in for it.
    void SetGoogleMapKey(const QString& key) { m_googleKey = key; }

    void SendPosition(double latitude, double longitude, bool alreadyDegrees) override;
    void ExecuteScript(const std::string& script) override;

    // Closes the browsers and the runtime; nothing runs in the map afterwards.
    void ShutdownBrowserRuntime();

    int MapType() const { return m_nMapType; }
    bool IsContextReady() const { return m_bContextReady; }
    bool RefreshPending() const { return m_refreshTimer.isActive(); }
    CCEFWebkitUI* WebView() const { return m_pWebView.get(); }
    CCefClientApp* App() const { return m_app.get(); }

protected:
    bool event(QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void InitBrowserRuntime();
    void FitBrowser();

    int m_nMapType = 0;
    QString m_storageName;
    QString m_googleKey;
    std::unique_ptr<CCefClientApp> m_app;
    std::unique_ptr<CCEFWebkitUI> m_pWebView;
    bool m_bContextReady = false;
    QBasicTimer m_refreshTimer;
    QSize m_fittedSize{-1, -1};
};
