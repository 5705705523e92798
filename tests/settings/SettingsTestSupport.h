// Test helpers: each test runs in a temporary working directory of its own.
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class InWorkDir : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QString Dir() const { return m_dir.path(); }
    QString IniPath() const { return m_dir.filePath(QStringLiteral("Norvik.ini")); }
    void WriteIni(const QByteArray& content) const;
    QByteArray ReadIni() const;
    // Makes dir/name (and its parents) and returns its path.
    QString MakeFolder(const QString& name) const;

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

// printf-style output of QString in failure messages.
void PrintTo(const QString& text, std::ostream* os);
