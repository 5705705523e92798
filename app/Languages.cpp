#include "app/Languages.h"

#include <QFile>
#include <QTranslator>
#include <map>
#include <memory>
#include <mutex>

const std::array<LanguageRow, 16> kLanguageTable = {{
    {"ENG", 0x0409, "en_US"},
    {"CHS", 0x0804, "zh_CN"},
    {"CHT", 0x0404, "zh_TW"},
    {"ESP", 0x040A, "es_ES"},
    {"RUS", 0x0419, "ru_RU"},
    {"POR", 0x0816, "pt_PT"},
    {"JPN", 0x0411, "ja_JP"},
    {"GER", 0x0407, "de_DE"},
    {"FRA", 0x040C, "fr_FR"},
    {"KOR", 0x0412, "ko_KR"},
    {"ITA", 0x0410, "it_IT"},
    {"LAT", 0x0426, "lv_LV"},
    {"POL", 0x0415, "pl_PL"},
    {"ROM", 0x0418, "ro_RO"},
    {"SLV", 0x041B, "sk_SK"},
    {"UKR", 0x0422, "uk_UA"},
}};

namespace {

// The compiled tables, loaded from the program's resources on first use.
class TextTables {
public:
    static TextTables& Instance() {
        static TextTables tables;
        return tables;
    }

    QString Text(const QString& table, int id) {
        std::lock_guard lock(m_mutex);
        auto it = m_tables.find(table);
        if (it == m_tables.end()) it = m_tables.emplace(table, Load(table)).first;
        if (!it->second) return {};
        return it->second->translate("", QByteArray::number(id).constData());
    }

private:
    static std::unique_ptr<QTranslator> Load(const QString& table) {
        const QString path = QStringLiteral(":/i18n/norvik_%1.qm").arg(table);
        if (!QFile::exists(path)) return nullptr;
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(path)) return nullptr;
        return translator;
    }

    std::mutex m_mutex;
    std::map<QString, std::unique_ptr<QTranslator>> m_tables;
};

std::optional<QLocale> g_systemLocaleForTesting;

QString NeutralTable(const QString& locale) { return locale.section(u'_', 0, 0); }

}  // namespace

int LanguageIndexForCode(const QString& code) {
    for (size_t i = 0; i < kLanguageTable.size(); ++i) {
        if (code == QLatin1String(kLanguageTable[i].code)) return static_cast<int>(i);
    }
    return -1;
}

int LanguageIndexForLocale(const QLocale& locale) {
    const QString name = locale.name();
    for (size_t i = 0; i < kLanguageTable.size(); ++i) {
        if (name == QLatin1String(kLanguageTable[i].locale)) return static_cast<int>(i);
    }
    if (locale.language() == QLocale::Chinese) {
        return LanguageIndexForCode(locale.script() == QLocale::TraditionalHanScript ? QStringLiteral("CHT")
                                                                                     : QStringLiteral("CHS"));
    }
    for (size_t i = 0; i < kLanguageTable.size(); ++i) {
        if (QLocale(QLatin1String(kLanguageTable[i].locale)).language() == locale.language()) {
            return static_cast<int>(i);
        }
    }
    return kLanguageEnglish;
}

QString TableText(const QString& table, int id) { return TextTables::Instance().Text(table, id); }

QString LanguageText(int languageIndex, int id) {
    if (languageIndex >= 0 && languageIndex < static_cast<int>(kLanguageTable.size())) {
        const QString own = QLatin1String(kLanguageTable[languageIndex].locale);
        QString text = TableText(own, id);
        if (text.isEmpty()) text = TableText(NeutralTable(own), id);
        if (!text.isEmpty()) return text;
    }
    return TableText(QLatin1String(kLanguageTable[kLanguageJapanese].locale), id);
}

QString LoadSystemText(int id) { return LanguageText(LanguageIndexForLocale(SystemLocale()), id); }

QLocale SystemLocale() { return g_systemLocaleForTesting.value_or(QLocale::system()); }

void SetSystemLocaleForTesting(std::optional<QLocale> locale) { g_systemLocaleForTesting = std::move(locale); }

QString FormatText(const QString& text, const QStringList& args) {
    QString result;
    result.reserve(text.size());
    qsizetype next = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'%' || i + 1 >= text.size()) {
            result += c;
            continue;
        }
        const QChar kind = text[i + 1];
        if (kind == u'%') {
            result += u'%';
            ++i;
        } else if ((kind == u's' || kind == u'd') && next < args.size()) {
            result += args[next++];
            ++i;
        } else {
            result += c;
        }
    }
    return result;
}
