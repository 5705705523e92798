// The INI reader and writer: hand-editable text in, the same text out.
#include <QDir>
#include <QFile>
#include <limits>

#include "app/ProfileFile.h"
#include "tests/settings/SettingsTestSupport.h"

namespace {

struct ValueCase {
    const char* name;
    QString value;
    QByteArray line;  // how the value stands in the file
};

const ValueCase kValueCases[] = {
    {"Plain", "/media/card", "Folder=/media/card"},
    {"Comma", "/media/a,b", "Folder=/media/a,b"},
    {"Semicolon", "/media/a;b", "Folder=/media/a;b"},
    {"Hash", "/media/#1", "Folder=/media/#1"},
    {"Backslash", "C:\\card\\DCIM", "Folder=C:\\card\\DCIM"},
    {"InnerSpaces", "/media/my card/2024 trip", "Folder=/media/my card/2024 trip"},
    {"NonAscii", "/media/Ünïcødé/ドライブ/记录", "Folder=/media/Ünïcødé/ドライブ/记录"},
    {"PercentAndEquals", "/tmp/100%20=x", "Folder=/tmp/100%20=x"},
    {"InnerQuotes", "/media/\"q\"/it's", "Folder=/media/\"q\"/it's"},
    {"OuterBlanksAreQuoted", " /media/x ", "Folder=\" /media/x \""},
    {"OuterQuotesAreQuoted", "\"quoted\"", "Folder=\"\"quoted\"\""},
    {"Empty", "", "Folder="},
};

class ProfileValueTest : public InWorkDir, public ::testing::WithParamInterface<ValueCase> {};

TEST_P(ProfileValueTest, WritesPlainLineAndReadsItBack) {
    const ValueCase& c = GetParam();
    ASSERT_TRUE(Profile::WriteValues(IniPath(), "UI", {{"Folder", c.value}}));
    EXPECT_EQ(ReadIni(), "[UI]\n" + c.line + "\n");
    EXPECT_EQ(Profile::ReadValue(IniPath(), "UI", "Folder"), c.value);
}

INSTANTIATE_TEST_SUITE_P(Profile, ProfileValueTest, ::testing::ValuesIn(kValueCases),
                         [](const auto& row) { return std::string(row.param.name); });

const QByteArray kHandWritten =
    "; written by hand\r\n"
    "[General]\r\n"
    "Owner=me, myself\r\n"
    "\r\n"
    "[ui]\r\n"
    "# language below\r\n"
    "LangId = ESP \r\n"
    "map_enable=1\r\n"
    "Extra=keep;this\r\n"
    "\r\n"
    "[Other]\r\n"
    "MAP_ENABLE=5\r\n";

TEST(ProfileContent, FindsNamesWithoutRegardToCase) {
    EXPECT_EQ(Profile::FindValue(kHandWritten, "UI", "LANGID"), "ESP");
    EXPECT_EQ(Profile::FindValue(kHandWritten, "UI", "MAP_ENABLE"), "1");
    EXPECT_EQ(Profile::FindValue(kHandWritten, "other", "map_enable"), "5");
    EXPECT_EQ(Profile::FindValue(kHandWritten, "general", "owner"), "me, myself");
    EXPECT_EQ(Profile::FindValue(kHandWritten, "UI", "Owner"), std::nullopt) << "keys belong to their section";
    EXPECT_EQ(Profile::FindValue(kHandWritten, "UI", "# language below"), std::nullopt);
    EXPECT_EQ(Profile::FindValue(kHandWritten, "WINPOS", "LEFT"), std::nullopt);
}

TEST(ProfileContent, ReplacesOnlyTheLinesOfTheKeysSet) {
    const QByteArray updated = Profile::AssignValues(kHandWritten, "UI", {{"MAP_ENABLE", "0"}, {"Folder", "/a,b"}});
    QByteArray expected = kHandWritten;
    expected.replace("map_enable=1\r\n", "map_enable=0\r\n");
    expected.replace("Extra=keep;this\r\n", "Extra=keep;this\r\nFolder=/a,b\r\n");
    EXPECT_EQ(updated, expected);
}

TEST(ProfileContent, AppendsAMissingSectionWithTheFileLineEnding) {
    const QByteArray updated = Profile::AssignValues("[UI]\r\nMAP=1", "WINPOS", {{"LEFT", "-20"}, {"TOP", "7"}});
    EXPECT_EQ(updated, "[UI]\r\nMAP=1\r\n[WINPOS]\r\nLEFT=-20\r\nTOP=7\r\n");
}

TEST(ProfileContent, KeepsAByteOrderMark) {
    const QByteArray bom = "\xEF\xBB\xBF";
    const QByteArray content = bom + "[UI]\nLANGID=JPN\n";
    EXPECT_EQ(Profile::FindValue(content, "UI", "LANGID"), "JPN");
    EXPECT_EQ(Profile::AssignValues(content, "UI", {{"LANGID", "KOR"}}), bom + "[UI]\nLANGID=KOR\n");
}

TEST(ProfileContent, FirstOfTwoSameNamedSectionsWins) {
    const QByteArray content = "[UI]\nMAP=0\n[WINPOS]\nLEFT=1\n[UI]\nMAP=1\n";
    EXPECT_EQ(Profile::FindValue(content, "UI", "MAP"), "0");
    EXPECT_EQ(Profile::AssignValues(content, "UI", {{"MAP", "9"}}), "[UI]\nMAP=9\n[WINPOS]\nLEFT=1\n[UI]\nMAP=1\n");
}

struct IntCase {
    const char* text;
    std::optional<int> value;
};

TEST(ProfileContent, ParsesTheLeadingDecimalInteger) {
    const IntCase cases[] = {
        {"7", 7},
        {"-3", -3},
        {" +12 ", 12},
        {"12abc", 12},
        {"0x10", 0},
        {"abc", std::nullopt},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"99999999999", std::numeric_limits<int>::max()},
        {"-99999999999", std::numeric_limits<int>::min()},
        {"-2147483648", std::numeric_limits<int>::min()},
    };
    for (const IntCase& c : cases) EXPECT_EQ(Profile::ParseInt(c.text), c.value) << c.text;
}

