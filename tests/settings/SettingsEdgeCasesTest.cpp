// The settings a fresh program start sees for a given Norvik.ini and screen.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <optional>

#include "app/CTarvoSettings.h"
#include "app/TextIds.h"
#include "tests/settings/SettingsTestSupport.h"

namespace {

const QRect kFullHd(0, 0, 1920, 1080);

struct StartCase {
    const char* name;
    std::optional<QByteArray> ini;  // nothing: no file
    QRect screen;
    const char* language;
    int textId;
    QString text;
    bool mapEnabled;
    bool gsensorEnabled;
    int mapType;
    QRect window;
};

const StartCase kStartCases[] = {
    {"NoFile", std::nullopt, kFullHd, "ENG", TextId::kWarning, "Warning", true, true, 0, {0, 0, 800, 560}},
    {"UnknownCode", "[UI]\nLANGID=XYZ\n", kFullHd, "JPN", TextId::kWarning, "警告", true, true, 0, {0, 0, 800, 560}},
    {"CodeIsCaseSensitive", "[ui]\nlangid=esp\n", kFullHd, "JPN", TextId::kWarning, "警告", true, true, 0,
     {0, 0, 800, 560}},
    {"SpanishFromNeutralTable", "[UI]\nLANGID=ESP\n", kFullHd, "ESP", TextId::kWarning, "Advertencia", true, true,
     0, {0, 0, 800, 560}},
    {"MissingTextFallsBackToJapanese", "[UI]\nLANGID=ESP\n", kFullHd, "ESP", TextId::kProtectedNoDelete,
     " イベントファイルは削除できません", true, true, 0, {0, 0, 800, 560}},
    {"ItalianFromNeutralTable", "[UI]\nLANGID=ITA\n", kFullHd, "ITA", TextId::kDeleteCaption, "Elimina file", true,
     true, 0, {0, 0, 800, 560}},
    {"MapSevenIsChina", "[UI]\nMAP=7\n", kFullHd, "ENG", TextId::kOkCaption, "OK", true, true, 1, {0, 0, 800, 560}},
    {"MapNegativeIsGoogle", "[UI]\nMAP=-3\n", kFullHd, "ENG", TextId::kOkCaption, "OK", true, true, 0,
     {0, 0, 800, 560}},
    {"SwitchesOff", "[UI]\nMAP_ENABLE=0\nGSNR_ENABLE=0\n", kFullHd, "ENG", TextId::kOkCaption, "OK", false, false, 0,
     {0, 0, 800, 560}},
    {"SwitchValueWithoutDigitsKeepsDefault", "[UI]\nMAP_ENABLE=off\nGSNR_ENABLE=\n", kFullHd, "ENG",
     TextId::kOkCaption, "OK", true, true, 0, {0, 0, 800, 560}},
    {"LeftBeyondScreenEndsAtRightEdge", "[WINPOS]\nLEFT=5000\nTOP=0\nRIGHT=5800\nBOTTOM=560\n", kFullHd, "ENG",
     TextId::kOkCaption, "OK", true, true, 0, {1120, 0, 800, 560}},
    {"LeftOnlyBeyondScreen", "[WINPOS]\nLEFT=5000\n", kFullHd, "ENG", TextId::kOkCaption, "OK", true, true, 0,
     {1120, 0, 800, 560}},
    {"SmallRectangleEnlarged", "[WINPOS]\nLEFT=10\nTOP=20\nRIGHT=110\nBOTTOM=120\n", kFullHd, "ENG",
     TextId::kOkCaption, "OK", true, true, 0, {10, 20, 800, 560}},
    {"LargerThanScreenFillsIt", "[WINPOS]\nLEFT=100\nTOP=50\nRIGHT=4100\nBOTTOM=3050\n", kFullHd, "ENG",
     TextId::kOkCaption, "OK", true, true, 0, {0, 0, 1920, 1080}},
    {"NegativeCornerPulledIn", "[WINPOS]\nLEFT=-300\nTOP=-40\nRIGHT=700\nBOTTOM=660\n", kFullHd, "ENG",
     TextId::kOkCaption, "OK", true, true, 0, {0, 0, 1000, 700}},
    {"ExtremeValuesDoNotOverflow",
     "[WINPOS]\nLEFT=-2147483648\nTOP=-99999999999\nRIGHT=2147483647\nBOTTOM=99999999999\n", kFullHd, "ENG",
     TextId::kOkCaption, "OK", true, true, 0, {0, 0, 1920, 1080}},
    {"ScreenSmallerThanMinimum", std::nullopt, QRect(0, 0, 640, 480), "ENG", TextId::kOkCaption, "OK", true, true, 0,
     {0, 0, 640, 480}},
    {"AreaBelowTopPanel", "[WINPOS]\nLEFT=0\nTOP=0\nRIGHT=800\nBOTTOM=560\n", QRect(0, 27, 1920, 1053), "ENG",
     TextId::kOkCaption, "OK", true, true, 0, {0, 27, 800, 560}},
};

class StartTest : public InWorkDir, public ::testing::WithParamInterface<StartCase> {};

TEST_P(StartTest, ReadsWhatTheFileSays) {
    const StartCase& c = GetParam();
    if (c.ini) WriteIni(*c.ini);
    CTarvoSettings settings(Dir());
    EXPECT_EQ(settings.LanguageCode(), QLatin1String(c.language));
    EXPECT_EQ(settings.LoadText(c.textId), c.text);
    EXPECT_EQ(settings.ReadMapEnabled(), c.mapEnabled);
    EXPECT_EQ(settings.ReadGSensorEnabled(), c.gsensorEnabled);
    EXPECT_EQ(settings.ReadMapType(), c.mapType);
    EXPECT_EQ(settings.MapType(), c.mapType);
    EXPECT_EQ(settings.ReadWindowPos(c.screen), c.window);
    EXPECT_EQ(QFileInfo::exists(IniPath()), c.ini.has_value()) << "reading never creates the file";
}

INSTANTIATE_TEST_SUITE_P(Settings, StartTest, ::testing::ValuesIn(kStartCases),
                         [](const auto& row) { return std::string(row.param.name); });

using SettingsLifetimeTest = InWorkDir;

TEST_F(SettingsLifetimeTest, AnotherWorkingDirectoryGivesAnotherFile) {
    const QString first = MakeFolder("first");
    const QString second = MakeFolder("second");
    ASSERT_TRUE(QDir::setCurrent(second));
    WriteIni("");  // nothing in first, an empty file in the test's own folder
    CTarvoSettings inSecond(QDir::currentPath());
    ASSERT_TRUE(inSecond.WriteMapEnabled(false));
    EXPECT_EQ(inSecond.Path(), QDir(second).filePath("Norvik.ini"));
    EXPECT_TRUE(QFileInfo::exists(QDir(second).filePath("Norvik.ini"))) << "the first write creates the file";
    EXPECT_FALSE(QFileInfo::exists(QDir(first).filePath("Norvik.ini")));
    EXPECT_TRUE(CTarvoSettings(first).ReadMapEnabled());
    EXPECT_FALSE(CTarvoSettings(second).ReadMapEnabled());
}

TEST_F(SettingsLifetimeTest, InstanceKeepsTheDirectoryOfItsFirstUse) {
    const QString first = MakeFolder("first");
    const QString second = MakeFolder("second");
    ASSERT_TRUE(QDir::setCurrent(first));
    CTarvoSettings& settings = CTarvoSettings::Instance();
    ASSERT_TRUE(QDir::setCurrent(second));
    EXPECT_EQ(&CTarvoSettings::Instance(), &settings);
    EXPECT_EQ(CTarvoSettings::Instance().Path(), QDir(first).filePath("Norvik.ini"));
}

TEST_F(SettingsLifetimeTest, WritesAreSeenByAFreshObjectAndStayPlainText) {
    const QString card = MakeFolder("media/card");
    {
        CTarvoSettings settings(Dir());
        ASSERT_TRUE(settings.WriteMapEnabled(false));
        ASSERT_TRUE(settings.WriteGSensorEnabled(false));
        ASSERT_TRUE(settings.WriteWindowPos(QRect(30, 40, 1000, 700)));
        ASSERT_TRUE(settings.WriteFolder(card));
        // No flush or destruction needed: the file already holds everything.
        const QByteArray onDisk = ReadIni();
        EXPECT_EQ(onDisk, "[UI]\nMAP_ENABLE=0\nGSNR_ENABLE=0\nFolder=" + card.toUtf8() +
                              "\n[WINPOS]\nLEFT=30\nTOP=40\nRIGHT=1030\nBOTTOM=740\n");
    }
    CTarvoSettings fresh(Dir());
    EXPECT_FALSE(fresh.ReadMapEnabled());
    EXPECT_FALSE(fresh.ReadGSensorEnabled());
    EXPECT_EQ(fresh.ReadWindowPos(kFullHd), QRect(30, 40, 1000, 700));
    EXPECT_EQ(fresh.ReadFolder(), card);
    EXPECT_EQ(fresh.LanguageCode(), "ENG");
}

TEST_F(SettingsLifetimeTest, LanguageIsChosenOnceAtCreation) {
    WriteIni("[UI]\nLANGID=GER\n");
    CTarvoSettings settings(Dir());
    ASSERT_TRUE(settings.WriteString("UI", "LANGID", "FRA"));
    EXPECT_EQ(settings.LanguageCode(), "GER");
    EXPECT_EQ(settings.LanguageId(), 0x0407);
    EXPECT_EQ(CTarvoSettings(Dir()).LanguageCode(), "FRA");
}

TEST_F(SettingsLifetimeTest, DefaultScreenIsThePrimaryScreen) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    const QRect area = screen->availableGeometry();
    WriteIni("[WINPOS]\nLEFT=5000\nTOP=5000\nRIGHT=5800\nBOTTOM=5560\n");
    const QRect placed = CTarvoSettings(Dir()).ReadWindowPos();
    EXPECT_EQ(placed.x() + placed.width(), area.x() + area.width());
    EXPECT_EQ(placed.y() + placed.height(), area.y() + area.height());
}

}  // namespace
