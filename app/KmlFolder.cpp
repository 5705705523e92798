#include "app/KmlFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

bool GetKmlFolder(QString& folder) {
    return GetKmlFolderIn(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), folder);
}

bool GetKmlFolderIn(const QString& documents, QString& folder) {
    folder.clear();
    if (documents.isEmpty()) return false;
    folder = documents;
    if (!folder.endsWith(u'/')) folder += u'/';
    folder += QStringLiteral("Velidor/KML/");
    if (QFileInfo(folder).isDir()) return true;
    return QDir().mkpath(folder) && QFileInfo(folder).isDir();
}
