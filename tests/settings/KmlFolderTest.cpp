// The folder exported tracks go to.
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/KmlFolder.h"
#include "tests/settings/SettingsTestSupport.h"

namespace {

using KmlFolderTest = InWorkDir;

// Sets an environment variable for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QString& value)
        : m_name(name), m_wasSet(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name)) {
        qputenv(name, value.toUtf8());
    }
    ~ScopedEnv() { m_wasSet ? qputenv(m_name, m_old) : qunsetenv(m_name); }

private:
    const char* m_name;
    bool m_wasSet;
    QByteArray m_old;
};

TEST_F(KmlFolderTest, CreatesTheFolderWithEveryMissingParent) {
    const QString documents = QDir(Dir()).filePath("home/user/Documents");  // none of it exists yet
    for (const QString& given : {documents, documents + "/"}) {
        QString folder;
        ASSERT_TRUE(GetKmlFolderIn(given, folder)) << given.toStdString();
        EXPECT_EQ(folder, documents + "/Velidor/KML/");
        EXPECT_TRUE(QFileInfo(folder).isDir());
    }
}

TEST_F(KmlFolderTest, AnExistingFolderIsKept) {
    const QString documents = MakeFolder("Documents");
    const QString kml = MakeFolder("Documents/Velidor/KML");
    QFile track(kml + "/trip.kml");
    ASSERT_TRUE(track.open(QIODevice::WriteOnly));
    track.close();
    QString folder;
    ASSERT_TRUE(GetKmlFolderIn(documents, folder));
    EXPECT_EQ(folder, kml + "/");
    EXPECT_TRUE(QFile::exists(kml + "/trip.kml"));
}

TEST_F(KmlFolderTest, FailsWhenAFileIsInTheWayOrTheDocumentsFolderIsUnknown) {
    const QString documents = MakeFolder("Documents");
    QFile blocker(documents + "/Velidor");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QString folder;
    EXPECT_FALSE(GetKmlFolderIn(documents, folder));
    EXPECT_EQ(folder, documents + "/Velidor/KML/") << "the attempted path is kept for the message";

    QString none = "stale";
    EXPECT_FALSE(GetKmlFolderIn(QString(), none));
    EXPECT_TRUE(none.isEmpty());
}

TEST_F(KmlFolderTest, UsesTheUsersDocumentsFolder) {
    const QString home = MakeFolder("home");
    const QString config = MakeFolder("config");
    QFile dirs(config + "/user-dirs.dirs");
    ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
    dirs.write("XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n");
    dirs.close();
    const ScopedEnv homeEnv("HOME", home);
    const ScopedEnv configEnv("XDG_CONFIG_HOME", config);
    QString folder;
    ASSERT_TRUE(GetKmlFolder(folder));
    EXPECT_EQ(folder, home + "/Dokumente/Velidor/KML/");
    EXPECT_TRUE(QFileInfo(folder).isDir());
}

}  // namespace
