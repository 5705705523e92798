// The folder browsers of OPEN and SAVE and what OPEN remembers.
#include <gtest/gtest.h>

#include <QDir>

#include "app/ControlIds.h"
#include "app/FolderDialogs.h"
#include "app/TextIds.h"
#include "controls/CGdipButton.h"
#include "tests/shell/ShellTestSupport.h"

namespace {

class FolderDialogs : public ShellTest {};

TEST_F(FolderDialogs, OpenPreselectsTheRememberedFolderAndRemembersTheChoice) {
    const QString old = MakeFolder("old card");
    const QString chosen = MakeFolder("new card");
    WriteIni("[UI]\nLANGID=ENG\nFolder=" + old.toUtf8() + "\n");
    m_dialogs.nextPick = chosen;
    const std::optional<QString> result = RunMediaOpenDialog(m_dialogs, Settings(), nullptr);
    ASSERT_TRUE(result);
    EXPECT_EQ(*result, chosen);
    EXPECT_EQ(m_dialogs.pickInitialFolders, QStringList{old});
    EXPECT_EQ(m_dialogs.pickTitles, QStringList{QStringLiteral("Select a folder")});
    EXPECT_EQ(Settings().ReadString("UI", "Folder"), chosen);
}

TEST_F(FolderDialogs, OpenRemembersAnEmptyValueForAFolderThatDoesNotExist) {
    WriteIni("[UI]\nFolder=" + MakeFolder("card").toUtf8() + "\n");
    const QString gone = m_dir.filePath("gone");
    m_dialogs.nextPick = gone;
    const std::optional<QString> result = RunMediaOpenDialog(m_dialogs, Settings(), nullptr);
    ASSERT_TRUE(result);
    EXPECT_EQ(*result, gone);
    EXPECT_TRUE(ReadIni().contains("Folder=\n") || ReadIni().endsWith("Folder=")) << ReadIni().constData();
}

TEST_F(FolderDialogs, CancelWritesNothing) {
    const QByteArray ini = "[UI]\nFolder=" + MakeFolder("card").toUtf8() + "\n";
    WriteIni(ini);
    m_dialogs.nextPick.reset();
    EXPECT_FALSE(RunMediaOpenDialog(m_dialogs, Settings(), nullptr));
    EXPECT_EQ(ReadIni(), ini);
}

TEST_F(FolderDialogs, WithoutARememberedFolderNothingIsPreselected) {
    WriteIni("[UI]\nFolder=" + m_dir.filePath("vanished").toUtf8() + "\n");
    RunMediaOpenDialog(m_dialogs, Settings(), nullptr);
    ASSERT_EQ(m_dialogs.pickInitialFolders.size(), 1);
    EXPECT_TRUE(m_dialogs.pickInitialFolders.front().isEmpty());
}

TEST_F(FolderDialogs, SaveOpensWithoutPreselectionAndRemembersNothing) {
    const QByteArray ini = "[UI]\nFolder=" + MakeFolder("card").toUtf8() + "\n";
    WriteIni(ini);
    m_dialogs.nextPick = MakeFolder("backup");
    const std::optional<QString> result = RunCopyTargetDialog(m_dialogs, Settings(), nullptr);
    ASSERT_TRUE(result);
    EXPECT_TRUE(m_dialogs.pickInitialFolders.front().isEmpty());
    EXPECT_EQ(ReadIni(), ini);
}

TEST_F(FolderDialogs, OpenButtonAsksAndOpensTheChosenFolder) {
    const QString chosen = MakeFolder("card");
    m_dialogs.nextPick = chosen;
    CTarvoDlg& w = Window();
    w.Button(ControlId::kOpen)->click();
    EXPECT_EQ(w.SourcePath(), chosen);
    EXPECT_EQ(Settings().ReadFolder(), chosen);
}

}  // namespace
