// A driver's whole session with the real program on a fresh demo card: the real engine, the real map
// page and the real window, driven only by mouse input and dialog answers, checked by what the user
// sees on the screen and finds on disk.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestInfo>
#include <QWebEngineUrlRequestInterceptor>
#include <filesystem>
#include <set>

#include "app/CTarvoDlg.h"
#include "app/CTarvoSettings.h"
#include "app/ControlIds.h"
#include "catalogue/CRecordingCatalog.h"
#include "catalogue/views/CTarvoListModel.h"
#include "controls/CGSensorCtrl.h"
#include "controls/CGdipButton.h"
#include "controls/CPngStatic.h"
#include "controls/CSpeedLabelStatic.h"
#include "controls/CVideoSlider.h"
#include "map/CCEFWebkitUI.h"
#include "map/CCefClientApp.h"
#include "map/CCefClientHandler.h"
#include "map/CHtmlMapDlg.h"
#include "telemetry/TelemetryTrack.h"
#include "tests/e2e/UserSession.h"
#include "tests/support/PageScript.h"
#include "tools/demo/DemoCard.h"

namespace {

namespace fs = std::filesystem;
using pagescript::Js;
using pagescript::WaitForJs;
using namespace ControlId;

// The machine running the test has no internet: only the page's own files load.
class Offline : public QWebEngineUrlRequestInterceptor {
public:
    void interceptRequest(QWebEngineUrlRequestInfo& info) override {
        const QString scheme = info.requestUrl().scheme();
        if (scheme != "file" && scheme != "data" && scheme != "qrc") info.block(true);
    }
};

// Counts the paints of a widget.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

QString Q(const std::string& s) { return QString::fromStdString(s); }
bool Writable(const std::string& path) { return (fs::status(path).permissions() & fs::perms::owner_write) != fs::perms::none; }

class WholeDrive : public ::testing::Test {
protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs an X display";
        m_base = fs::current_path().string() + "/";
        m_card = m_base + "card/";
        DemoCardOptions options;
        options.outDir = m_card;
        ASSERT_NO_THROW(m_plan = BuildDemoCard(options));
        // What the card holds, read independently of the window.
        m_reference.AdoptScan(ScanFolder(m_card));
        ASSERT_GE(m_reference.Groups().size(), 3u);
        ASSERT_GE(m_reference.Groups()[0].entryCount, 2);
    }

    QTableView& List(const char* name) { return *m_window->findChild<QTableView*>(QLatin1String(name)); }
    CTarvoListModel& Rows(const char* name) { return *qobject_cast<CTarvoListModel*>(List(name).model()); }
    CGdipButton* Button(int id) { return m_window->Button(id); }
    CVideoSlider& Slider() { return *qobject_cast<CVideoSlider*>(m_window->Control(kPositionSlider)); }
    int64_t Time() { return m_window->Engine().GetTime(); }
    QString Ini() {
        QFile f(QDir::current().filePath(QStringLiteral("Norvik.ini")));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
    // The highlighted file list row names the recording.
    bool Shows(const RecordingEntry& e) {
        const int row = HighlightedRow(List("fileList"));
        return row >= 0 && row == RowHolding(Rows("fileList"), Q(e.fileName));
    }
    // Drags the position slider's knob to a share of its channel.
    void DragSliderTo(double share) {
        CVideoSlider& slider = Slider();
        const QRect channel = slider.ChannelRect();
        const int x = channel.left() + int(channel.width() * share);
        const int y = slider.height() / 2;
        QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(x + 15, y));
        QTest::mouseMove(&slider, QPoint(x + 5, y));
        QMouseEvent move(QEvent::MouseMove, QPointF(x, y), slider.mapToGlobal(QPointF(x, y)), Qt::NoButton,
                         Qt::LeftButton, {});
        QCoreApplication::sendEvent(&slider, &move);
        QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(x, y));
    }
    double MeasuredRate(int wallMs) {
        QElapsedTimer wall;
        const int64_t start = Time();
        wall.start();
        QTest::qWait(wallMs);
        return double(Time() - start) / double(wall.elapsed());
    }
    std::vector<std::string> FilesOf(const RecordingGroup& g) {
        std::vector<std::string> files;
        for (int i = g.firstEntry; i < g.firstEntry + g.entryCount; ++i)
            files.push_back(m_reference.Entries()[size_t(i)].subFolder + m_reference.Entries()[size_t(i)].fileName);
        return files;
    }
    int GroupRowWithLock(bool locked) {
        for (int r = 0; r < Rows("groupList").rowCount(); ++r)
            if ((Rows("groupList").LockFlags(r) != 0) == locked) return r;
        return -1;
    }
    void UncheckAll() {
        for (int r = 0; r < Rows("groupList").rowCount(); ++r)
            if (Rows("groupList").IsChecked(r)) {
                EXPECT_TRUE(ClickCheckBox(List("groupList"), r)) << r;
            }
    }

    std::string m_base, m_card;
    DemoCard m_plan;
    CRecordingCatalog m_reference;
    ScriptedUser m_user;
    Offline m_offline;
    std::unique_ptr<CTarvoDlg> m_window;
};

