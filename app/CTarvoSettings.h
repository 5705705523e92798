// The program's settings: the file "Norvik.ini" in the working directory of the first use, read at
// the moments the callers choose and written at once; and the language of the texts, chosen once
// from [UI] LANGID.
#pragma once

#include <QRect>
#include <QString>
#include <cstdint>

namespace SettingsKey {
inline constexpr char kSectionUi[] = "UI";
inline constexpr char kSectionWinPos[] = "WINPOS";
inline constexpr char kLangId[] = "LANGID";
inline constexpr char kMap[] = "MAP";
inline constexpr char kMapEnable[] = "MAP_ENABLE";
inline constexpr char kGSensorEnable[] = "GSNR_ENABLE";
inline constexpr char kFolder[] = "Folder";
inline constexpr char kLeft[] = "LEFT";
inline constexpr char kTop[] = "TOP";
inline constexpr char kRight[] = "RIGHT";
inline constexpr char kBottom[] = "BOTTOM";
}  // namespace SettingsKey

class CTarvoSettings {
public:
    // The process's settings, created on the first call in the then current working directory.
    static CTarvoSettings& Instance();

    // Settings kept in folder/Norvik.ini; reads the language. The process uses Instance().
    explicit CTarvoSettings(const QString& folder);
    CTarvoSettings(const CTarvoSettings&) = delete;
    CTarvoSettings& operator=(const CTarvoSettings&) = delete;

    const QString& Path() const { return m_path; }
    int LanguageIndex() const { return m_languageIndex; }
    uint16_t LanguageId() const { return m_languageId; }
    QString LanguageCode() const;

    // The text of a string id in the language in use, else in Japanese, else empty.
    QString LoadText(int id) const;

    // Plain access; a missing key, or an integer without digits, gives the default.
    QString ReadString(const QString& section, const QString& key, const QString& fallback = {}) const;
    int ReadInt(const QString& section, const QString& key, int fallback) const;
    // False when the file cannot be written or the value holds a line break.
    bool WriteString(const QString& section, const QString& key, const QString& value);
    bool WriteInt(const QString& section, const QString& key, int value);

    // [UI] MAP clamped to 0..1 (0 Google page, 1 China page); remembered as MapType().
    int ReadMapType();
    int MapType() const { return m_mapType; }

    bool ReadMapEnabled() const;
    bool WriteMapEnabled(bool enabled);
    bool ReadGSensorEnabled() const;
    bool WriteGSensorEnabled(bool enabled);

    // [WINPOS] placed on the primary screen's available area, or on the given area.
    QRect ReadWindowPos() const;
    QRect ReadWindowPos(const QRect& screenArea) const;
    // The window's frame in screen coordinates, as LEFT, TOP, RIGHT, BOTTOM in one write.
    bool WriteWindowPos(const QRect& frame);

    // [UI] Folder, or empty when it names no existing folder.
    QString ReadFolder() const;
    // Remembers the folder chosen for OPEN: its path when it is an existing folder, else empty.
    bool WriteFolder(const QString& chosen);

private:
    QString m_path;
    int m_languageIndex;
    uint16_t m_languageId;
    int m_mapType = 0;
};
