// The folder that exported tracks go to: <documents>/Velidor/KML/.
#pragma once

#include <QString>

// Builds the folder path into folder and creates the folder with every missing parent. False when
// the documents folder is unknown (folder is then empty) or the folder cannot be made (a file in the
// way, no permission); folder keeps the attempted path then.
bool GetKmlFolder(QString& folder);

// The same below a given documents folder.
bool GetKmlFolderIn(const QString& documents, QString& folder);
