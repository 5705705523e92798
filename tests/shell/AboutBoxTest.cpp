// The about box: its texts, its title in the settings' language, and the two ways to open it.
#include <gtest/gtest.h>

#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include "app/CAboutDlg.h"
#include "app/ControlIds.h"
#include "controls/CGdipButton.h"
#include "tests/shell/ShellTestSupport.h"

namespace {

class AboutBox : public ShellTest {};

TEST_F(AboutBox, ShowsLogoTitleVersionAndTitleInTheLanguage) {
    struct Case {
        QByteArray langId;
        QString title;
    } cases[] = {{"JPN", QStringLiteral("バージョン情報")}, {"ENG", QStringLiteral("&About Tarvo...")}};
    for (const Case& c : cases) {
        WriteIni("[UI]\nLANGID=" + c.langId + "\n");
        CTarvoSettings settings(m_dir.path());
        CAboutDlg about(settings, nullptr);
        EXPECT_EQ(about.windowTitle(), c.title);
        EXPECT_EQ(about.ProductTitle()->text(), QStringLiteral("Velidor"));
        EXPECT_EQ(about.Version()->text(), QStringLiteral("Version 1.23"));
        EXPECT_EQ(about.VersionWord()->text(), QStringLiteral("バージョン"));
        EXPECT_EQ(about.OkButton()->text(), QStringLiteral("OK"));
        EXPECT_TRUE(about.OkButton()->isDefault());
        ASSERT_FALSE(about.Logo()->pixmap().isNull());
        EXPECT_EQ(about.Logo()->pixmap().size(), QSize(128, 128));
    }
}

TEST_F(AboutBox, HelpButtonAndTopBandMenuOpenAFreshBoxEachTime) {
    WriteIni("[UI]\nLANGID=JPN\n");
    CTarvoDlg& w = Window();
    w.Button(ControlId::kHelp)->click();
    std::unique_ptr<QMenu> menu = w.BuildTopBandMenu();
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 1);
    EXPECT_FALSE(menu->actions().front()->text().isEmpty());
    menu->actions().front()->trigger();
    w.Button(ControlId::kHelp)->click();
    ASSERT_EQ(m_dialogs.dialogs.size(), 3u);
    for (const ShownDialog& d : m_dialogs.dialogs) {
        EXPECT_EQ(d.title, QStringLiteral("バージョン情報"));
        EXPECT_TRUE(d.texts.contains(QStringLiteral("Version 1.23")));
    }
}

}  // namespace
