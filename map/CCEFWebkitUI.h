// The map window's web view: creates the browsers over its parent, positions the active one and
// runs scripts in all of them. Writes its trace lines to standard output.
#pragma once

#include <QString>
#include <memory>

class CCefClientApp;
class CCefClientHandler;
class QWidget;

struct WebViewRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const WebViewRect&) const = default;
};

class CCEFWebkitUI {
public:
    // parent holds every browser; app gives their profile.
    CCEFWebkitUI(QWidget* parent, CCefClientApp* app);
    virtual ~CCEFWebkitUI();
    CCEFWebkitUI(const CCEFWebkitUI&) = delete;
    CCEFWebkitUI& operator=(const CCEFWebkitUI&) = delete;

    virtual QString GetWindowClassName() const;
    // Stores the rectangle (parent coordinates) and moves the active browser to it; others are hidden.
    virtual void SetPos(int left, int top, int right, int bottom);
    virtual WebViewRect GetPos() const;

    // Hides and shows every browser so that it repaints after a move.
    void ReFresh();
    // Shows url ("file:///res/..." resolved to the page folder) in the active browser, creating it at
    // the stored rectangle when there is none yet.
    void LoadURL(const QString& url);
    // Runs code in the main frame of every browser, oldest first; dropped while there is none.
    void RunScript(const QString& code);

    CCefClientHandler* Handler() const { return m_pHandler.get(); }
    int Active() const { return m_nActive; }

private:
    QWidget* m_hParent;
    std::unique_ptr<CCefClientHandler> m_pHandler;
    int m_nActive = 0;
    WebViewRect m_rcPos;
};
