// OPEN in the main window: the scan runs beside the window, which keeps working while the commands
// on recordings wait; the earliest recording opens five ticks of the delayed-open timer later.
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <atomic>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <thread>

#include "app/ControlIds.h"
#include "app/TimerIds.h"
#include "catalogue/FolderWalk.h"
#include "controls/CGdipButton.h"
#include "controls/CVideoStatic.h"
#include "playback/PlaybackController.h"
#include "playback/PlaybackShared.h"
#include "tests/shell/ShellTestSupport.h"
#include "tools/fixture/MovFixture.h"

namespace {

using namespace ControlId;

void WriteRecording(const std::filesystem::path& path, const char* idit) {
    fixture::MovDesc d;
    d.idit = idit;
    std::filesystem::create_directories(path.parent_path());
    fixture::WriteMov(path.string(), d);
}

// The real file system in name order, holding the listing of one folder until released.
class GatedSource : public FolderSource {
public:
    explicit GatedSource(std::string gated) : m_gated(std::move(gated)) {}
    bool List(const std::string& folder, std::vector<FolderItem>& items) const override {
        ++m_lists;
        if (folder.find(m_gated) != std::string::npos) {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_waiting = true;
            m_changed.notify_all();
            m_changed.wait(lock, [this] { return m_open; });
        }
        if (m_delayMs) std::this_thread::sleep_for(std::chrono::milliseconds(m_delayMs));
        const bool ok = FolderSource::List(folder, items);
        std::sort(items.begin(), items.end(), [](const FolderItem& a, const FolderItem& b) { return a.name < b.name; });
        return ok;
    }
    bool Waiting() const {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_waiting;
    }
    void Release() {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_open = true;
        m_changed.notify_all();
    }
    int Lists() const { return m_lists; }
    int m_delayMs = 0;

private:
    std::string m_gated;
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_changed;
    mutable bool m_waiting = false;
    bool m_open = false;
    mutable std::atomic<int> m_lists{0};
};

class OpenFlow : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        g_openPending = 0;
        m_card = std::filesystem::path(MakeFolder("card").toStdString());
        // Three recordings of one drive in A, the earliest of all in B.
        WriteRecording(m_card / "A" / "FILE0002.MOV", "2014-07-30 18:06:09");
        WriteRecording(m_card / "A" / "FILE0003.MOV", "2014-07-30 18:07:09");
        WriteRecording(m_card / "A" / "FILE0004.MOV", "2014-07-30 18:08:09");
        WriteRecording(m_card / "B" / "FILE0001.MOV", "2014-07-30 18:05:09");
    }
    void TearDown() override {
        m_gate.Release();
        ShellTest::TearDown();
        g_openPending = 0;
    }
    CVideoStatic& Video(CTarvoDlg& w) { return *static_cast<CVideoStatic*>(w.Control(kVideoSurface)); }
    QString Card() const { return QString::fromStdString(m_card.string()); }

    std::filesystem::path m_card;
    GatedSource m_gate{"/B"};
};

TEST_F(OpenFlow, ScanRunsBesideTheWindowAndTheEarliestRecordingOpensFiveTicksAfterIt) {
    m_folderSource = &m_gate;
    m_dialogs.nextPick = Card();
    CTarvoDlg& w = Window();
    m_dialogs.messages.clear();  // the missing engine's warning
    w.Button(kOpen)->click();

    ASSERT_TRUE(WaitUntil([&] { return m_gate.Waiting(); }));
    EXPECT_TRUE(w.IsScanning());
    EXPECT_TRUE(Video(w).isVisible());
    EXPECT_TRUE(Video(w).IsOverlayShown());
    // The counter follows the scan while the window goes on handling events; it shows the files
    // handled before the one examined last, so two of A's three.
    EXPECT_TRUE(WaitUntil([&] { return Video(w).OverlayNumber() == 2; }));
    EXPECT_EQ(g_openPending.load(), 1);
    EXPECT_TRUE(w.IsTimerActive(TimerId::kOpenGuard));

    // Commands on recordings and playback wait; the window's own commands work.
    const int rate = w.Playback().RateIndex();
    for (int id : {kFast, kPlay, kStop, kDelete, kSave, kLock, kKml, kSnap}) w.Button(id)->click();
    w.Button(kOpen)->click();
    EXPECT_EQ(w.Playback().RateIndex(), rate);
    EXPECT_TRUE(m_dialogs.asked.empty());
    EXPECT_TRUE(m_dialogs.messages.empty());
    EXPECT_EQ(m_dialogs.pickTitles.size(), 1);
    const bool map = w.MapEnabled();
    w.Button(kMapSwitch)->click();
    EXPECT_NE(w.MapEnabled(), map);
    w.Button(kMapSwitch)->click();

    QElapsedTimer sinceScan;
    m_gate.Release();
    ASSERT_TRUE(WaitUntil([&] { return !w.IsScanning(); }));
    sinceScan.start();
    EXPECT_FALSE(Video(w).IsOverlayShown());
    EXPECT_EQ(w.Catalog().Entries().size(), 4u);
    EXPECT_EQ(w.Catalog().Groups().size(), 1u);
    EXPECT_TRUE(w.Playback().CurrentPath().empty());  // not at once

    ASSERT_TRUE(WaitUntil([&] { return !w.Playback().CurrentPath().empty(); }));
    EXPECT_GE(sinceScan.elapsed(), 350);  // five 100 ms ticks, less the timer's coarseness
    EXPECT_EQ(w.Playback().CurrentPath(), (m_card / "B" / "FILE0001.MOV").string());
    EXPECT_EQ(w.Catalog().GetCurrentEntry(), 0);
}

