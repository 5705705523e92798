// SAVE, DEL, LOCK and KML from the main window's buttons: the boxes in the current language, the copy
// running beside a window that keeps handling events with its progress board, and the KML file.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <mutex>

#include "app/CTarvoFileOpsHost.h"
#include "app/ControlIds.h"
#include "app/Languages.h"
#include "catalogue/FileAttributes.h"
#include "catalogue/views/CTarvoGroupListCtrl.h"
#include "controls/CGdipButton.h"
#include "controls/CStatusBoardStatic.h"
#include "playback/PlaybackShared.h"
#include "tests/shell/ShellTestSupport.h"
#include "tools/fixture/MovFixture.h"

namespace {

using namespace ControlId;
namespace fs = std::filesystem;

std::string Bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Real copies that wait, on the copying thread, until the test lets them go.
class HeldCopies : public fileops::FileSystemCalls {
public:
    bool CopyFile(const std::string& source, const std::string& destination) const override {
        std::unique_lock<std::mutex> lock(m_mutex);
        ++m_waiting;
        m_changed.notify_all();
        m_changed.wait(lock, [this] { return m_released > 0; });
        --m_released;
        --m_waiting;
        lock.unlock();
        return FileSystemCalls::CopyFile(source, destination);
    }
    int Waiting() const {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_waiting;
    }
    void ReleaseOne() {
        std::lock_guard<std::mutex> lock(m_mutex);
        ++m_released;
        m_changed.notify_all();
    }

private:
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_changed;
    mutable int m_waiting = 0;
    mutable int m_released = 0;
};

class FileCommands : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        g_openPending = 0;
        m_card = fs::path(MakeFolder("card").toStdString());
        // Two drives: two recordings, then one an hour later that is write-protected.
        Write("DCIM/100MEDIA/FILE0001.MOV", "2014-07-30 18:05:09", 1000);
        Write("DCIM/100MEDIA/FILE0002.MOV", "2014-07-30 18:06:09", 2000);
        Write("DCIM/101MEDIA/FILE0003.MOV", "2014-07-30 19:30:00", 3000);
        ASSERT_TRUE(fileattr::SetReadOnly((m_card / "DCIM/101MEDIA/FILE0003.MOV").string(), true));
        m_home = MakeFolder("home");
        m_oldHome = qgetenv("HOME");
        qputenv("HOME", m_home.toUtf8());
    }
    void TearDown() override {
        qputenv("HOME", m_oldHome);
        ShellTest::TearDown();
        g_openPending = 0;
    }
    void Write(const std::string& relative, const char* idit, uint64_t payload) {
        fixture::MovDesc d;
        d.idit = idit;
        d.mdatPayload = payload;
        fs::create_directories((m_card / relative).parent_path());
        fixture::WriteMov((m_card / relative).string(), d);
    }
    CTarvoDlg& OpenCard() {
        CTarvoDlg& w = Window();
        m_dialogs.messages.clear();  // the missing engine's warning
        w.OpenFolder(QString::fromStdString(m_card.string()));
        EXPECT_TRUE(WaitUntil([&] { return !w.IsScanning(); }));
        EXPECT_EQ(w.Catalog().Groups().size(), 2u);
        return w;
    }
    CTarvoGroupListCtrl& Groups(CTarvoDlg& w) { return *static_cast<CTarvoGroupListCtrl*>(w.Control(kGroupList)); }
    void Check(CTarvoDlg& w, int row) {
        QAbstractItemModel* model = Groups(w).model();
        ASSERT_TRUE(model->setData(model->index(row, 0), Qt::Checked, Qt::CheckStateRole));
        ASSERT_TRUE(Groups(w).IsRowChecked(row));
    }
    QString Text(int id) { return Settings().LoadText(id); }

    fs::path m_card;
    QString m_home;
    QByteArray m_oldHome;
};