using ProfileFileTest = InWorkDir;

TEST_F(ProfileFileTest, KeepsAHandWrittenFileApartFromTheKeySet) {
    WriteIni(kHandWritten);
    ASSERT_TRUE(Profile::WriteValues(IniPath(), "ui", {{"LANGID", "GER"}}));
    QByteArray expected = kHandWritten;
    expected.replace("LangId = ESP \r\n", "LangId =GER\r\n");
    EXPECT_EQ(ReadIni(), expected);
    EXPECT_EQ(Profile::ReadValue(IniPath(), "UI", "LANGID"), "GER");
}

TEST_F(ProfileFileTest, RefusesLineBreaksAndLeavesTheFileAsItWas) {
    WriteIni("[UI]\nFolder=/old\n");
    for (const QString& bad : {QString("/a\nLANGID=JPN"), QString("/a\rb"), QString("/a") + QChar(0) + "b"}) {
        EXPECT_FALSE(Profile::WriteValues(IniPath(), "UI", {{"Folder", bad}}));
    }
    EXPECT_FALSE(Profile::WriteValues(IniPath(), "UI", {{"a=b", "1"}}));
    EXPECT_FALSE(Profile::WriteValues(IniPath(), "UI", {{"", "1"}}));
    EXPECT_EQ(ReadIni(), "[UI]\nFolder=/old\n");
}

TEST_F(ProfileFileTest, MissingFileReadsAsAbsentAndIsNotCreatedByReading) {
    EXPECT_EQ(Profile::ReadValue(IniPath(), "UI", "MAP"), std::nullopt);
    EXPECT_FALSE(QFile::exists(IniPath()));
}

TEST_F(ProfileFileTest, ReportsAFileThatCannotBeWritten) {
    EXPECT_FALSE(Profile::WriteValues(QDir(Dir()).filePath("no/such/folder/Norvik.ini"), "UI", {{"MAP", "1"}}));
    // A folder where the file should be can be neither read nor replaced.
    ASSERT_TRUE(QDir(Dir()).mkdir("Norvik.ini"));
    EXPECT_FALSE(Profile::WriteValues(IniPath(), "UI", {{"MAP", "1"}}));
    EXPECT_EQ(Profile::ReadValue(IniPath(), "UI", "MAP"), std::nullopt);
}

}  // namespace
