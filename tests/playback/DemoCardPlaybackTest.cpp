// The main window with the real engine on the demo card, opened as OPEN does: the catalogue loads the
// card and the delayed open starts its earliest recording (needs an X display).
#include <gtest/gtest.h>

#include <algorithm>

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "app/CTarvoDlg.h"
#include "app/CTarvoSettings.h"
#include "app/ControlIds.h"
#include "app/ShellDialogs.h"
#include "controls/CGdipButton.h"
#include "controls/CVideoSlider.h"
#include "playback/PlaybackController.h"
#include "playback/PlaybackShared.h"
#include "tests/demo/DemoCardSetup.h"
#include "tests/engine/ImageProbe.h"
#include "tests/playback/FakePlayback.h"

namespace {

constexpr int kDelayedOpenTicks = 5;  // of the 100 ms delayed-open timer

struct SaveDialogAnswer : IShellDialogs {
    int RunModal(QDialog&) override { return 0; }
    void ShowMessage(QWidget*, const QString&, const QString& text) override { messages << text; }
    std::optional<QString> PickFolder(QWidget*, const QString&, const QString&) override { return std::nullopt; }
    std::optional<QString> PickSaveFile(QWidget*, const QString&, const QString&) override {
        ++saveDialogs;
        return nextSave;
    }
    QStringList messages;
    int saveDialogs = 0;
    std::optional<QString> nextSave;
};

class DemoCardPlayback : public ::testing::Test {
protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs an X display";
        const BuiltCard& card = DemoCardUnderTest();
        ASSERT_GE(card.card.recordings.size(), 2u);
        m_card = &card;
        m_settings = std::make_unique<CTarvoSettings>(m_dir.path());
        ShellOptions options;
        options.engine.extraArguments = {"--aout=adummy", "--no-video-title-show"};
        options.dialogs = &m_dialogs;
        options.screenSaver = &m_screenSaver;
        m_window = std::make_unique<CTarvoDlg>(*m_settings, options);
        // Away from the screen's origin, where an engine that makes a window of its own would put it.
        m_window->setGeometry(800, 300, 1000, 700);
        m_window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
        ASSERT_TRUE(m_window->Engine().IsLoaded());
    }
    void TearDown() override {
        m_window.reset();
        g_openPending = 0;
    }

    // Loads the card and starts the delayed open of its first entry; true once that entry plays.
    bool OpenCard() {
        if (!m_window->Catalog().Load(m_card->folder)) return false;
        m_window->Playback().RequestDelayedOpen(0, kDelayedOpenTicks);
        return QTest::qWaitFor([this] { return Time() > 300; }, 15000);
    }
    std::string EarliestRecording() const { return m_card->folder + m_card->card.recordings.front().path; }
    int64_t Time() { return m_window->Engine().GetTime(); }
    CVideoSlider& Slider() { return *qobject_cast<CVideoSlider*>(m_window->Control(ControlId::kPositionSlider)); }
    // The share of the video surface's pixels on the screen that are lit, as a user would see them.
    double LitShareOfTheVideoSurface() {
        QWidget* surface = m_window->Control(ControlId::kVideoSurface);
        const QPoint origin = surface->mapToGlobal(QPoint(0, 0));
        const QImage shot = QGuiApplication::primaryScreen()
                                ->grabWindow(0, origin.x(), origin.y(), surface->width(), surface->height())
                                .toImage();
        if (shot.isNull()) return 0;
        int lit = 0;
        for (int y = 0; y < shot.height(); y += 4)
            for (int x = 0; x < shot.width(); x += 4) {
                const QColor c = shot.pixelColor(x, y);
                if (std::max({c.red(), c.green(), c.blue()}) > 128) ++lit;
            }
        return lit / double(((shot.width() + 3) / 4) * ((shot.height() + 3) / 4));
    }
    // Playback milliseconds that pass in wallMs of wall time.
    double Advance(int wallMs) {
        QElapsedTimer wall;
        const int64_t start = Time();
        wall.start();
        QTest::qWait(wallMs);
        return double(Time() - start) * wallMs / double(wall.elapsed());
    }

    const BuiltCard* m_card = nullptr;
    QTemporaryDir m_dir;
    SaveDialogAnswer m_dialogs;
    FakeInhibitor m_screenSaver;
    std::unique_ptr<CTarvoSettings> m_settings;
    std::unique_ptr<CTarvoDlg> m_window;
};

TEST_F(DemoCardPlayback, TheEarliestRecordingPlaysAfterTheDelayedOpenAndMovesTheSlider) {
    ASSERT_TRUE(m_window->Catalog().Load(m_card->folder));
    ASSERT_EQ(m_window->Catalog().Entries().size(), m_card->card.recordings.size());
    EXPECT_EQ(m_window->Catalog().GetEntryPath(0), EarliestRecording());
    m_window->Playback().RequestDelayedOpen(0, kDelayedOpenTicks);
    QElapsedTimer sinceRequest;
    sinceRequest.start();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !m_window->Playback().CurrentPath().empty(); }, 10000));
    // Five ticks of a 100 ms coarse timer, each of which may come up to 5 % early.
    EXPECT_GE(sinceRequest.elapsed(), 350);
    EXPECT_EQ(m_window->Playback().CurrentPath(), EarliestRecording());
    ASSERT_TRUE(QTest::qWaitFor([this] { return Time() > 300; }, 15000)) << "never played";
    EXPECT_EQ(m_window->Catalog().GetCurrentEntry(), 0);
    EXPECT_TRUE(m_window->Control(ControlId::kVideoSurface)->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([this] { return m_window->Button(ControlId::kPlay)->IsAlternate(); }, 5000));

    const int offset = g_nSliderOffset.load();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Slider().value() > offset + 100; }, 10000)) << Slider().value();
    const int earlier = Slider().value();
    EXPECT_TRUE(QTest::qWaitFor([&] { return Slider().value() > earlier + 50; }, 5000)) << Slider().value();
    EXPECT_TRUE(m_dialogs.messages.isEmpty()) << m_dialogs.messages.join('\n').toStdString();
}