TEST_F(OpenFlow, OpenDuringThePendingOpenOfAListedCardDoesNothing) {
    m_dialogs.nextPick = Card();
    CTarvoDlg& w = Window();
    w.Button(kOpen)->click();
    ASSERT_TRUE(WaitUntil([&] { return !w.IsScanning() && !w.Catalog().IsEmpty(); }));
    ASSERT_EQ(g_openPending.load(), 1);
    w.Button(kOpen)->click();
    EXPECT_EQ(m_dialogs.pickTitles.size(), 1);
    // The guard's timer clears it; then OPEN asks again.
    g_openPending = 0;
    m_dialogs.nextPick.reset();
    w.Button(kOpen)->click();
    EXPECT_EQ(m_dialogs.pickTitles.size(), 2);
}

TEST_F(OpenFlow, CancellingTheFolderDialogStillReturnsToNormalSpeed) {
    CTarvoDlg& w = Window();
    ListOneRecording(w);
    w.Button(kFast)->click();
    w.Button(kFast)->click();
    ASSERT_EQ(w.Playback().RateIndex(), 9);
    m_dialogs.nextPick.reset();
    w.Button(kOpen)->click();
    EXPECT_EQ(m_dialogs.pickTitles.size(), 1);
    EXPECT_EQ(w.Playback().RateIndex(), 7);
    EXPECT_FALSE(w.Catalog().IsEmpty());  // the listed recordings stay
    EXPECT_FALSE(w.IsScanning());
}

TEST_F(OpenFlow, FoldersWithoutRecordingsEndSilently) {
    const QString empty = MakeFolder("empty");
    const QString missing = m_dir.filePath(QStringLiteral("no-such-folder"));
    for (const QString& folder : {empty, missing}) {
        SCOPED_TRACE(folder.toStdString());
        CTarvoDlg& w = Window();
        m_dialogs.messages.clear();  // the missing engine's warning
        m_dialogs.nextPick = folder;
        w.Button(kOpen)->click();
        ASSERT_TRUE(WaitUntil([&] { return !w.IsScanning(); }));
        EXPECT_TRUE(w.Catalog().IsEmpty());
        EXPECT_EQ(g_openPending.load(), 0);
        QTest::qWait(700);
        EXPECT_TRUE(w.Playback().CurrentPath().empty());
        EXPECT_TRUE(m_dialogs.messages.empty());
        EXPECT_TRUE(m_dialogs.asked.empty());
        EXPECT_FALSE(Video(w).isVisible());
    }
}

TEST_F(OpenFlow, TheFolderOfTheCommandLineOpensWithoutBeingRemembered) {
    const QByteArray ini = "[UI]\nFolder=" + MakeFolder("remembered").toUtf8() + "\n";
    WriteIni(ini);
    CTarvoDlg& w = Window();
    w.OpenFolder(Card());
    ASSERT_TRUE(WaitUntil([&] { return !w.IsScanning() && !w.Playback().CurrentPath().empty(); }));
    EXPECT_EQ(w.Catalog().Entries().size(), 4u);
    EXPECT_TRUE(m_dialogs.pickTitles.isEmpty());
    w.close();
    EXPECT_TRUE(ReadIni().contains("Folder=" + MakeFolder("remembered").toUtf8()));
}

TEST_F(OpenFlow, ClosingTheWindowDuringAScanStopsTheScan) {
    // Forty slow folders: the scan would take seconds.
    for (int i = 0; i < 40; ++i)
        WriteRecording(m_card / "C" / ("F" + std::to_string(100 + i)) / "FILE.MOV", "2014-07-30 20:00:00");
    GatedSource slow("/never-gated/");
    slow.m_delayMs = 100;
    m_folderSource = &slow;
    CTarvoDlg& w = Window();
    w.OpenFolder(Card());
    ASSERT_TRUE(WaitUntil([&] { return slow.Lists() >= 3; }));
    EXPECT_TRUE(w.close());
    EXPECT_FALSE(w.IsScanning());
    EXPECT_FALSE(w.isVisible());
    EXPECT_LT(slow.Lists(), 20);
}

}  // namespace
