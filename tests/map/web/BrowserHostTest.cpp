#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

#include "WebHarness.h"
#include "map/CCefClientApp.h"
#include "map/MapNotify.h"
#include "map/MapPages.h"
#include "app/CTarvoSettings.h"
#include <QTemporaryDir>

using maptest::Js;
using maptest::WaitForJs;
using maptest::WebHarness;

namespace {

const QString kHostPage = QUrl::fromLocalFile(QStringLiteral(NORVIK_MAP_TEST_DIR "/web/host_test.html")).toString();

struct OpenPage {
    explicit OpenPage(const QString& address) : browser(WebHarness::Get().Open(address)), page(browser->page()) {}
    ~OpenPage() { delete browser; }
    QVariant operator()(const QString& code) const { return Js(page, code); }
    CMapBrowser* browser;
    QWebEnginePage* page;
};

TEST(BrowserHost, NativeCallShowsTheBoxAndAnswersSynchronously) {
    OpenPage p(kHostPage);
    auto& boxes = WebHarness::Get().Boxes();
    boxes.clear();
    EXPECT_EQ(p("app.jsInvokeCPlusPlus('a', 'b')").toInt(), 0);
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].text, "jsInvokeCPlusPlus(a,b)");
    EXPECT_EQ(boxes[0].caption, "jsInvokeCPlusPlus");

    EXPECT_EQ(p("app.jsInvokeCPlusPlus('a')").toInt(), 2);
    EXPECT_EQ(p("app.jsInvokeCPlusPlus()").toInt(), 2);
    EXPECT_EQ(boxes.size(), 1);  // no box for another number of arguments
    EXPECT_EQ(p("app.jsInvokeCPlusPlus('a', 'b', 'c')").toInt(), 0);  // the wrapper forwards two
    EXPECT_EQ(p("app.jsInvokeCPlusPlus(1, 'b')").toInt(), 0);         // a non-string reads as empty
    ASSERT_EQ(boxes.size(), 3);
    EXPECT_EQ(boxes[1].text, "jsInvokeCPlusPlus(a,b)");
    EXPECT_EQ(boxes[2].text, "jsInvokeCPlusPlus(,b)");

    // The text is cut to 511 characters; arguments with "%1" are taken as they are.
    boxes.clear();
    EXPECT_EQ(p("app.jsInvokeCPlusPlus('%2' + 'x'.repeat(600), 'tail')").toInt(), 0);
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].text.size(), 511);
    EXPECT_TRUE(boxes[0].text.startsWith("jsInvokeCPlusPlus(%2xxx"));
    // A page replacing window.prompt does not cut the bridge.
    EXPECT_EQ(p("window.prompt = function () { return '7'; }; app.jsInvokeCPlusPlus('c', 'd')").toInt(), 0);
    EXPECT_EQ(boxes.last().text, "jsInvokeCPlusPlus(c,d)");
}

TEST(BrowserHost, PageGlobalsAndThePerPageValue) {
    OpenPage first(kHostPage);
    EXPECT_EQ(first("window.jsValue").toString(), "C++ created Value!");
    EXPECT_EQ(first("typeof myobject.myval").toString(), "string");
    EXPECT_EQ(first("try { myobject.myval = 5; 'no error'; } catch (e) { e.message; }").toString(),
              "Invalid value type");
    EXPECT_EQ(first("myobject.myval = 'x'; myobject.myval").toString(), "x");
    OpenPage second(kHostPage);
    EXPECT_EQ(second("myobject.myval").toString(), "");
    EXPECT_EQ(first("myobject.myval").toString(), "x");
}

TEST(BrowserHost, MissingPageShowsTheErrorPage) {
    const QUrl missing = ResolveMapUrl("file:///res/no-such-page.html");
    OpenPage p(missing.toString());
    ASSERT_TRUE(WaitForJs(p.page, "document.body && document.body.textContent.indexOf('Failed to load URL') === 0"));
    const QString text = p("document.body.textContent").toString();
    const QString head = "Failed to load URL " + missing.toString() + " with error ";
    EXPECT_TRUE(text.startsWith(head)) << text.toStdString();
    const QRegularExpressionMatch m = QRegularExpression(R"(with error (.+) \((-\d+)\)\.$)").match(text);
    ASSERT_TRUE(m.hasMatch()) << text.toStdString();
    EXPECT_FALSE(m.captured(1).trimmed().isEmpty());
    EXPECT_LT(m.captured(2).toInt(), 0);
    EXPECT_EQ(p("document.body.getAttribute('bgcolor')").toString(), "white");
}

TEST(BrowserHost, ErrorPageEscapesWhatItInserts) {
    EXPECT_EQ(CCefClientHandler::LoadErrorPage("file:///res/a<b>&\"c\".html", "ERR_<x>", -6),
              "<html><body bgcolor=\"white\"><h2>Failed to load URL file:///res/a&lt;b&gt;&amp;&quot;c&quot;.html "
              "with error ERR_&lt;x&gt; (-6).</h2></body></html>");
}

