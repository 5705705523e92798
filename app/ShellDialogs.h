// The modal windows the main window opens, behind one seam so that tests can answer them.
#pragma once

#include <QString>
#include <optional>

class QDialog;
class QWidget;

class IShellDialogs {
public:
    virtual ~IShellDialogs() = default;
    // Runs a dialog modally; its result code.
    virtual int RunModal(QDialog& dialog) = 0;
    // A warning box with an OK button.
    virtual void ShowMessage(QWidget* owner, const QString& caption, const QString& text) = 0;
    // A message box with OK, or OK and Cancel, and a warning icon or none; true when OK was pressed.
    // By default the warning box of ShowMessage, answered OK.
    virtual bool AskMessage(QWidget* owner, const QString& caption, const QString& text, bool withCancel, bool warning) {
        (void)withCancel, (void)warning;
        ShowMessage(owner, caption, text);
        return true;
    }
    // A folder browser; initialFolder empty preselects nothing. Empty when cancelled.
    virtual std::optional<QString> PickFolder(QWidget* owner, const QString& title, const QString& initialFolder) = 0;
    // A save-file dialog with an overwrite prompt; filter in Qt's "Name(*.ext);;..." form. Empty when
    // cancelled (and always by default).
    virtual std::optional<QString> PickSaveFile(QWidget* owner, const QString& defaultSuffix, const QString& filter) {
        (void)owner, (void)defaultSuffix, (void)filter;
        return std::nullopt;
    }
};

// The real windows: QDialog::exec, QMessageBox and QFileDialog.
class QtShellDialogs : public IShellDialogs {
public:
    int RunModal(QDialog& dialog) override;
    void ShowMessage(QWidget* owner, const QString& caption, const QString& text) override;
    bool AskMessage(QWidget* owner, const QString& caption, const QString& text, bool withCancel, bool warning) override;
    std::optional<QString> PickFolder(QWidget* owner, const QString& title, const QString& initialFolder) override;
    std::optional<QString> PickSaveFile(QWidget* owner, const QString& defaultSuffix, const QString& filter) override;
};
