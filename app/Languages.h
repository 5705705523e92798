// The sixteen user-interface languages and the lookup of a text by its string id.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>

struct LanguageRow {
    const char* code;     // the [UI] LANGID value, compared case-sensitively
    uint16_t languageId;  // Windows language identifier: (sub-language << 10) | primary language
    const char* locale;   // Qt locale name of the row's own text table
};

// Row order is fixed: the index is the row number.
extern const std::array<LanguageRow, 16> kLanguageTable;
constexpr int kLanguageEnglish = 0;
constexpr int kLanguageJapanese = 6;

// Row of an exact code, or -1.
int LanguageIndexForCode(const QString& code);

// Row for a locale: same language and territory, else the Chinese script, else the same language,
// else English.
int LanguageIndexForLocale(const QLocale& locale);

// The text of one table ("es_ES", "es", ...) alone, without fallback; empty when absent.
QString TableText(const QString& table, int id);

// The text in a language row: its own table, its neutral-language table, then Japanese; else empty.
QString LanguageText(int languageIndex, int id);

// The text in the system's language, for the few texts shown before or outside the language setting.
QString LoadSystemText(int id);

// The system locale, or the one set for tests.
QLocale SystemLocale();
void SetSystemLocaleForTesting(std::optional<QLocale> locale);

// Replaces the "%s" and "%d" of a text, in order, with args; the args are inserted literally.
// A placeholder without an arg is left as it is; "%%" becomes "%".
QString FormatText(const QString& text, const QStringList& args);