TEST(BrowserHost, AbortedLoadLeavesThePage) {
    OpenPage p(kHostPage);
    WebHarness::Get().Handler().OnLoadError(p.page, QUrl("file:///x.html"), "aborted", -3);
    QTest::qWait(0);
    EXPECT_EQ(p("document.title").toString(), "host test");
}

TEST(BrowserHost, PopupsAreRefused) {
    OpenPage p(kHostPage);
    const int before = WebHarness::Get().Handler().Browsers().size();
    EXPECT_TRUE(p("window.open('host_test.html#popup') === null").toBool());
    p("document.getElementById('newWindow').click()");
    QTest::qWait(0);
    EXPECT_EQ(p("location.hash").toString(), "");
    EXPECT_EQ(WebHarness::Get().Handler().Browsers().size(), before);
    EXPECT_EQ(WebHarness::Get().Host().findChildren<QWebEngineView*>().size(), before);
}

TEST(BrowserHost, ScriptsRunInEveryListedBrowser) {
    auto& handler = WebHarness::Get().Handler();
    for (const auto& b : handler.Browsers()) delete b.data();
    handler.RunScript("window.hits = 1");  // no browser: dropped, not kept for later
    OpenPage a(kHostPage);
    OpenPage b(kHostPage);
    handler.RunScript("window.hits = (window.hits || 0) + 1");
    EXPECT_TRUE(WaitForJs(a.page, "window.hits === 1"));
    EXPECT_TRUE(WaitForJs(b.page, "window.hits === 1"));
    delete a.browser;
    a.browser = nullptr;
    handler.RunScript("window.hits += 10");
    EXPECT_TRUE(WaitForJs(b.page, "window.hits === 11"));
}

TEST(BrowserHost, BrowsersListedOldestFirstUntilDestroyed) {
    auto& handler = WebHarness::Get().Handler();
    const int before = handler.Browsers().size();
    CMapBrowser* a = handler.CreateBrowser(QUrl("about:blank"), QRect(0, 0, 10, 10));
    CMapBrowser* b = handler.CreateBrowser(QUrl("about:blank"), QRect(0, 0, 10, 10));
    auto list = handler.Browsers();
    ASSERT_EQ(list.size(), before + 2);
    EXPECT_EQ(list[before], a);
    EXPECT_EQ(list[before + 1], b);
    EXPECT_EQ(a->parentWidget(), &WebHarness::Get().Host());
    delete a;
    list = handler.Browsers();
    ASSERT_EQ(list.size(), before + 1);
    EXPECT_EQ(list[before], b);
    delete b;
    EXPECT_EQ(handler.Browsers().size(), before);
}

QStringList Labels(const QMenu& menu) {
    QStringList labels;
    for (QAction* a : menu.actions()) labels << (a->isSeparator() ? QStringLiteral("--") : a->text());
    return labels;
}

TEST(ContextMenu, LinkMenuHasTwoEntriesAndCopiesTheAddress) {
    OpenPage p(kHostPage);
    auto& handler = WebHarness::Get().Handler();
    QMenu menu;
    menu.addAction(p.page->action(QWebEnginePage::Back));
    menu.addAction(p.page->action(QWebEnginePage::OpenLinkInNewWindow));
    const QUrl link("https://example.org/a?b=1");
    handler.BuildContextMenu(&menu, CCefClientHandler::TypeFlags(true, true), p.page, link);
    EXPECT_EQ(Labels(menu), QStringList({"在新标签页中打开(&T)", "--", "复制链接地址(&C)"}));

    QApplication::clipboard()->setText("before");
    menu.actions().at(2)->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), link.toString());

    QSignalSpy opened(&handler, &CCefClientHandler::openLinkRequested);
    menu.actions().at(0)->trigger();
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0][0].toUrl(), link);
}

TEST(ContextMenu, PageAndEditableLabelsAreChinese) {
    OpenPage p(kHostPage);
    using WA = QWebEnginePage::WebAction;
    QMenu menu;
    for (WA a : {WA::Back, WA::Forward, WA::Reload, WA::ViewSource, WA::Undo, WA::Redo, WA::Cut, WA::Copy, WA::Paste,
                 WA::SelectAll})
        menu.addAction(p.page->action(a));
    WebHarness::Get().Handler().BuildContextMenu(&menu, CCefClientHandler::TypeFlags(false, true), p.page, QUrl());
    EXPECT_EQ(Labels(menu), QStringList({"后退", "前进", p.page->action(WA::Reload)->text(), "查看源代码", "撤销", "重做",
                                         "剪切", "复制", "粘贴", "全选", "--", "刷新", "强制刷新", "停止加载", "--",
                                         "开发者工具"}));

    QMenu plain;
    plain.addAction(p.page->action(WA::Cut));
    WebHarness::Get().Handler().BuildContextMenu(&plain, CCefClientHandler::TypeFlags(false, false), p.page, QUrl());
    EXPECT_EQ(Labels(plain).size(), 7);  // not editable: the edit entries keep their text
    EXPECT_EQ(CCefClientHandler::TypeFlags(false, false), kMenuTypePage);
    EXPECT_EQ(CCefClientHandler::TypeFlags(false, true), kMenuTypePage | kMenuTypeEditable);
    EXPECT_EQ(CCefClientHandler::TypeFlags(true, false), kMenuTypeLink);
}

