#include "tests/settings/SettingsTestSupport.h"

#include <QDir>
#include <QFile>
#include <ostream>

void InWorkDir::SetUp() {
    ASSERT_TRUE(m_dir.isValid());
    m_previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(m_dir.path()));
}

void InWorkDir::TearDown() { QDir::setCurrent(m_previous); }

void InWorkDir::WriteIni(const QByteArray& content) const {
    QFile file(IniPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(content), content.size());
}

QByteArray InWorkDir::ReadIni() const {
    QFile file(IniPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString InWorkDir::MakeFolder(const QString& name) const {
    const QString path = m_dir.filePath(name);
    EXPECT_TRUE(QDir().mkpath(path)) << path.toStdString();
    return path;
}

void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
