#include "map/MapPages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "app/CTarvoSettings.h"
#include "map/core/MapCommands.h"

QString MapResourceFolder() {
    QStringList candidates;
    if (QCoreApplication::instance()) {
        const QString appDir = QCoreApplication::applicationDirPath();
        candidates << appDir + "/res" << appDir + "/../share/velidor/res";
    }
#ifdef NORVIK_MAP_RES_DIR
    candidates << QStringLiteral(NORVIK_MAP_RES_DIR);
#endif
    for (const QString& c : candidates)
        if (QFileInfo::exists(c + "/gmap_ja.html")) return QDir(c).canonicalPath();
    return {};
}

QUrl ResolveMapUrl(const QString& address, const QString& folder) {
    if (!address.startsWith(kMapResPrefix) || folder.isEmpty()) return QUrl(address);
    QString rest = address.mid(int(sizeof kMapResPrefix) - 1);
    QString query;
    if (const int q = rest.indexOf('?'); q >= 0) {
        query = rest.mid(q + 1);
        rest.truncate(q);
    }
    const QString base = QDir::cleanPath(folder);
    const QString file = QDir::cleanPath(base + "/" + rest);
    if (!file.startsWith(base + "/")) return QUrl(address);  // stays inside the page folder
    QUrl url = QUrl::fromLocalFile(file);
    if (!query.isEmpty()) url.setQuery(query, QUrl::StrictMode);
    return url;
}

QUrl ResolveMapUrl(const QString& address) { return ResolveMapUrl(address, MapResourceFolder()); }

QString MapPageAddress(int mapType, const QString& googleKey) {
    if (mapType == kMapChina) return MapPageUrl(kMapChina);
    if (googleKey.isEmpty()) return kOsmPageUrl;
    return QString(MapPageUrl(kMapGoogle)) + "?key=" + QString::fromLatin1(QUrl::toPercentEncoding(googleKey));
}

QString ReadGoogleMapKey(const CTarvoSettings& settings) {
    return settings.ReadString("UI", "GMAP_KEY").trimmed();
}