TEST(ContextMenu, DeveloperToolsOpenInAChildOfTheHost) {
    OpenPage p(kHostPage);
    auto& handler = WebHarness::Get().Handler();
    const int browsers = handler.Browsers().size();
    EXPECT_TRUE(handler.OnContextMenuCommand(kCmdShowDevTools, p.page, QUrl()));
    QWebEnginePage* tools = p.page->devToolsPage();
    ASSERT_NE(tools, nullptr);
    auto* view = qobject_cast<QWebEngineView*>(QWebEngineView::forPage(tools));
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->parentWidget(), &WebHarness::Get().Host());
    EXPECT_EQ(view->geometry(), QRect(0, 0, 800, 600));
    EXPECT_EQ(handler.Browsers().size(), browsers);  // not a map browser: scripts never go there
    delete view;
    EXPECT_FALSE(handler.OnContextMenuCommand(12345, p.page, QUrl()));
}

class NotifyProbe : public QObject {
public:
    QList<intptr_t> received;
    bool event(QEvent* e) override {
        if (e->type() == static_cast<QEvent::Type>(WM_MAP_NOTIFY)) {
            received << static_cast<CMapNotifyEvent*>(e)->WParam();
            return true;
        }
        return QObject::event(e);
    }
};

TEST(ClientApp, PostsContextReadyAndSetsUpTheProfile) {
    NotifyProbe probe;
    CCefClientApp app(&probe, QString());
    app.Start();
    EXPECT_TRUE(probe.received.isEmpty());  // posted, not sent
    EXPECT_TRUE(QTest::qWaitFor([&] { return !probe.received.isEmpty(); }, 5000));
    EXPECT_EQ(probe.received, QList<intptr_t>({kNotifyContextReady}));
    ASSERT_NE(app.Profile(), nullptr);
    EXPECT_TRUE(app.Profile()->settings()->testAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls));
    EXPECT_TRUE(qgetenv("QTWEBENGINE_CHROMIUM_FLAGS").contains("--disable-extensions"));
}

TEST(ClientApp, ExtensionTextAndItsBinding) {
    EXPECT_EQ(std::strlen(CCefClientApp::kExtensionSource), 171u);
    const QString script = CCefClientApp::PageGlobalsScript();
    EXPECT_FALSE(script.contains("native function"));
    EXPECT_TRUE(script.contains("var app;if (!app)  app = {};(function() {  app.jsInvokeCPlusPlus = function(v1, v2) {"));
    EXPECT_TRUE(script.contains("return jsInvokeCPlusPlus(v1, v2);  };})();"));
}

TEST(MapPagesAddresses, ResolveAndChoose) {
    EXPECT_EQ(ResolveMapUrl("file:///res/osm.html", "/opt/v/res"), QUrl("file:///opt/v/res/osm.html"));
    EXPECT_EQ(ResolveMapUrl("file:///res/gmap_ja.html?key=A%26B", "/opt/v/res/").toString(),
              "file:///opt/v/res/gmap_ja.html?key=A%26B");
    EXPECT_EQ(ResolveMapUrl("file:///res/../../etc/passwd", "/opt/v/res"), QUrl("file:///res/../../etc/passwd"));
    EXPECT_EQ(ResolveMapUrl("https://example.org/", "/opt/v/res"), QUrl("https://example.org/"));
    EXPECT_EQ(MapPageAddress(1, "key"), "file:///res/BMap.html");
    EXPECT_EQ(MapPageAddress(0, ""), "file:///res/osm.html");
    EXPECT_EQ(MapPageAddress(0, "Ab c&d"), "file:///res/gmap_ja.html?key=Ab%20c%26d");
    const QString folder = MapResourceFolder();
    ASSERT_FALSE(folder.isEmpty());
    for (const char* page : {"gmap_ja.html", "BMap.html", "osm.html", "gmap_ufo.png", "leaflet/leaflet.js",
                             "leaflet/leaflet.css", "leaflet/LICENSE"})
        EXPECT_TRUE(QFile::exists(folder + "/" + page)) << page;
}

TEST(MapPagesAddresses, GoogleKeyFromTheSettingsFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    CTarvoSettings settings(dir.path());
    EXPECT_EQ(ReadGoogleMapKey(settings), "");
    EXPECT_EQ(MapPageAddress(0, ReadGoogleMapKey(settings)), "file:///res/osm.html");
    ASSERT_TRUE(settings.WriteString("UI", "GMAP_KEY", "  AIzaTestKey  "));
    ASSERT_TRUE(settings.WriteString("WINPOS", "GMAP_KEY", "other"));
    EXPECT_EQ(ReadGoogleMapKey(settings), "AIzaTestKey");
    EXPECT_EQ(MapPageAddress(0, ReadGoogleMapKey(settings)), "file:///res/gmap_ja.html?key=AIzaTestKey");
}

}  // namespace
