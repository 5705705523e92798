// The language table, the sixteen text tables and the lookup order.
#include <QRegularExpression>
#include <QStringList>

#include "app/CTarvoSettings.h"
#include "app/Languages.h"
#include "app/TextIds.h"
#include "tests/settings/SettingsTestSupport.h"

namespace {

QString Code(int index) { return QLatin1String(kLanguageTable[index].code); }
QString OwnTable(int index) { return QLatin1String(kLanguageTable[index].locale); }

// The row's text as stored: its own table, else its neutral-language table; no Japanese fallback.
QString StoredText(int index, int id) {
    const QString own = TableText(OwnTable(index), id);
    return own.isEmpty() ? TableText(OwnTable(index).section(u'_', 0, 0), id) : own;
}

// The printf conversions of a text, in order.
QStringList Placeholders(const QString& text) {
    static const QRegularExpression conversion(QStringLiteral("%[-+ #0-9.]*[a-zA-Z%]"));
    QStringList found;
    for (const auto& match : conversion.globalMatch(text)) found << match.captured();
    return found;
}

TEST(LanguageTable, CodesAndLanguageIdsInRowOrder) {
    const std::pair<const char*, uint16_t> expected[] = {
        {"ENG", 0x0409}, {"CHS", 0x0804}, {"CHT", 0x0404}, {"ESP", 0x040A}, {"RUS", 0x0419}, {"POR", 0x0816},
        {"JPN", 0x0411}, {"GER", 0x0407}, {"FRA", 0x040C}, {"KOR", 0x0412}, {"ITA", 0x0410}, {"LAT", 0x0426},
        {"POL", 0x0415}, {"ROM", 0x0418}, {"SLV", 0x041B}, {"UKR", 0x0422},
    };
    ASSERT_EQ(std::size(expected), kLanguageTable.size());
    for (int i = 0; i < static_cast<int>(kLanguageTable.size()); ++i) {
        EXPECT_EQ(Code(i), QLatin1String(expected[i].first)) << i;
        EXPECT_EQ(kLanguageTable[i].languageId, expected[i].second) << i;
        EXPECT_EQ(LanguageIndexForCode(Code(i)), i);
        EXPECT_EQ(LanguageIndexForCode(Code(i).toLower()), -1) << "codes are case-sensitive";
        EXPECT_EQ(LanguageIndexForCode(Code(i) + " "), -1);
    }
    EXPECT_EQ(Code(kLanguageEnglish), "ENG");
    EXPECT_EQ(Code(kLanguageJapanese), "JPN");
    EXPECT_EQ(LanguageIndexForCode(""), -1);
}

TEST(TextTables, EveryIdInEveryLanguage) {
    for (int row = 0; row < static_cast<int>(kLanguageTable.size()); ++row) {
        for (const int id : TextId::kAll) {
            const QString text = StoredText(row, id);
            if (id == TextId::kProtectedNoDelete && row != kLanguageJapanese) {
                EXPECT_TRUE(text.isEmpty()) << Code(row).toStdString() << " must leave 146 to Japanese";
            } else {
                EXPECT_FALSE(text.isEmpty()) << Code(row).toStdString() << " lacks " << id;
            }
        }
    }
}

TEST(TextTables, TranslationsKeepTheirPlaceholders) {
    for (const int id : TextId::kAll) {
        const QStringList english = Placeholders(StoredText(kLanguageEnglish, id));
        for (int row = 0; row < static_cast<int>(kLanguageTable.size()); ++row) {
            EXPECT_EQ(Placeholders(LanguageText(row, id)), english) << Code(row).toStdString() << " text " << id;
        }
    }
    EXPECT_EQ(Placeholders(StoredText(kLanguageEnglish, TextId::kOverwriteConfirm)), QStringList{"%s"});
    EXPECT_EQ(Placeholders(StoredText(kLanguageEnglish, TextId::kCopyFailed)), QStringList{"%s"});
}

// A table copied from another language would show as texts in the wrong script or as English.
TEST(TextTables, EachTableIsWrittenInItsOwnLanguage) {
    const auto scriptOf = [](const QString& text) {
        for (const QChar c : text) {
            if (c.isLetter()) return c.script();
        }
        return QChar::Script_Unknown;
    };
    const std::pair<const char*, QChar::Script> scripts[] = {
        {"CHS", QChar::Script_Han},      {"CHT", QChar::Script_Han},    {"RUS", QChar::Script_Cyrillic},
        {"JPN", QChar::Script_Katakana}, {"KOR", QChar::Script_Hangul}, {"UKR", QChar::Script_Cyrillic},
    };
    for (int row = 0; row < static_cast<int>(kLanguageTable.size()); ++row) {
        QChar::Script expected = QChar::Script_Latin;
        for (const auto& [code, script] : scripts) {
            if (Code(row) == QLatin1String(code)) expected = script;
        }
        int sameAsEnglish = 0;
        for (const int id : TextId::kAll) {
            if (row != kLanguageEnglish && StoredText(row, id) == StoredText(kLanguageEnglish, id)) ++sameAsEnglish;
        }
        EXPECT_LE(sameAsEnglish, 4) << Code(row).toStdString();
        EXPECT_EQ(scriptOf(StoredText(row, TextId::kDeleteCaption)), expected) << Code(row).toStdString();
    }
    EXPECT_NE(StoredText(LanguageIndexForCode("CHS"), TextId::kDeleteCaption),
              StoredText(LanguageIndexForCode("CHT"), TextId::kDeleteCaption))
        << "simplified and traditional Chinese differ";
    EXPECT_NE(StoredText(LanguageIndexForCode("RUS"), TextId::kDeleteConfirm),
              StoredText(LanguageIndexForCode("UKR"), TextId::kDeleteConfirm));
}

TEST(TextTables, JapaneseKeepsItsExactBlanks) {
    const QString sockets = LanguageText(kLanguageJapanese, TextId::kSocketsFailed);
    EXPECT_EQ(sockets, QString::fromUtf8("Windowsソケットの初期化に失敗しました。") + QString(21, u' '));
    EXPECT_EQ(LanguageText(kLanguageJapanese, TextId::kProtectedNoDelete),
              QString::fromUtf8(" イベントファイルは削除できません"));
    EXPECT_EQ(LanguageText(kLanguageEnglish, TextId::kAboutItem), "&About Tarvo...");
    EXPECT_EQ(LanguageText(kLanguageEnglish, TextId::kNothingSelected),
              "No seletected files. Please select some files and try this operation again.");
}

TEST(TextLookup, FallsBackThroughNeutralTableToJapaneseThenEmpty) {
    const QString japanese146 = TableText(OwnTable(kLanguageJapanese), TextId::kProtectedNoDelete);
    ASSERT_FALSE(japanese146.isEmpty());
    for (int row = 0; row < static_cast<int>(kLanguageTable.size()); ++row) {
        EXPECT_EQ(LanguageText(row, TextId::kProtectedNoDelete), japanese146) << Code(row).toStdString();
        EXPECT_TRUE(LanguageText(row, 999).isEmpty());
    }
    for (const char* code : {"ESP", "ITA"}) {
        const int row = LanguageIndexForCode(code);
        EXPECT_TRUE(TableText(OwnTable(row), TextId::kWarning).isEmpty()) << code << " lives in the neutral table";
        const QString neutral = TableText(OwnTable(row).section(u'_', 0, 0), TextId::kWarning);
        EXPECT_FALSE(neutral.isEmpty());
        EXPECT_EQ(LanguageText(row, TextId::kWarning), neutral);
        EXPECT_NE(neutral, LanguageText(kLanguageJapanese, TextId::kWarning));
    }
    EXPECT_EQ(LanguageText(-1, TextId::kWarning), LanguageText(kLanguageJapanese, TextId::kWarning));
    EXPECT_EQ(LanguageText(16, TextId::kWarning), LanguageText(kLanguageJapanese, TextId::kWarning));
}

class SystemLocaleTest : public InWorkDir {
protected:
    void TearDown() override {
        SetSystemLocaleForTesting(std::nullopt);
        InWorkDir::TearDown();
    }
};

TEST_F(SystemLocaleTest, SystemTextsFollowTheSystemLocale) {
    const std::pair<const char*, const char*> cases[] = {
        {"de_DE", "GER"}, {"de_AT", "GER"}, {"es_ES", "ESP"}, {"es_MX", "ESP"}, {"it_CH", "ITA"},
        {"pt_PT", "POR"}, {"pt_BR", "POR"}, {"zh_CN", "CHS"}, {"zh_SG", "CHS"}, {"zh_TW", "CHT"},
        {"zh_HK", "CHT"}, {"ja_JP", "JPN"}, {"ko_KR", "KOR"}, {"lv_LV", "LAT"}, {"sk_SK", "SLV"},
        {"ro_RO", "ROM"}, {"uk_UA", "UKR"}, {"ru_RU", "RUS"}, {"pl_PL", "POL"}, {"fr_CA", "FRA"},
        {"en_GB", "ENG"}, {"nb_NO", "ENG"}, {"C", "ENG"},
    };
    WriteIni("[UI]\nLANGID=FRA\n");
    const CTarvoSettings settings(Dir());
    const int french = LanguageIndexForCode("FRA");
    for (const auto& [locale, code] : cases) {
        SetSystemLocaleForTesting(QLocale(QLatin1String(locale)));
        const int row = LanguageIndexForLocale(SystemLocale());
        EXPECT_EQ(Code(row), QLatin1String(code)) << locale;
        for (const int id : {TextId::kAboutItem, TextId::kEngineError, TextId::kSocketsFailed}) {
            EXPECT_EQ(LoadSystemText(id), LanguageText(row, id)) << locale << " " << id;
        }
        EXPECT_EQ(settings.LoadText(TextId::kEngineError), LanguageText(french, TextId::kEngineError))
            << "the setting's texts do not follow the system";
    }
    SetSystemLocaleForTesting(QLocale(QLatin1String("de_DE")));
    EXPECT_NE(LoadSystemText(TextId::kEngineError), settings.LoadText(TextId::kEngineError));
}

struct FormatCase {
    const char* text;
    QStringList args;
    const char* expected;
};

TEST(FormatText, FillsPlaceholdersInOrderAndLiterally) {
    const FormatCase cases[] = {
        {"File \"%s\" is already exist.", {"/a b/c.mov"}, "File \"/a b/c.mov\" is already exist."},
        {"%s and %d", {"one", "2"}, "one and 2"},
        {"Save KML file:%s Failed.", {"/x/%s%d.kml"}, "Save KML file:/x/%s%d.kml Failed."},
        {"100%% of %s", {"it"}, "100% of it"},
        {"%s then %s", {"only"}, "only then %s"},
        {"ends with %", {"x"}, "ends with %"},
        {"%x stays", {"y"}, "%x stays"},
    };
    for (const FormatCase& c : cases) EXPECT_EQ(FormatText(c.text, c.args), c.expected) << c.text;
}

}  // namespace
