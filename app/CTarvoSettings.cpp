#include "app/CTarvoSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "app/Languages.h"
#include "app/ProfileFile.h"
#include "app/WindowPlacement.h"

using namespace SettingsKey;

namespace {
constexpr qsizetype kLangIdMaxLength = 63;
}

CTarvoSettings& CTarvoSettings::Instance() {
    static CTarvoSettings settings(QDir::currentPath());
    return settings;
}

CTarvoSettings::CTarvoSettings(const QString& folder)
    : m_path(QDir(folder).absoluteFilePath(QStringLiteral("Norvik.ini"))),
      m_languageIndex(kLanguageJapanese),
      m_languageId(kLanguageTable[kLanguageJapanese].languageId) {
    const QString code = ReadString(kSectionUi, kLangId, QStringLiteral("ENG")).left(kLangIdMaxLength);
    const int index = LanguageIndexForCode(code);
    if (index >= 0) {
        m_languageIndex = index;
        m_languageId = kLanguageTable[index].languageId;
    }
}

QString CTarvoSettings::LanguageCode() const { return QLatin1String(kLanguageTable[m_languageIndex].code); }

QString CTarvoSettings::LoadText(int id) const { return LanguageText(m_languageIndex, id); }

QString CTarvoSettings::ReadString(const QString& section, const QString& key, const QString& fallback) const {
    return Profile::ReadValue(m_path, section, key).value_or(fallback);
}

int CTarvoSettings::ReadInt(const QString& section, const QString& key, int fallback) const {
    const auto value = Profile::ReadValue(m_path, section, key);
    if (!value) return fallback;
    return Profile::ParseInt(*value).value_or(fallback);
}

bool CTarvoSettings::WriteString(const QString& section, const QString& key, const QString& value) {
    return Profile::WriteValues(m_path, section, {{key, value}});
}

bool CTarvoSettings::WriteInt(const QString& section, const QString& key, int value) {
    return WriteString(section, key, QString::number(value));
}

int CTarvoSettings::ReadMapType() {
    m_mapType = std::clamp(ReadInt(kSectionUi, kMap, 0), 0, 1);
    return m_mapType;
}

bool CTarvoSettings::ReadMapEnabled() const { return ReadInt(kSectionUi, kMapEnable, 1) != 0; }

bool CTarvoSettings::WriteMapEnabled(bool enabled) { return WriteInt(kSectionUi, kMapEnable, enabled ? 1 : 0); }

bool CTarvoSettings::ReadGSensorEnabled() const { return ReadInt(kSectionUi, kGSensorEnable, 1) != 0; }

bool CTarvoSettings::WriteGSensorEnabled(bool enabled) {
    return WriteInt(kSectionUi, kGSensorEnable, enabled ? 1 : 0);
}

QRect CTarvoSettings::ReadWindowPos() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return ReadWindowPos(screen ? screen->availableGeometry() : QRect());
}

QRect CTarvoSettings::ReadWindowPos(const QRect& screenArea) const {
    return PlaceStoredWindow(ReadInt(kSectionWinPos, kLeft, 0), ReadInt(kSectionWinPos, kTop, 0),
                             ReadInt(kSectionWinPos, kRight, kMinWindowWidth),
                             ReadInt(kSectionWinPos, kBottom, kMinWindowHeight), screenArea);
}

bool CTarvoSettings::WriteWindowPos(const QRect& frame) {
    return Profile::WriteValues(m_path, kSectionWinPos,
                                {{kLeft, QString::number(frame.x())},
                                 {kTop, QString::number(frame.y())},
                                 {kRight, QString::number(frame.x() + frame.width())},
                                 {kBottom, QString::number(frame.y() + frame.height())}});
}

QString CTarvoSettings::ReadFolder() const {
    const QString folder = ReadString(kSectionUi, kFolder);
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}

bool CTarvoSettings::WriteFolder(const QString& chosen) {
    const bool keep = !chosen.isEmpty() && QFileInfo(chosen).isDir() && Profile::IsStorable(chosen);
    return WriteString(kSectionUi, kFolder, keep ? chosen : QString());
}
