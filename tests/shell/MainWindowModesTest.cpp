// Window modes on a fake monitor: presets, maximise, full screen, minimise, MAP and GSR.
#include <gtest/gtest.h>

#include <QTest>

#include "app/ControlIds.h"
#include "app/WindowMessages.h"
#include "controls/CGdipButton.h"
#include "controls/CVideoStaticBg.h"
#include "tests/shell/ShellTestSupport.h"

using namespace ControlId;

namespace {

class MainWindowModes : public ShellTest {
protected:
    void SendToggle(CTarvoDlg& w) {
        CWindowMessageEvent toggle(WindowMessage::kToggleFullScreen);
        QCoreApplication::sendEvent(&w, &toggle);
        Settle();
    }
};

TEST_F(MainWindowModes, PresetButtonsSizeTheWindowOnTheNearestMonitor) {
    CTarvoDlg& w = Window({1000, 700});
    const std::pair<int, QRect> presets[] = {
        {kSmall, {500, 270, 800, 560}}, {kMedium, {300, 175, 1280, 800}}, {kLarge, kFakeMonitor}};
    for (const auto& [id, expected] : presets) {
        w.Button(id)->click();
        Settle();
        EXPECT_EQ(w.geometry(), expected) << id;
        EXPECT_EQ(w.ClientSize(), expected.size()) << id;
    }
}

TEST_F(MainWindowModes, PresetLeavesTheMaximisedMode) {
    CTarvoDlg& w = Window();
    w.Button(kMaximise)->click();
    ASSERT_TRUE(w.IsMaximised());
    w.Button(kSmall)->click();
    EXPECT_FALSE(w.IsMaximised());
}

TEST_F(MainWindowModes, MaximiseTakesTheMonitorAndRestoreReturns) {
    CTarvoDlg& w = Window({900, 600});
    const QRect before = w.geometry();
    w.Button(kMaximise)->click();
    Settle();
    EXPECT_TRUE(w.IsMaximised());
    EXPECT_EQ(w.geometry(), kFakeMonitor);
    EXPECT_EQ(w.Control(kClose)->geometry().topLeft(), QPoint(kFakeMonitor.width() - 32, 2));
    w.Button(kMaximise)->click();
    Settle();
    EXPECT_FALSE(w.IsMaximised());
    EXPECT_EQ(w.geometry(), before);
}

TEST_F(MainWindowModes, FullScreenNeedsListedRecordings) {
    CTarvoDlg& w = Window();
    const QRect before = w.geometry();
    SendToggle(w);
    EXPECT_FALSE(w.IsFullScreen());
    EXPECT_EQ(w.geometry(), before);
    EXPECT_TRUE(w.Control(kPlay)->isVisible());
}

TEST_F(MainWindowModes, FullScreenEntryAndExit) {
    CTarvoDlg& w = Window({900, 600});
    ListOneRecording(w);
    const QRect before = w.geometry();
    SendToggle(w);
    ASSERT_TRUE(w.IsFullScreen());
    EXPECT_EQ(w.geometry(), kFakeMonitor);
    EXPECT_EQ(w.mask(), QRegion(0, 0, kFakeMonitor.width(), kFakeMonitor.height()));
    EXPECT_EQ(w.Control(kVideoBackground)->geometry(), QRect(QPoint(0, 0), kFakeMonitor.size()));
    EXPECT_EQ(w.Control(kVideoSurface)->geometry(), QRect(0, 50, 1600, 900));
    EXPECT_FALSE(static_cast<CVideoStaticBg*>(w.Control(kVideoBackground))->HasClientEdge());
    for (int id : {kPlay, kStop, kOpen, kClose, kGroupList, kFileList, kGSensorCurve, kLogo, kSpeed, kSmall, kHelp})
        EXPECT_FALSE(w.Control(id)->isVisible()) << id;
    EXPECT_EQ(w.MapWindow()->geometry(), QRect(0, 0, 1, 1));
    EXPECT_EQ(w.SavedRect(), before);

    SendToggle(w);
    EXPECT_FALSE(w.IsFullScreen());
    EXPECT_EQ(w.geometry(), before);
    EXPECT_EQ(w.mask(), MainWindowRegion(before.size(), false));
    EXPECT_TRUE(static_cast<CVideoStaticBg*>(w.Control(kVideoBackground))->HasClientEdge());
    for (int id : {kPlay, kStop, kOpen, kClose, kGroupList, kFileList, kGSensorCurve, kLogo, kSpeed, kSmall})
        EXPECT_TRUE(w.Control(id)->isVisible()) << id;
    // The help button appears once full screen has been left; FLIP shows but stays disabled.
    EXPECT_TRUE(w.Control(kHelp)->isVisible());
    EXPECT_TRUE(w.Control(kFlip)->isVisible());
    EXPECT_FALSE(w.Control(kFlip)->isEnabled());
    EXPECT_FALSE(w.Control(kStatusBoard)->isVisible());
    EXPECT_EQ(w.MapWindow()->geometry(), QRect(655, 48, 240, 240));
}

TEST_F(MainWindowModes, DoubleClickOnTheVideoBackgroundTogglesFullScreen) {
    CTarvoDlg& w = Window();
    ListOneRecording(w);
    QWidget* background = w.Control(kVideoBackground);
    QTest::mouseDClick(background, Qt::LeftButton, {}, background->rect().center());
    Settle();
    EXPECT_TRUE(w.IsFullScreen());
}

TEST_F(MainWindowModes, MapSwitchIsIgnoredInFullScreen) {
    CTarvoDlg& w = Window();
    ListOneRecording(w);
    SendToggle(w);
    ASSERT_TRUE(w.IsFullScreen());
    w.OnMapSwitch();
    EXPECT_TRUE(w.MapEnabled());
    EXPECT_FALSE(ReadIni().contains("MAP_ENABLE"));
}

TEST_F(MainWindowModes, MapSwitchWritesItsSettingAtOnce) {
    CTarvoDlg& w = Window();
    w.Button(kMapSwitch)->click();
    EXPECT_FALSE(w.MapEnabled());
    EXPECT_TRUE(ReadIni().contains("MAP_ENABLE=0"));
    EXPECT_FALSE(w.MapWindow()->isVisible());
    EXPECT_FALSE(w.MapWindow()->isEnabled());
    EXPECT_EQ(w.Control(kFileList)->geometry(), QRect(555, 48, 240, 448));
    w.Button(kMapSwitch)->click();
    EXPECT_TRUE(ReadIni().contains("MAP_ENABLE=1"));
    EXPECT_TRUE(w.MapWindow()->isVisible());
    EXPECT_EQ(w.Control(kFileList)->geometry(), QRect(555, 293, 240, 203));
}

TEST_F(MainWindowModes, GSensorSwitchGivesTheCurveHeightToTheVideoAndBack) {
    CTarvoDlg& w = Window();
    const QRect curve = w.Control(kGSensorCurve)->geometry();
    w.Button(kGSensorSwitch)->click();
    EXPECT_TRUE(ReadIni().contains("GSNR_ENABLE=0"));
    EXPECT_FALSE(w.Control(kGSensorCurve)->isVisible());
    EXPECT_EQ(w.Control(kVideoBackground)->geometry(), QRect(5, 48, 545, 293));
    w.Button(kGSensorSwitch)->click();
    EXPECT_TRUE(ReadIni().contains("GSNR_ENABLE=1"));
    EXPECT_TRUE(w.Control(kGSensorCurve)->isVisible());
    EXPECT_EQ(w.Control(kGSensorCurve)->geometry(), curve);
    EXPECT_EQ(w.Control(kVideoBackground)->geometry(), QRect(5, 48, 545, 222));
}

TEST_F(MainWindowModes, RestoreAfterMinimiseShowsTheVideoAgain) {
    CTarvoDlg& w = Window();
    ASSERT_FALSE(w.Control(kVideoSurface)->isVisible());
    w.Button(kMinimise)->click();
    Settle();
    EXPECT_TRUE(w.IsMinimisedByButton());
    w.showNormal();
    Settle();
    EXPECT_FALSE(w.IsMinimisedByButton());
    EXPECT_TRUE(w.Control(kVideoSurface)->isVisible());
}

}  // namespace
