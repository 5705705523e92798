// The about box: the product logo, the product title and the version, titled with the About
// item's text in the settings' language.
#pragma once

#include <QDialog>

class CTarvoSettings;
class QLabel;
class QPushButton;

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    CAboutDlg(const CTarvoSettings& settings, QWidget* parent);

    QLabel* Logo() const { return m_logo; }
    QLabel* ProductTitle() const { return m_title; }
    QLabel* Version() const { return m_version; }
    QLabel* VersionWord() const { return m_versionWord; }
    QPushButton* OkButton() const { return m_ok; }

private:
    QLabel* m_logo;
    QLabel* m_title;
    QLabel* m_version;
    QLabel* m_versionWord;
    QPushButton* m_ok;
};