TEST_F(WholeDrive, OpenPlaySeekExportCopyUnlockDeleteSwitchAndClose) {
    const QString iniPath = QDir::current().filePath(QStringLiteral("Norvik.ini"));
    ASSERT_FALSE(QFileInfo::exists(iniPath));

    ShellOptions options;
    options.engine.extraArguments = {"--aout=adummy", "--no-video-title-show"};
    options.dialogs = &m_user;
    m_window = std::make_unique<CTarvoDlg>(CTarvoSettings::Instance(), options);
    m_window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
    auto* map = qobject_cast<CHtmlMapDlg*>(m_window->MapWindow());
    ASSERT_NE(map, nullptr) << "no map window";
    ASSERT_NE(map->App(), nullptr);
    map->App()->Profile()->setUrlRequestInterceptor(&m_offline);
    ASSERT_TRUE(WaitUntil([&] { return !map->WebView()->Handler()->Browsers().isEmpty(); }, 30000));
    QWebEnginePage* page = map->WebView()->Handler()->Browsers().first()->page();
    ASSERT_TRUE(WaitForJs(page, "typeof map !== 'undefined' && map !== null && marker !== null"));

    // OPEN: the folder dialog answered with the card; the scan fills the lists, the earliest plays later.
    const RecordingGroup firstDrive = m_reference.Groups()[0];
    const RecordingEntry earliest = m_reference.Entries()[0];
    const RecordingEntry second = m_reference.Entries()[1];
    m_user.folders.push_back(Q(m_card));
    ClickCentre(Button(kOpen));
    ASSERT_TRUE(WaitUntil([&] { return Rows("groupList").rowCount() > 0; }, 30000)) << "the scan never listed";
    QElapsedTimer sinceListed;
    sinceListed.start();
    EXPECT_EQ(Rows("groupList").rowCount(), int(m_reference.Groups().size()));
    EXPECT_EQ(Rows("fileList").rowCount(), int(m_reference.Entries().size()));
    EXPECT_EQ(HighlightedRow(List("fileList")), -1) << "opened at once";
    ASSERT_TRUE(WaitUntil([&] { return Shows(earliest); }, 10000)) << "the earliest recording never opened";
    EXPECT_GE(sinceListed.elapsed(), 350);
    EXPECT_LE(sinceListed.elapsed(), 2000);
    ASSERT_TRUE(WaitUntil([&] { return Time() > 200; }, 15000)) << "never played";
    EXPECT_TRUE(Button(kPlay)->IsAlternate());
    EXPECT_TRUE(m_window->Control(kVideoSurface)->isVisible());
    // The picture is bright colour bars, letterboxed on the surface's dark background.
    double lit = 0;
    EXPECT_TRUE(WaitUntil([&] { return (lit = LitShareOnScreen(m_window->Control(kVideoSurface))) > 0.4; }, 5000))
        << "no picture on the screen: " << lit;

    // The instruments follow the recording's own telemetry.
    {
        TelemetryTrack track;
        ASSERT_TRUE(ReadTelemetryTrack(earliest.Path(), earliest.info, track));
        ASSERT_GT(track.gps.size(), 2u);
        // The speeds of the samples next to a playback time.
        const auto speedsNear = [&](int64_t timeMs) {
            const int64_t length = std::max<int64_t>(m_window->Engine().GetLength(), 1);
            const int64_t index = timeMs * int64_t(track.gps.size()) / length;
            std::set<QString> speeds;
            for (int64_t i = std::max<int64_t>(index - 1, 0); i <= index + 1 && i < int64_t(track.gps.size()); ++i)
                speeds.insert(QString::asprintf("%3d", int(track.gps[size_t(i)].speedKmh)));
            return speeds;
        };
        auto* speed = qobject_cast<CSpeedLabelStatic*>(m_window->Control(kSpeed));
        auto* gps = qobject_cast<CPngStatic*>(m_window->Control(kGps));
        auto* curve = qobject_cast<CGSensorCtrl*>(m_window->Control(kGSensorCurve));
        ASSERT_TRUE(speed && gps && curve);
        PaintCounter curvePaints;
        curve->installEventFilter(&curvePaints);
        EXPECT_TRUE(WaitUntil([&] { return speed->IsValid(); }, 5000));
        const std::set<QString> expected = speedsNear(Time());
        EXPECT_TRUE(expected.count(speed->ValueText())) << speed->ValueText().toStdString() << " at " << Time();
        EXPECT_TRUE(WaitUntil([&] { return gps->IsColour(); }, 5000));
        const double cursor = curve->PositionMs();
        const int paints = curvePaints.paints;
        EXPECT_TRUE(WaitUntil([&] { return curve->PositionMs() > cursor + 200; }, 5000)) << curve->PositionMs();
        EXPECT_GT(curvePaints.paints, paints);
        curve->removeEventFilter(&curvePaints);
        // The marker sits on the card's block in Midtown Manhattan and the driven line grows.
        const double lat = Js(page, "marker.getLatLng().lat").toDouble();
        const double lng = Js(page, "marker.getLatLng().lng").toDouble();
        EXPECT_NEAR(lat, 40.766, 0.01);
        EXPECT_NEAR(lng, -73.977, 0.01);
        EXPECT_GT(Js(page, "fullTrack.getLatLngs().length").toInt(), 1);
        const int driven = Js(page, "drivenTrack.getLatLngs().length").toInt();
        EXPECT_GT(driven, 0);
        EXPECT_TRUE(WaitUntil([&] { return Js(page, "drivenTrack.getLatLngs().length").toInt() > driven; }, 5000));
    }

    // A drag of the position slider: back to the start when late, forward when early.
    {
        const int64_t length = m_window->Engine().GetLength();
        ASSERT_GT(length, 2000);
        const bool back = Time() > length / 2;
        const double share = back ? 0.1 : 0.6;
        DragSliderTo(share);
        QElapsedTimer sinceRelease;
        sinceRelease.start();
        const int64_t target = int64_t(length * share);
        // The seek timer ticks every 500 ms; the slack is for a busy machine.
        ASSERT_TRUE(WaitUntil([&] { return std::abs(Time() - target) < 400; }, 5000)) << Time() << " " << target;
        EXPECT_LE(sinceRelease.elapsed(), 500 + 300);
        EXPECT_TRUE(Shows(earliest));
    }

    // FAST twice: 1.4 X, and the clock runs that much faster.
    {
        const double normal = MeasuredRate(600);
        ClickCentre(Button(kFast));
        ClickCentre(Button(kFast));
        EXPECT_FLOAT_EQ(m_window->Engine().GetRate(), 1.4f);
        QTest::qWait(150);
        const double fast = MeasuredRate(700);
        EXPECT_GT(fast, 1.2 * normal) << normal << " " << fast;
        EXPECT_TRUE(Shows(earliest));
    }

    // A click near the slider's end: the end of the recording starts the next one of its drive.
    {
        const QRect channel = Slider().ChannelRect();
        ClickAt(&Slider(), QPoint(channel.left() + channel.width() * 96 / 100, Slider().height() / 2));
        ASSERT_TRUE(WaitUntil([&] { return Shows(second); }, 15000)) << "the next recording never started";
        EXPECT_EQ(firstDrive.firstEntry, 0);  // both of the first drive (it holds two or more)
        ASSERT_TRUE(WaitUntil([&] { return Time() > 200 && Time() < 3000; }, 10000)) << Time();
        const int64_t shown = Time();
        EXPECT_TRUE(WaitUntil([&] { return Time() > shown + 300; }, 5000)) << "the next recording does not play";
    }

    // KML: a file of the playing recording under the documents folder, with its coordinates.
    {
        const QString kmlFolder = QDir::homePath() + "/Documents/Velidor/KML";
        const int before = int(m_user.messages.size());
        ClickCentre(Button(kKml));
        const QStringList kml = QDir(kmlFolder).entryList({"*.KML"}, QDir::Files);
        ASSERT_EQ(kml.size(), 1) << kmlFolder.toStdString();
        const QString base = QFileInfo(Q(second.fileName)).completeBaseName();
        EXPECT_TRUE(kml.first().startsWith(base + "_")) << kml.first().toStdString();
        QFile file(kmlFolder + "/" + kml.first());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        EXPECT_TRUE(text.contains("<coordinates>")) << text.left(400).toStdString();
        EXPECT_TRUE(text.contains("-73.9")) << text.left(400).toStdString();
        EXPECT_TRUE(text.contains("40.7")) << text.left(400).toStdString();
        ASSERT_EQ(int(m_user.messages.size()), before + 1);
        EXPECT_TRUE(m_user.messages.last().contains(kml.first())) << m_user.messages.last().toStdString();
    }

    // SNAP: a PNG of the picture's size.
    {
        const QString shot = QDir::current().filePath("shot.png");
        m_user.saveFiles.push_back(shot);
        ClickCentre(Button(kSnap));
        const PngHeader png = ReadPngHeader(shot);
        ASSERT_TRUE(png.valid) << "no PNG written";
        EXPECT_EQ(png.width, int(second.info.width));
        EXPECT_EQ(png.height, int(second.info.height));
        EXPECT_TRUE(WaitUntil([&] { return m_window->Engine().IsPlaying(); }, 3000));
    }

    // SAVE: the checked first drive copied into a new folder, byte for byte.
    {
        const std::string target = m_base + "copies/";
        fs::create_directories(target);
        ASSERT_TRUE(ClickCheckBox(List("groupList"), 0)) << "the check box did not change";
        m_user.folders.push_back(Q(target));
        ClickCentre(Button(kSave));
        ASSERT_TRUE(WaitUntil([&] { return !m_window->IsBusy(); }, 30000));
        for (const std::string& rel : FilesOf(firstDrive))
            EXPECT_TRUE(SameBytes(m_card + rel, target + rel)) << rel;
        size_t copied = 0;
        for (const auto& f : fs::recursive_directory_iterator(target)) copied += f.is_regular_file();
        EXPECT_EQ(copied, size_t(firstDrive.entryCount));
        UncheckAll();
    }

    // LOCK: the event recording's group unlocked: no padlock, the file writable.
    {
        const int row = GroupRowWithLock(true);
        ASSERT_GE(row, 0) << "no locked group listed";
        const RecordingGroup locked = m_reference.Groups()[size_t(row)];
        int readOnly = 0;
        for (const std::string& rel : FilesOf(locked)) {
            const auto e = std::find_if(m_plan.recordings.begin(), m_plan.recordings.end(),
                                        [&](const DemoRecording& r) { return r.path == rel; });
            if (e != m_plan.recordings.end() && e->readOnly) {
                EXPECT_FALSE(Writable(m_card + rel)) << rel;
                ++readOnly;
            }
        }
        ASSERT_GT(readOnly, 0) << "the locked group holds no read-only recording";
        ASSERT_TRUE(ClickCheckBox(List("groupList"), row));
        ClickCentre(Button(kLock));
        EXPECT_TRUE(WaitUntil([&] { return Rows("groupList").LockFlags(row) == 0; }, 5000));
        for (const std::string& rel : FilesOf(locked)) {
            EXPECT_TRUE(Writable(m_card + rel)) << rel;
            const int fileRow = RowHolding(Rows("fileList"), Q(fs::path(rel).filename().string()));
            ASSERT_GE(fileRow, 0) << rel;
            EXPECT_EQ(Rows("fileList").LockFlags(fileRow), 0) << rel;
        }
        UncheckAll();
    }

    // DEL: a group still holding an event recording is refused; an unlocked one goes after the
    // confirmation, its files with it, and the lists are regrouped without it.
    {
        const int groups = Rows("groupList").rowCount();
        const int files = Rows("fileList").rowCount();
        const int protectedRow = GroupRowWithLock(true);
        ASSERT_GE(protectedRow, 0);
        ASSERT_TRUE(ClickCheckBox(List("groupList"), protectedRow));
        const int messages = int(m_user.messages.size());
        ClickCentre(Button(kDelete));
        EXPECT_EQ(int(m_user.messages.size()), messages + 1);
        EXPECT_EQ(m_user.questions, 0) << "asked to delete an event recording";
        for (const std::string& rel : FilesOf(m_reference.Groups()[size_t(protectedRow)]))
            EXPECT_TRUE(fs::exists(m_card + rel)) << rel;
        UncheckAll();

        const int row = GroupRowWithLock(false);
        ASSERT_GE(row, 0);
        const RecordingGroup doomed = m_reference.Groups()[size_t(row)];
        ASSERT_TRUE(ClickCheckBox(List("groupList"), row));
        ClickCentre(Button(kDelete));
        EXPECT_EQ(m_user.questions, 1) << "no confirmation asked";
        for (const std::string& rel : FilesOf(doomed)) EXPECT_FALSE(fs::exists(m_card + rel)) << rel;
        EXPECT_TRUE(WaitUntil([&] { return Rows("fileList").rowCount() == files - doomed.entryCount; }, 5000))
            << Rows("fileList").rowCount();
        EXPECT_EQ(Rows("groupList").rowCount(), groups - 1);
        for (const std::string& rel : FilesOf(doomed))
            EXPECT_EQ(RowHolding(Rows("fileList"), Q(fs::path(rel).filename().string())), -1) << rel;
        for (size_t g = 0; g < m_reference.Groups().size(); ++g)
            if (int(g) != row) {
                for (const std::string& rel : FilesOf(m_reference.Groups()[g])) EXPECT_TRUE(fs::exists(m_card + rel)) << rel;
            }
    }

    // MAP and GSR off and on: the map window and the curve go and come back, remembered at once.
    {
        QWidget* curve = m_window->Control(kGSensorCurve);
        ClickCentre(Button(kMapSwitch));
        EXPECT_TRUE(WaitUntil([&] { return !map->isVisible(); }, 3000));
        EXPECT_TRUE(Ini().contains("MAP_ENABLE=0")) << Ini().toStdString();
        ClickCentre(Button(kMapSwitch));
        EXPECT_TRUE(WaitUntil([&] { return map->isVisible(); }, 3000));
        EXPECT_TRUE(Ini().contains("MAP_ENABLE=1")) << Ini().toStdString();
        ClickCentre(Button(kGSensorSwitch));
        EXPECT_TRUE(WaitUntil([&] { return !curve->isVisible(); }, 3000));
        EXPECT_TRUE(Ini().contains("GSNR_ENABLE=0")) << Ini().toStdString();
        ClickCentre(Button(kGSensorSwitch));
        EXPECT_TRUE(WaitUntil([&] { return curve->isVisible(); }, 3000));
        EXPECT_TRUE(Ini().contains("GSNR_ENABLE=1")) << Ini().toStdString();
    }

    // Full screen in and out with double clicks on the video of a recording opened from the file list.
    const QRect normalFrame = m_window->geometry();
    {
        QTableView& files = List("fileList");
        const QModelIndex first = files.model()->index(0, 1);
        const QString name = first.data().toString();
        files.scrollTo(first);
        QTest::mouseDClick(files.viewport(), Qt::LeftButton, {}, files.visualRect(first).center());
        QWidget* video = m_window->Control(kVideoSurface);
        ASSERT_TRUE(WaitUntil([&] { return HighlightedRow(files) == 0 && video->isVisible() && Time() > 200; }, 10000))
            << "the double-clicked recording " << name.toStdString() << " does not play";
        double shown = 0;
        EXPECT_TRUE(WaitUntil([&] { return (shown = LitShareOnScreen(video)) > 0.4; }, 5000))
            << "no picture after PLAY: " << shown << " at " << Time() << " in " << video->width() << "x" << video->height();
        const QRect screen = m_window->screen()->geometry();
        DoubleClickCentre(video);
        // One pixel short of the screen when the window already spans one of its extents, so that it resizes.
        EXPECT_TRUE(WaitUntil([&] {
            const QRect g = m_window->geometry();
            return g.topLeft() == screen.topLeft() && g.width() == screen.width() &&
                   (g.height() == screen.height() || g.height() == screen.height() - 1);
        }, 5000))
            << m_window->geometry().width() << "x" << m_window->geometry().height();
        // The picture fills the screen's width or height; the controls and the map are out of the way.
        EXPECT_TRUE(WaitUntil([&] {
            const QSize v = video->geometry().size();
            return (v.width() == screen.width() && v.height() <= screen.height()) ||
                   (v.height() == screen.height() && v.width() <= screen.width());
        }, 3000)) << video->width() << "x" << video->height();
        EXPECT_FALSE(Button(kOpen)->isVisible());
        EXPECT_FALSE(List("groupList").isVisible());
        EXPECT_LE(map->width() * map->height(), 1);
        EXPECT_TRUE(WaitUntil([&] { return (shown = LitShareOnScreen(video)) > 0.4; }, 5000))
            << "no picture in full screen: " << shown << " at " << Time();
        // Enter works PLAY, hidden in full screen: a pause and a resume.
        QTest::keyClick(m_window.get(), Qt::Key_Return);
        ASSERT_TRUE(WaitUntil([&] { return m_window->Engine().IsPaused(); }, 3000)) << "Enter did not pause";
        const int64_t paused = Time();
        QTest::qWait(400);
        EXPECT_LE(Time(), paused + 50) << "the clock runs while paused";
        QTest::keyClick(m_window.get(), Qt::Key_Return);
        EXPECT_TRUE(WaitUntil([&] { return Time() > paused + 200; }, 5000)) << "Enter did not resume";
        DoubleClickCentre(video);
        EXPECT_TRUE(WaitUntil([&] { return m_window->geometry() == normalFrame; }, 5000));
        EXPECT_TRUE(WaitUntil([&] { return map->isVisible() && map->width() > 1; }, 3000));
        EXPECT_TRUE(Button(kOpen)->isVisible());
        EXPECT_TRUE(List("groupList").isVisible());
        EXPECT_TRUE(WaitUntil([&] { return (shown = LitShareOnScreen(video)) > 0.4; }, 5000))
            << "no picture after full screen: " << shown << " at " << Time();
    }

    // CLOSE: the event loop ends with status 0 and the settings hold the window and the switches.
    QTimer::singleShot(0, m_window.get(), [this] { ClickCentre(Button(kClose)); });
    QTimer::singleShot(30000, [] { QCoreApplication::exit(99); });
    const QRect frame = m_window->geometry();
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_FALSE(m_window->isVisible());
    CTarvoSettings reread(QDir::currentPath());
    EXPECT_EQ(reread.ReadInt(SettingsKey::kSectionWinPos, SettingsKey::kLeft, -1), frame.left());
    EXPECT_EQ(reread.ReadInt(SettingsKey::kSectionWinPos, SettingsKey::kTop, -1), frame.top());
    EXPECT_EQ(reread.ReadInt(SettingsKey::kSectionWinPos, SettingsKey::kRight, -1), frame.left() + frame.width());
    EXPECT_EQ(reread.ReadInt(SettingsKey::kSectionWinPos, SettingsKey::kBottom, -1), frame.top() + frame.height());
    EXPECT_EQ(frame, normalFrame);
    EXPECT_TRUE(reread.ReadMapEnabled());
    EXPECT_TRUE(reread.ReadGSensorEnabled());
    EXPECT_EQ(QDir::cleanPath(reread.ReadString(SettingsKey::kSectionUi, SettingsKey::kFolder)).toStdString(),
              QDir::cleanPath(Q(m_card)).toStdString());
    m_window.reset();
}

}  // namespace