TEST_F(FileCommands, SaveCopiesBesideAWorkingWindowWithTheBoardShowingProgress) {
    HeldCopies held;
    m_fileSystem = &held;
    CTarvoDlg& w = OpenCard();
    Check(w, 0);
    const fs::path target = fs::path(MakeFolder("backup").toStdString());
    m_dialogs.nextPick = QString::fromStdString(target.string());
    auto* board = static_cast<CStatusBoardStatic*>(w.Control(kStatusBoard));

    // The test's checks run from the window's event loop while the copies wait on their thread.
    QStringList seen;
    int step = 0;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (held.Waiting() == 0) return;
        seen << QStringLiteral("%1:%2:%3").arg(step++).arg(board->isVisible()).arg(board->Text());
        EXPECT_TRUE(w.IsBusy());
        w.Button(kDelete)->click();  // held: no question is asked
        w.Button(kOpen)->click();    // held: no folder dialog
        held.ReleaseOne();
    });
    watch.start(20);
    w.Button(kSave)->click();
    watch.stop();

    EXPECT_EQ(seen, (QStringList{"0:1:0 %", "1:1:50 %"}));
    EXPECT_FALSE(board->isVisible());
    EXPECT_FALSE(w.IsBusy());
    EXPECT_TRUE(m_dialogs.asked.empty());
    EXPECT_EQ(m_dialogs.pickTitles, QStringList{Text(130)});
    for (const char* name : {"DCIM/100MEDIA/FILE0001.MOV", "DCIM/100MEDIA/FILE0002.MOV"}) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(fs::exists(target / name));
        EXPECT_EQ(Bytes(target / name), Bytes(m_card / name));
    }
    EXPECT_FALSE(fs::exists(target / "DCIM/101MEDIA"));
}

TEST_F(FileCommands, CloseDuringACopyWaitsForItsEnd) {
    HeldCopies held;
    m_fileSystem = &held;
    CTarvoDlg& w = OpenCard();
    Check(w, 1);
    const fs::path target = fs::path(MakeFolder("backup").toStdString());
    m_dialogs.nextPick = QString::fromStdString(target.string());
    bool closedWhileCopying = true;
    QTimer::singleShot(0, [&] {
        ASSERT_TRUE(WaitUntil([&] { return held.Waiting() == 1; }));
        closedWhileCopying = w.close();
        EXPECT_TRUE(w.isVisible());
        held.ReleaseOne();
    });
    w.Button(kSave)->click();
    EXPECT_FALSE(closedWhileCopying);
    EXPECT_TRUE(fs::exists(target / "DCIM/101MEDIA/FILE0003.MOV"));
    ASSERT_TRUE(WaitUntil([&] { return !w.isVisible(); }));
}

TEST_F(FileCommands, OverwriteQuestionAndRefusalUseTheirTextsAndButtons) {
    CTarvoDlg& w = OpenCard();
    Check(w, 0);
    const fs::path target = fs::path(MakeFolder("backup").toStdString());
    fs::create_directories(target / "DCIM/100MEDIA");
    { std::ofstream(target / "DCIM/100MEDIA/FILE0001.MOV") << "older copy"; }
    m_dialogs.nextPick = QString::fromStdString(target.string());
    m_dialogs.askAnswers = {false};  // keep the older copy
    w.Button(kSave)->click();
    ASSERT_EQ(m_dialogs.asked.size(), 1u);
    const QString destination = QString::fromStdString((target / "DCIM/100MEDIA/FILE0001.MOV").string());
    EXPECT_EQ(m_dialogs.asked[0].caption, Text(140));
    EXPECT_EQ(m_dialogs.asked[0].text, FormatText(Text(141), {destination}));
    EXPECT_TRUE(m_dialogs.asked[0].withCancel);
    EXPECT_EQ(Bytes(target / "DCIM/100MEDIA/FILE0001.MOV"), "older copy");
    EXPECT_EQ(Bytes(target / "DCIM/100MEDIA/FILE0002.MOV"), Bytes(m_card / "DCIM/100MEDIA/FILE0002.MOV"));

    // A target that is no folder: the warning.
    m_dialogs.asked.clear();
    Check(w, 0);
    m_dialogs.nextPick = QString::fromStdString((target / "DCIM/100MEDIA/FILE0001.MOV").string());
    w.Button(kSave)->click();
    ASSERT_EQ(m_dialogs.asked.size(), 1u);
    EXPECT_EQ(m_dialogs.asked[0].caption, Text(131));
    EXPECT_EQ(m_dialogs.asked[0].text, Text(132));
    EXPECT_TRUE(m_dialogs.asked[0].warning);
    EXPECT_FALSE(m_dialogs.asked[0].withCancel);
}

