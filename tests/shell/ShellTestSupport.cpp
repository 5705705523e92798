#include "tests/shell/ShellTestSupport.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTest>

int FakeDialogs::RunModal(QDialog& dialog) {
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        if (!label->text().isEmpty()) texts << label->text();
    dialogs.push_back({dialog.windowTitle(), &dialog, texts});
    return QDialog::Accepted;
}

void FakeDialogs::ShowMessage(QWidget*, const QString& caption, const QString& text) {
    messages.push_back({caption, text});
}

std::optional<QString> FakeDialogs::PickFolder(QWidget*, const QString& title, const QString& initialFolder) {
    pickTitles << title;
    pickInitialFolders << initialFolder;
    return nextPick;
}

bool FakeDialogs::AskMessage(QWidget*, const QString& caption, const QString& text, bool withCancel, bool warning) {
    asked.push_back({caption, text, withCancel, warning});
    if (askAnswers.empty()) return true;
    const bool answer = askAnswers.front();
    askAnswers.erase(askAnswers.begin());
    return answer;
}

void ShellTest::SetUp() { ASSERT_TRUE(m_dir.isValid()); }

void ShellTest::TearDown() {
    m_window.reset();
    m_settings.reset();
}

void ShellTest::WriteIni(const QByteArray& content) const {
    QFile file(IniPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray ShellTest::ReadIni() const {
    QFile file(IniPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString ShellTest::MakeFolder(const QString& name) const {
    const QString path = m_dir.filePath(name);
    QDir().mkpath(path);
    return path;
}

CTarvoSettings& ShellTest::Settings() {
    if (!m_settings) m_settings = std::make_unique<CTarvoSettings>(m_dir.path());
    return *m_settings;
}

CTarvoDlg& ShellTest::Window(QSize size) {
    ShellOptions options;
    options.engine.library = kMissingEngine;
    options.dialogs = &m_dialogs;
    options.nearestMonitor = [](const QRect&) { return kFakeMonitor; };
    options.folderSource = m_folderSource;
    options.fileSystem = m_fileSystem;
    m_window = std::make_unique<CTarvoDlg>(Settings(), options);
    m_window->setGeometry(QRect(kFakeMonitor.topLeft() + QPoint(40, 30), size));
    m_window->show();
    Settle();
    return *m_window;
}

void ShellTest::ListOneRecording(CTarvoDlg& window, QSize picture) {
    ScanOutcome scan;
    scan.sourceExists = true;
    RecordingEntry entry;
    entry.fileName = "FILE0001.MOV";
    entry.rootFolder = "/card/";
    entry.info.width = static_cast<uint16_t>(picture.width());
    entry.info.height = static_cast<uint16_t>(picture.height());
    entry.info.startTime = 1700000000;
    scan.entries.push_back(entry);
    ASSERT_TRUE(window.Catalog().AdoptScan(std::move(scan)));
    ASSERT_FALSE(window.Catalog().IsEmpty());
    ASSERT_TRUE(window.Catalog().SelectEntry(0));
}

void Settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

bool WaitUntil(const std::function<bool()>& condition, int timeoutMs) { return QTest::qWaitFor(condition, timeoutMs); }

void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

void PrintTo(const QRect& rect, std::ostream* os) {
    *os << "(" << rect.x() << ", " << rect.y() << ", " << rect.width() << " x " << rect.height() << ")";
}