// The demo pictures are bright colour bars; the surface's own background is the dark skin colour.
TEST_F(DemoCardPlayback, ThePictureAppearsInTheWindowsVideoSurface) {
    ASSERT_TRUE(OpenCard());
    double lit = 0;
    EXPECT_TRUE(QTest::qWaitFor([&] { return (lit = LitShareOfTheVideoSurface()) > 0.5; }, 5000)) << lit;
}

TEST_F(DemoCardPlayback, ADragOfThePositionSliderSeeksWithinHalfASecond) {
    ASSERT_TRUE(OpenCard());
    CVideoSlider& slider = Slider();
    const QRect channel = slider.ChannelRect();
    const int x = channel.left() + channel.width() * 3 / 4;
    const int y = slider.height() / 2;
    QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(x - 20, y));
    QMouseEvent move(QEvent::MouseMove, QPointF(x, y), slider.mapToGlobal(QPointF(x, y)), Qt::NoButton,
                     Qt::LeftButton, {});
    QCoreApplication::sendEvent(&slider, &move);
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(x, y));
    QElapsedTimer sinceRelease;
    sinceRelease.start();
    const int64_t target = m_window->Playback().PendingSeekMs();
    const int64_t length = m_window->Engine().GetLength();
    ASSERT_GT(length, 0);
    EXPECT_GT(target, length * 6 / 10);
    EXPECT_LT(target, length * 9 / 10);
    // The seek timer ticks every 500 ms; the slack is for a busy machine, not for the timer.
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_window->Playback().PendingSeekMs() == 0; }, 5000));
    EXPECT_LE(sinceRelease.elapsed(), 500 + 250);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Time() >= target - 200; }, 5000)) << Time() << " " << target;
    EXPECT_EQ(m_window->Catalog().GetCurrentEntry(), 0);
}

TEST_F(DemoCardPlayback, FastRaisesTheMeasuredClockRate) {
    ASSERT_TRUE(OpenCard());
    const double normal = Advance(1000);
    for (int i = 0; i < 3; ++i) m_window->Button(ControlId::kFast)->click();  // 1.6 X
    ASSERT_EQ(m_window->Playback().RateIndex(), 10);
    QTest::qWait(200);
    const double fast = Advance(1000);
    EXPECT_GT(normal, 600) << normal;
    EXPECT_LT(normal, 1400) << normal;
    EXPECT_GT(fast, 1.3 * normal) << normal << " " << fast;
    EXPECT_EQ(m_window->Catalog().GetCurrentEntry(), 0);  // still the same recording
}

TEST_F(DemoCardPlayback, TheEndOfARecordingStartsTheNextOfTheList) {
    ASSERT_TRUE(OpenCard());
    ASSERT_TRUE(m_window->Playback().AutoPlayNext());
    const int64_t length = m_window->Engine().GetLength();
    ASSERT_GT(length, 1000);
    m_window->Engine().SetTime(length - 800);
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_window->Catalog().GetCurrentEntry() == 1; }, 15000));
    EXPECT_EQ(m_window->Playback().CurrentPath(), m_window->Catalog().GetEntryPath(1));
    EXPECT_EQ(m_window->Catalog().GetEntryPath(1), m_card->folder + m_card->card.recordings[1].path);
    // It plays from its start, not paused.
    ASSERT_TRUE(QTest::qWaitFor([&] { return Time() > 300 && Time() < 3000; }, 10000)) << Time();
    const int64_t shown = Time();
    EXPECT_TRUE(QTest::qWaitFor([&] { return Time() > shown + 300; }, 5000)) << Time();
    EXPECT_TRUE(m_dialogs.messages.isEmpty()) << m_dialogs.messages.join('\n').toStdString();
}

TEST_F(DemoCardPlayback, SnapWritesAPngAndAJpegOfThePictureSize) {
    ASSERT_TRUE(OpenCard());
    int width = 0, height = 0;
    ASSERT_TRUE(m_window->Catalog().GetCurrentPictureSize(width, height));
    ASSERT_GT(width, 0);
    const struct {
        const char* name;
        ImageKind kind;
    } cases[] = {{"shot.png", ImageKind::kPng}, {"shot.jpg", ImageKind::kJpeg}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = m_dir.filePath(QString::fromLatin1(c.name));
        m_dialogs.nextSave = path;
        m_window->Button(ControlId::kSnap)->click();
        const ImageInfo image = ProbeImage(path.toStdString());
        EXPECT_EQ(image.kind, c.kind);
        EXPECT_EQ(image.width, width);
        EXPECT_EQ(image.height, height);
        EXPECT_TRUE(m_window->Engine().IsPlaying());  // resumed after the dialog
    }
    EXPECT_EQ(m_dialogs.saveDialogs, 2);
}

TEST_F(DemoCardPlayback, ClosingWhilePlayingDoesNotHang) {
    ASSERT_TRUE(OpenCard());
    ASSERT_TRUE(m_window->Engine().IsPlaying());
    QElapsedTimer closing;
    closing.start();
    m_window->close();
    m_window.reset();
    QTest::qWait(100);  // events the engine posted before it went
    EXPECT_LT(closing.elapsed(), 10000);
}

}  // namespace