TEST_F(FileCommands, DeleteAfterTheConfirmationRegroupsAndUnlockClearsThePadlock) {
    CTarvoDlg& w = OpenCard();
    ASSERT_NE(w.Catalog().Groups()[1].lockFlags, 0);
    ASSERT_NE(Groups(w).Model()->LockFlags(1), 0);

    Check(w, 1);
    w.Button(kLock)->click();
    EXPECT_TRUE(m_dialogs.asked.empty());
    EXPECT_EQ(w.Catalog().Groups()[1].lockFlags, 0);
    EXPECT_EQ(Groups(w).Model()->LockFlags(1), 0);
    EXPECT_FALSE(Groups(w).IsRowChecked(1));  // refilled
    EXPECT_EQ(fileattr::Get((m_card / "DCIM/101MEDIA/FILE0003.MOV").string()) & fileattr::kReadOnly, 0u);

    Check(w, 0);
    m_dialogs.askAnswers = {true};
    w.Button(kDelete)->click();
    ASSERT_EQ(m_dialogs.asked.size(), 1u);
    EXPECT_EQ(m_dialogs.asked[0].caption, Text(128));
    EXPECT_EQ(m_dialogs.asked[0].text, Text(129));
    EXPECT_TRUE(m_dialogs.asked[0].withCancel);
    EXPECT_FALSE(fs::exists(m_card / "DCIM/100MEDIA/FILE0001.MOV"));
    EXPECT_FALSE(fs::exists(m_card / "DCIM/100MEDIA/FILE0002.MOV"));
    ASSERT_EQ(w.Catalog().Groups().size(), 1u);
    EXPECT_EQ(Groups(w).RowCount(), 1);
    EXPECT_FALSE(w.Control(kVideoSurface)->isVisible());

    // Nothing marked: after the question, the selection message.
    m_dialogs.asked.clear();
    m_dialogs.askAnswers = {true};
    w.Button(kDelete)->click();
    ASSERT_EQ(m_dialogs.asked.size(), 2u);
    EXPECT_EQ(m_dialogs.asked[0].text, Text(129));
    EXPECT_EQ(m_dialogs.asked[1].caption, Text(144));
    EXPECT_EQ(m_dialogs.asked[1].text, Text(135));
    EXPECT_TRUE(fs::exists(m_card / "DCIM/101MEDIA/FILE0003.MOV"));
}

TEST_F(FileCommands, KmlWritesTheFirstListedRecordingIntoTheDocumentsFolder) {
    CTarvoDlg& w = OpenCard();
    ASSERT_EQ(w.Catalog().GetCurrentEntry(), -1);  // nothing opened yet
    w.Button(kKml)->click();
    const QString folder = QDir(m_home).filePath(QStringLiteral("Documents/Velidor/KML"));
    const QStringList written = QDir(folder).entryList(QDir::Files);
    ASSERT_EQ(written.size(), 1);
    EXPECT_TRUE(written[0].startsWith(QStringLiteral("FILE0001_2014_07_30_"))) << written[0].toStdString();
    QFile kml(QDir(folder).filePath(written[0]));
    ASSERT_TRUE(kml.open(QIODevice::ReadOnly));
    EXPECT_TRUE(kml.readAll().contains("<name>FILE0001.MOV</name>"));
    ASSERT_EQ(m_dialogs.asked.size(), 1u);
    EXPECT_EQ(m_dialogs.asked[0].caption, Text(127));
    EXPECT_EQ(m_dialogs.asked[0].text, FormatText(Text(125), {QDir(folder).filePath(written[0])}));
    EXPECT_FALSE(m_dialogs.asked[0].withCancel);
}

TEST_F(FileCommands, SaveAndDeleteLeavePlayShowingItsPlayPicture) {
    CTarvoDlg& w = OpenCard();
    for (int id : {kSave, kDelete}) {
        SCOPED_TRACE(id);
        w.Button(kPlay)->ShowAlternate(true);  // as while a recording plays
        m_dialogs.nextPick.reset();
        m_dialogs.askAnswers = {false};
        w.Button(id)->click();
        EXPECT_FALSE(w.Button(kPlay)->IsAlternate());
    }
    EXPECT_TRUE(fs::exists(m_card / "DCIM/100MEDIA/FILE0001.MOV"));
}

TEST_F(FileCommands, EveryFileCommandOnAnEmptyListSaysSo) {
    CTarvoDlg& w = Window();
    m_dialogs.messages.clear();
    for (int id : {kSave, kDelete, kLock, kKml}) {
        SCOPED_TRACE(id);
        m_dialogs.asked.clear();
        w.Button(id)->click();
        ASSERT_EQ(m_dialogs.asked.size(), 1u);
        EXPECT_EQ(m_dialogs.asked[0].caption, Text(145));
        EXPECT_EQ(m_dialogs.asked[0].text, Text(136));
    }
    EXPECT_TRUE(m_dialogs.pickTitles.isEmpty());
}

}  // namespace
