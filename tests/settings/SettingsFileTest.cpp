// Norvik.ini as a person sees it: plain lines, read back as written, the rest of the file untouched.
#include <QDir>
#include <QFileInfo>

#include "app/CTarvoSettings.h"
#include "tests/settings/SettingsTestSupport.h"

namespace {

using SettingsFileTest = InWorkDir;

TEST_F(SettingsFileTest, RemembersAwkwardFolderNamesAsPlainText) {
    const char* names[] = {"card,backup", "a;b", "#1", "back\\slash", "my card 2024", "Fahrt über Straße/记录",
                           "100%20", " padded ", "\"quoted\""};
    for (const char* name : names) {
        const QString folder = MakeFolder(QString::fromUtf8(name));
        CTarvoSettings settings(Dir());
        ASSERT_TRUE(settings.WriteFolder(folder)) << name;
        EXPECT_EQ(CTarvoSettings(Dir()).ReadFolder(), folder) << name;
        const QByteArray onDisk = ReadIni();
        const bool quoted = folder.endsWith(u' ');  // outer blanks are kept by quoting
        EXPECT_TRUE(onDisk.contains(quoted ? "Folder=\"" + folder.toUtf8() + "\"\n" : "Folder=" + folder.toUtf8() + "\n"))
            << onDisk.toStdString();
    }
}

TEST_F(SettingsFileTest, AFolderThatIsGoneReadsAsEmpty) {
    const QString card = MakeFolder("card");
    CTarvoSettings settings(Dir());
    ASSERT_TRUE(settings.WriteFolder(card));
    ASSERT_EQ(settings.ReadFolder(), card);
    ASSERT_TRUE(QDir(card).removeRecursively());
    EXPECT_TRUE(settings.ReadFolder().isEmpty());
    EXPECT_EQ(settings.ReadString("UI", "Folder"), card) << "reading does not rewrite the file";

    WriteIni("[UI]\nFolder=" + IniPath().toUtf8() + "\n");  // a file, not a folder
    EXPECT_TRUE(settings.ReadFolder().isEmpty());
}

TEST_F(SettingsFileTest, AChosenFolderThatDoesNotExistIsRememberedAsEmpty) {
    CTarvoSettings settings(Dir());
    ASSERT_TRUE(settings.WriteFolder(MakeFolder("card")));
    ASSERT_TRUE(settings.WriteFolder(QDir(Dir()).filePath("vanished")));
    EXPECT_EQ(ReadIni(), "[UI]\nFolder=\n");
    EXPECT_TRUE(settings.ReadFolder().isEmpty());

    // A name with a line break cannot stand on one line; it is forgotten rather than split.
    ASSERT_TRUE(settings.WriteFolder(MakeFolder("two\nlines")));
    EXPECT_EQ(ReadIni(), "[UI]\nFolder=\n");
}

TEST_F(SettingsFileTest, WritesLeaveAHandWrittenFileIntact) {
    const QByteArray handWritten =
        "; my settings\n"
        "[ui]\n"
        "LangId=GER ; German please\n"
        "map_enable = 1\n"
        "Theme=dark, large\n"
        "\n"
        "[Network]\n"
        "Proxy=host:8080\n";
    WriteIni(handWritten);
    CTarvoSettings settings(Dir());
    EXPECT_EQ(settings.LanguageCode(), "JPN") << "the comment is part of the value, which is no code";
    ASSERT_TRUE(settings.WriteMapEnabled(false));
    ASSERT_TRUE(settings.WriteWindowPos(QRect(-8, 20, 900, 600)));
    QByteArray expected = handWritten;
    expected.replace("map_enable = 1\n", "map_enable =0\n");
    expected += "[WINPOS]\nLEFT=-8\nTOP=20\nRIGHT=892\nBOTTOM=620\n";
    EXPECT_EQ(ReadIni(), expected);
    EXPECT_FALSE(settings.ReadMapEnabled());
    EXPECT_EQ(settings.ReadString("Network", "Proxy"), "host:8080");
    EXPECT_EQ(settings.ReadString("UI", "Theme"), "dark, large");
}

TEST_F(SettingsFileTest, MapTypeIsTakenOnlyWhenRead) {
    WriteIni("[UI]\nMAP=1\n");
    CTarvoSettings settings(Dir());
    EXPECT_EQ(settings.MapType(), 0);
    EXPECT_EQ(settings.ReadMapType(), 1);
    WriteIni("[UI]\nMAP=0\n");
    EXPECT_EQ(settings.MapType(), 1) << "kept until read again";
    EXPECT_EQ(settings.ReadMapType(), 0);
}

TEST_F(SettingsFileTest, AFileThatCannotBeWrittenIsReported) {
    ASSERT_TRUE(QDir(Dir()).mkdir("Norvik.ini"));
    CTarvoSettings settings(Dir());
    EXPECT_EQ(settings.LanguageCode(), "ENG");
    EXPECT_FALSE(settings.WriteMapEnabled(false));
    EXPECT_FALSE(settings.WriteWindowPos(QRect(0, 0, 800, 560)));
    EXPECT_FALSE(settings.WriteFolder(Dir()));
    EXPECT_TRUE(settings.ReadMapEnabled());
    EXPECT_TRUE(QFileInfo(IniPath()).isDir());
}

}  // namespace
