// One balloon tooltip for all tools of the main window: a one-line text in the current language
// with an icon (the green tick) and an optional description line.
#pragma once

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

class CBalloonTip;
class QEvent;

struct ToolTipEntry {
    int ctrlId;
    unsigned descriptionId;  // 0: empty description
    unsigned iconId;         // bitmap resource; 0: no icon
};

// A tool window's dialog control id, kept as a widget property; -1 when none was set.
inline constexpr char kControlIdProperty[] = "controlId";
void SetControlId(QWidget* widget, int ctrlId);
int ControlIdOf(const QWidget* widget);

class CKeldaToolTipCtrl : public QObject {
    Q_OBJECT
public:
    using TextLookup = std::function<QString(int id)>;

    // parent: the main window. Texts of description ids come from lookup (default: the settings'
    // language).
    explicit CKeldaToolTipCtrl(QWidget* parent, TextLookup lookup = {});
    ~CKeldaToolTipCtrl() override;

    // Registers a whole-window tool (rect and toolId are kept for the call's shape; always empty/0).
    virtual void AddToolWindow(QWidget* window, const QString& text, const QRect& rect = {}, unsigned toolId = 0);
    virtual void RemoveToolWindow(QWidget* window, unsigned toolId = 0);
    void RemoveAllToolWindows();

    // Hands an input event over: key down, mouse move and left, right, middle button down and up;
    // every other event type is ignored. True for a relayed type; the event is never consumed.
    bool RelayEvent(QObject* watched, QEvent* event);
    static bool IsRelayedEvent(const QEvent* event);

    // Shows the tip of a registered tool below globalPos at once (the tools' own tooltip events
    // come here after the usual wake-up delay). False for a window that is no tool.
    bool ShowTip(QWidget* tool, const QPoint& globalPos);
    void HideTip();
    bool IsTipVisible() const;

    // What the tip shows, for the tool last shown.
    QString CurrentText() const;
    QString CurrentDescription() const;
    QImage CurrentIcon() const;  // null when no icon
    // The balloon widget (for grabbing it); null before the first tip.
    QWidget* Balloon() const;

    static constexpr QSize IconSize() { return {32, 32}; }
    static constexpr int kMaxDescriptionWidth = 200;

    int m_nCurrentCtrlId = 0;
    std::vector<QWidget*> m_toolWindows;
    std::vector<ToolTipEntry> m_entries;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The entry's icon, or null (no entry for the current id, or icon id 0).
    QImage LoadIcon() const;
    QString TextOf(QWidget* window) const;

    QWidget* m_parent;
    TextLookup m_lookup;
    std::vector<std::pair<QPointer<QWidget>, QString>> m_texts;
    QString m_description;
    CBalloonTip* m_balloon = nullptr;
};
