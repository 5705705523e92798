// The main window after start-up: controls, their first states, the engine warning, keys, closing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QTest>

#include "app/ControlIds.h"
#include "app/TextIds.h"
#include "app/TimerIds.h"
#include "app/WindowMessages.h"
#include "controls/CGdipButton.h"
#include "controls/CKeldaToolTipCtrl.h"
#include "controls/CPngStatic.h"
#include "tests/shell/ShellTestSupport.h"

using namespace ControlId;

namespace {

class MainWindowStart : public ShellTest {};

TEST_F(MainWindowStart, ShowsTheStartStatesOfTheControls) {
    CTarvoDlg& w = Window();
    EXPECT_FALSE(w.Control(kHelp)->isVisible());
    EXPECT_FALSE(w.Control(kFlip)->isVisible());
    EXPECT_FALSE(w.Control(kFlip)->isEnabled());
    EXPECT_FALSE(w.Control(kBanner)->isEnabled());
    EXPECT_FALSE(static_cast<CPngStatic*>(w.Control(kBanner))->HasImage());
    EXPECT_EQ(w.Control(kLogo)->geometry(), QRect(8, 4, 40, 40));
    EXPECT_TRUE(static_cast<CPngStatic*>(w.Control(kLogo))->IsColour());
    EXPECT_FALSE(static_cast<CPngStatic*>(w.Control(kGps))->IsColour());
    EXPECT_FALSE(w.Control(kStatusBoard)->isVisible());
    EXPECT_FALSE(w.Control(kVideoSurface)->isVisible());
    EXPECT_TRUE(w.Control(kVideoBackground)->isVisible());
    EXPECT_TRUE(w.Control(kGSensorCurve)->isVisible());
    EXPECT_TRUE(w.MapWindow()->isVisible());
    EXPECT_TRUE(w.windowIcon().availableSizes().contains(QSize(128, 128)));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Velidor"));
    EXPECT_TRUE(w.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(w.IsTimerActive(TimerId::kApplySeek));
    EXPECT_TRUE(w.IsTimerActive(TimerId::kDelayedOpen));
    for (int id : {kPlay, kStop, kNext, kFast, kOpen, kSnap, kSave, kDelete, kLoop, kKml, kMapSwitch,
                   kGSensorSwitch, kLock, kClose, kMaximise, kMinimise, kMute, kSmall, kMedium, kLarge})
        EXPECT_TRUE(w.Control(id)->isVisible()) << id;
}

TEST_F(MainWindowStart, ButtonsCarryTheirSkinImagesAndToggleModes) {
    CTarvoDlg& w = Window();
    struct Row {
        int id;
        bool toggling;
    } rows[] = {{kPlay, true}, {kLoop, true}, {kMute, true}, {kStop, false}, {kOpen, false}, {kClose, false}};
    for (const Row& r : rows) {
        CGdipButton* b = w.Button(r.id);
        ASSERT_NE(b, nullptr) << r.id;
        EXPECT_FALSE(b->m_pStdImage->IsNull()) << r.id;
        EXPECT_EQ(b->m_bToggle, r.toggling) << r.id;
    }
}

TEST_F(MainWindowStart, EveryControlStandsWhereTheLayoutPutsIt) {
    for (QSize size : {QSize(800, 560), QSize(1280, 800), QSize(1920, 1080)}) {
        CTarvoDlg& w = Window(size);
        ASSERT_EQ(w.ClientSize(), size);
        LayoutInput in;
        in.client = size;
        in.gsensorHeight = w.Control(kGSensorCurve)->height();
        const MainLayout l = ComputeMainLayout(in);
        const std::pair<int, QRect> placed[] = {
            {kClose, l.close},         {kMaximise, l.maximise}, {kMinimise, l.minimise},
            {kHelp, l.help},           {kLarge, l.large},       {kMedium, l.medium},
            {kSmall, l.small},         {kFileList, l.fileList}, {kVideoBackground, l.videoBackground},
            {kStatusBoard, l.statusBoard}, {kPositionSlider, l.positionSlider},
            {kGSensorCurve, l.gsensorCurve}, {kGroupList, l.groupList}, {kOpen, l.open},
            {kSnap, l.snap},           {kSave, l.save},         {kDelete, l.del},
            {kNext, l.next},           {kStop, l.stop},         {kPlay, l.play},
            {kFast, l.fast},           {kMute, l.mute},         {kVolumeSlider, l.volumeSlider},
            {kLoop, l.switches[0]},    {kKml, l.switches[1]},   {kMapSwitch, l.switches[2]},
            {kGSensorSwitch, l.switches[3]}, {kLock, l.switches[4]},
        };
        for (const auto& [id, rect] : placed) EXPECT_EQ(w.Control(id)->geometry(), rect) << id << " at " << size.width();
        EXPECT_EQ(w.MapWindow()->geometry(), l.mapWindow);
        EXPECT_EQ(w.Control(kVideoSurface)->geometry(), l.videoBackground.adjusted(2, 2, -2, -2));
        EXPECT_EQ(w.SplitColumns(), l.splitColumns);
        EXPECT_EQ(w.SplitVideoList(), l.splitVideoList);
        EXPECT_EQ(w.mask(), MainWindowRegion(size, false));
    }
}

TEST_F(MainWindowStart, MissingEngineIsReportedOnceAndTheWindowStillWorks) {
    WriteIni("[UI]\nLANGID=ENG\n");
    CTarvoDlg& w = Window();
    ASSERT_FALSE(w.Engine().IsLoaded());
    ASSERT_EQ(m_dialogs.messages.size(), 1u);
    EXPECT_EQ(m_dialogs.messages[0].caption, Settings().LoadText(TextId::kWarning));
    EXPECT_EQ(m_dialogs.messages[0].text, Settings().LoadText(TextId::kEngineMissing));
    EXPECT_FALSE(m_dialogs.messages[0].text.isEmpty());
    w.resize(1280, 800);
    w.Button(kLarge)->click();
    Settle();
    EXPECT_EQ(m_dialogs.messages.size(), 1u);
    EXPECT_EQ(w.geometry(), kFakeMonitor);
}

TEST_F(MainWindowStart, LoadedEngineGivesNoWarningAndStartsAtNormalRateAndVolume) {
    ShellOptions options;
    options.engine.extraArguments = {"--aout=adummy", "--vout=dummy"};
    options.dialogs = &m_dialogs;
    CTarvoDlg w(Settings(), options);
    ASSERT_TRUE(w.Engine().IsLoaded()) << "libVLC is part of the package list";
    EXPECT_TRUE(m_dialogs.messages.empty());
    EXPECT_EQ(w.Engine().GetVolume(), 100);
    EXPECT_FLOAT_EQ(w.Engine().GetRate(), 1.0f);
}

TEST_F(MainWindowStart, ToolTipsCarryTheTextsOfTheLanguage) {
    for (const char* lang : {"ENG", "GER", "JPN"}) {
        WriteIni(QByteArray("[UI]\nLANGID=") + lang + "\n");
        m_window.reset();
        m_settings.reset();
        CTarvoDlg& w = Window();
        CKeldaToolTipCtrl* tips = w.ToolTips();
        ASSERT_NE(tips, nullptr);
        EXPECT_EQ(tips->m_toolWindows.size(), 23u) << lang;
        const std::pair<int, int> tools[] = {
            {kNext, TextId::kTipSlower}, {kPlay, TextId::kTipPlay}, {kHelp, TextId::kTipAbout},
            {kVolumeSlider, TextId::kTipVolume}, {kSpeed, TextId::kTipSpeedUnit}, {kSmall, TextId::kTipSmallWindow}};
        for (const auto& [id, text] : tools) {
            QWidget* tool = w.Control(id);
            ASSERT_TRUE(tips->ShowTip(tool, tool->mapToGlobal(tool->rect().center()))) << id;
            EXPECT_EQ(tips->CurrentText(), Settings().LoadText(text)) << lang << " " << id;
            EXPECT_FALSE(tips->CurrentText().isEmpty()) << lang << " " << id;
        }
        tips->HideTip();
    }
    EXPECT_EQ(Settings().LanguageCode(), QStringLiteral("JPN"));
}

TEST_F(MainWindowStart, StartsAtTheStoredPosition) {
    // Inside the offscreen platform's 800 x 600 screen.
    WriteIni("[WINPOS]\nLEFT=0\nTOP=20\nRIGHT=800\nBOTTOM=590\n");
    ShellOptions options;
    options.engine.library = kMissingEngine;
    options.dialogs = &m_dialogs;
    CTarvoDlg w(Settings(), options);
    EXPECT_EQ(w.geometry(), QRect(0, 20, 800, 570));
    EXPECT_EQ(w.ClientSize(), QSize(800, 570));
}

TEST_F(MainWindowStart, EscapeNeverClosesAndEnterPressesPlay) {
    CTarvoDlg& w = Window();
    CGdipButton* play = w.Button(kPlay);
    int clicks = 0;
    QObject::connect(play, &QAbstractButton::clicked, [&clicks] { ++clicks; });
    QTest::keyClick(&w, Qt::Key_Escape);
    Settle();
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(ReadIni().contains("WINPOS"));
    QTest::keyClick(&w, Qt::Key_Return);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(play->IsAlternate()) << "with nothing listed PLAY only resets its button";
    QTest::keyClick(&w, Qt::Key_Enter);
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(play->IsAlternate());
}

TEST_F(MainWindowStart, EnterStillPressesPlayInFullScreen) {
    CTarvoDlg& w = Window();
    ListOneRecording(w);
    CWindowMessageEvent toggle(WindowMessage::kToggleFullScreen);
    QCoreApplication::sendEvent(&w, &toggle);
    ASSERT_TRUE(w.IsFullScreen());
    ASSERT_FALSE(w.Control(kPlay)->isVisible());
    QTest::keyClick(&w, Qt::Key_Return);
    EXPECT_TRUE(w.Button(kPlay)->IsAlternate());
}

TEST_F(MainWindowStart, CloseButtonStoresTheWindowPosition) {
    CTarvoDlg& w = Window({900, 600});
    const QRect frame = w.geometry();
    w.Button(kClose)->click();
    Settle();
    EXPECT_FALSE(w.isVisible());
    const QByteArray ini = ReadIni();
    EXPECT_TRUE(ini.contains("LEFT=" + QByteArray::number(frame.left()))) << ini.constData();
    EXPECT_TRUE(ini.contains("RIGHT=" + QByteArray::number(frame.left() + 900))) << ini.constData();
    EXPECT_TRUE(ini.contains("BOTTOM=" + QByteArray::number(frame.top() + 600))) << ini.constData();
}

TEST_F(MainWindowStart, ClosingTheWindowEndsTheEventLoopWithStatusZero) {
    CTarvoDlg& w = Window();
    QTimer::singleShot(0, &w, [&w] { w.Button(kClose)->click(); });
    QTimer guard;  // only keeps a broken close from hanging the run
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(30000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(ReadIni().contains("[WINPOS]"));
}

TEST_F(MainWindowStart, EverySizeChangeRestartsTheSliderResetTimer) {
    CTarvoDlg& w = Window();
    // Once the start-up run of the timer is over, a resize must start it again.
    ASSERT_TRUE(QTest::qWaitFor([&w] { return !w.IsTimerActive(TimerId::kSliderReset); }, 10000));
    w.resize(1000, 700);
    Settle();
    EXPECT_TRUE(w.IsTimerActive(TimerId::kSliderReset));
}

TEST_F(MainWindowStart, SwitchedOffCurveAndMapStayOffAtStart) {
    WriteIni("[UI]\nMAP_ENABLE=0\nGSNR_ENABLE=0\n");
    CTarvoDlg& w = Window();
    EXPECT_FALSE(w.Control(kGSensorCurve)->isVisible());
    EXPECT_FALSE(w.MapWindow()->isVisible());
    EXPECT_EQ(w.Control(kFileList)->geometry(), QRect(555, 48, 240, 448));
    EXPECT_EQ(w.Control(kVideoBackground)->geometry(), QRect(5, 48, 545, 293));
}

}  // namespace
