// What a user does and sees in the end-to-end test: clicks on real widgets, the answers given to the
// program's dialogs, and the files the program leaves behind.
#pragma once

#include <QAbstractItemModel>
#include <QSize>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "app/ShellDialogs.h"

class QTableView;
class QWidget;

// Answers the program's dialogs as a user would, and remembers the messages shown.
struct ScriptedUser : IShellDialogs {
    int RunModal(QDialog&) override { return 0; }
    void ShowMessage(QWidget*, const QString& caption, const QString& text) override;
    bool AskMessage(QWidget*, const QString& caption, const QString& text, bool withCancel, bool warning) override;
    std::optional<QString> PickFolder(QWidget*, const QString&, const QString&) override;
    std::optional<QString> PickSaveFile(QWidget*, const QString&, const QString&) override;

    std::deque<QString> folders;    // answers of the folder dialogs, in turn; Cancel when none is left
    std::deque<QString> saveFiles;  // answers of the save-file dialogs
    QStringList messages;           // "caption: text" of every box shown
    int questions = 0;              // boxes with OK and Cancel
};

// Polls the event loop until done() holds; false after timeoutMs.
bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 15000);

void ClickAt(QWidget* widget, QPoint pos);
void ClickCentre(QWidget* widget);
void DoubleClickCentre(QWidget* widget);

// The list's row whose cells hold text in some column, or -1.
int RowHolding(const QAbstractItemModel& model, const QString& text);
int HighlightedRow(const QTableView& list);  // the current-recording row, or -1
// Clicks the check box of a group list row; true when its check state changed.
bool ClickCheckBox(QTableView& list, int row);

struct PngHeader {
    bool valid = false;
    int width = 0;
    int height = 0;
};
PngHeader ReadPngHeader(const QString& path);
bool SameBytes(const std::string& a, const std::string& b);

// The share of a widget's pixels on the screen that are lit, as the user sees them.
double LitShareOnScreen(QWidget* widget);
