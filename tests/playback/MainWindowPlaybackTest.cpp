// The main window's playback wiring without the engine: messages, commands and timers reach the
// controller, and nothing moves or breaks.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>

#include "app/CTarvoDlg.h"
#include "app/CTarvoPlaybackHost.h"
#include "app/CTarvoSettings.h"
#include "app/ControlIds.h"
#include "app/Languages.h"
#include "app/ShellDialogs.h"
#include "app/TextIds.h"
#include "app/WindowMessages.h"
#include "controls/CGdipButton.h"
#include "controls/CMySliderControl.h"
#include "controls/CVideoSlider.h"
#include "playback/PlaybackController.h"
#include "playback/PlaybackShared.h"
#include "tests/playback/FakePlayback.h"

namespace {

struct RecordingDialogs : IShellDialogs {
    int RunModal(QDialog&) override { return 0; }
    void ShowMessage(QWidget*, const QString& caption, const QString& text) override {
        captions << caption;
        texts << text;
    }
    std::optional<QString> PickFolder(QWidget*, const QString&, const QString&) override { return std::nullopt; }
    std::optional<QString> PickSaveFile(QWidget*, const QString&, const QString&) override {
        ++saveDialogs;
        return QStringLiteral("/nonexistent/shot.png");
    }
    QStringList captions, texts;
    int saveDialogs = 0;
};

class WindowWithoutEngine : public ::testing::Test {
protected:
    void SetUp() override {
        settings = std::make_unique<CTarvoSettings>(dir.path());
        ShellOptions options;
        options.engine.library = "libnorvik-absent-engine.so.0";
        options.dialogs = &dialogs;
        options.screenSaver = &screenSaver;
        options.telemetry = &telemetry;
        window = std::make_unique<CTarvoDlg>(*settings, options);
        window->setGeometry(100, 100, 1000, 700);
        window->show();
        QTest::qWait(250);  // the slider reset timer
        dialogs.captions.clear();
        dialogs.texts.clear();
        FillCatalog(window->Catalog(), 2);
    }
    void TearDown() override { window.reset(); }
    void Send(int code, intptr_t w = 0, intptr_t l = 0) {
        CWindowMessageEvent message(code, w, l);
        QCoreApplication::sendEvent(window.get(), &message);
    }
    QAbstractSlider& Slider() { return *qobject_cast<QAbstractSlider*>(window->Control(ControlId::kPositionSlider)); }

    QTemporaryDir dir;
    RecordingDialogs dialogs;
    FakeInhibitor screenSaver;
    FakeTelemetry telemetry;
    std::unique_ptr<CTarvoSettings> settings;
    std::unique_ptr<CTarvoDlg> window;
};

TEST_F(WindowWithoutEngine, TheSlidersStandInTheirPlaces) {
    ASSERT_NE(qobject_cast<CVideoSlider*>(window->Control(ControlId::kPositionSlider)), nullptr);
    auto* volume = qobject_cast<CMySliderControl*>(window->Control(ControlId::kVolumeSlider));
    ASSERT_NE(volume, nullptr);
    EXPECT_EQ(volume->value(), 50);
    EXPECT_EQ(g_nSliderOffset.load(), SliderDeadZone(Slider().width()));
    EXPECT_EQ(Slider().value(), g_nSliderOffset.load());
}

TEST_F(WindowWithoutEngine, EveryCommandIsHarmlessAndTheSliderStaysStill) {
    const int start = Slider().value();
    for (int id : {ControlId::kPlay, ControlId::kFast, ControlId::kNext, ControlId::kMute, ControlId::kLoop,
                   ControlId::kSnap, ControlId::kStop, ControlId::kPlay})
        window->Button(id)->click();
    Slider().setValue(600);
    Send(WindowMessage::kSeekMoved);
    EXPECT_EQ(window->Playback().PendingSeekMs(), 0);  // the missing engine has no length
    QTest::qWait(600);                                 // a tick of the seek timer
    Slider().setValue(start);
    Send(WindowMessage::kOpenFile, 1);
    QTest::qWait(300);
    EXPECT_EQ(Slider().value(), start);
    EXPECT_TRUE(telemetry.updates.empty());
    EXPECT_EQ(dialogs.saveDialogs, 1);
    EXPECT_TRUE(dialogs.texts.isEmpty());
    g_openPending = 0;
}

TEST_F(WindowWithoutEngine, PrivateMessagesReachTheController) {
    Send(WindowMessage::kPlayState, 3);
    EXPECT_TRUE(window->Button(ControlId::kPlay)->IsAlternate());
    Send(WindowMessage::kPlayState, 4);
    EXPECT_FALSE(window->Button(ControlId::kPlay)->IsAlternate());

    Send(WindowMessage::kPlayTime, 30000, 515);
    EXPECT_EQ(Slider().value(), 515);
    EXPECT_EQ(telemetry.updates, (std::vector<int64_t>{30000}));

    Send(WindowMessage::kEngineError, 1);
    EXPECT_EQ(dialogs.texts, QStringList{LoadSystemText(TextId::kEngineError)});
    EXPECT_EQ(dialogs.captions, QStringList{CTarvoPlaybackHost::ProgramName()});
}

TEST_F(WindowWithoutEngine, PostedMessagesAreHandledOnTheWindowsThread) {
    QCoreApplication::postEvent(window.get(), new CWindowMessageEvent(WindowMessage::kPlayTime, 1000, 321));
    EXPECT_NE(Slider().value(), 321);
    QCoreApplication::processEvents();
    EXPECT_EQ(Slider().value(), 321);
}

}  // namespace
