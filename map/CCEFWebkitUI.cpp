#include "map/CCEFWebkitUI.h"

#include <QWidget>
#include <cstdio>

#include "map/CCefClientHandler.h"
#include "map/MapPages.h"

namespace {
void Trace(const char* line) {
    std::fputs(line, stdout);
    std::fflush(stdout);
}
}  // namespace

CCEFWebkitUI::CCEFWebkitUI(QWidget* parent, CCefClientApp* app)
    : m_hParent(parent), m_pHandler(std::make_unique<CCefClientHandler>(app)) {
    m_pHandler->SetHostWindow(parent);
}

CCEFWebkitUI::~CCEFWebkitUI() {
    // Pages go before the profile they belong to.
    for (const auto& browser : m_pHandler->Browsers()) delete browser.data();
}

QString CCEFWebkitUI::GetWindowClassName() const { return QStringLiteral("WKEWebkitUI"); }

void CCEFWebkitUI::SetPos(int left, int top, int right, int bottom) {
    Trace("==>>CCEFWebkitUI::SetPos \n");
    m_rcPos = {left, top, right, bottom};
    const auto browsers = m_pHandler->Browsers();
    for (int i = 0; i < browsers.size(); ++i) {
        QWidget* window = browsers[i].data();
        if (!window) continue;
        if (i == m_nActive) {
            window->hide();
            window->show();
            window->setGeometry(left, top, right - left, bottom - top);
            window->update();
        } else {
            window->hide();
        }
    }
}

WebViewRect CCEFWebkitUI::GetPos() const { return m_rcPos; }

void CCEFWebkitUI::ReFresh() {
    Trace("==>>CCEFWebkitUI::ReFresh Refresh the Webview \n");
    for (const auto& browser : m_pHandler->Browsers()) {
        if (!browser) continue;
        Trace("==>> CCEFWebkitUI::Refresh the Webview \n");
        browser->hide();
        browser->show();
    }
}

void CCEFWebkitUI::LoadURL(const QString& url) {
    const QUrl resolved = ResolveMapUrl(url);
    const auto browsers = m_pHandler->Browsers();
    if (m_nActive < browsers.size() && browsers[m_nActive]) {
        browsers[m_nActive]->load(resolved);
        return;
    }
    m_pHandler->CreateBrowser(resolved, QRect(m_rcPos.left, m_rcPos.top, m_rcPos.right - m_rcPos.left,
                                              m_rcPos.bottom - m_rcPos.top));
}

void CCEFWebkitUI::RunScript(const QString& code) { m_pHandler->RunScript(code); }
