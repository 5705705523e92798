// The main window with the real engine on a small card of real recordings (needs an X display).
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
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
#include "controls/CVideoSlider.h"
#include "playback/PlaybackController.h"
#include "playback/PlaybackShared.h"
#include "tests/playback/FakePlayback.h"
#include "tools/fixture/RealClip.h"

namespace {

constexpr int kClipSeconds = 6;
constexpr int kClips = 2;

struct AnsweringDialogs : IShellDialogs {
    int RunModal(QDialog&) override { return 0; }
    void ShowMessage(QWidget*, const QString& caption, const QString& text) override {
        captions << caption;
        texts << text;
    }
    std::optional<QString> PickFolder(QWidget*, const QString&, const QString&) override { return std::nullopt; }
    std::optional<QString> PickSaveFile(QWidget*, const QString& suffix, const QString& filter) override {
        suffixes << suffix;
        filters << filter;
        return nextSave;
    }
    QStringList captions, texts, suffixes, filters;
    std::optional<QString> nextSave;
};

class RealEngine : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_card = new QTemporaryDir;
        for (int i = 0; i < kClips; ++i) {
            fixture::RealClipDesc desc;
            desc.seconds = kClipSeconds;
            desc.width = 320;
            desc.height = 240;
            desc.start.second = 9 + i * kClipSeconds;
            desc.label = "CLIP " + std::to_string(i + 1);
            fixture::WriteRealClip(s_card->filePath(QStringLiteral("FILE%1.MOV").arg(i + 1, 4, 10, QChar('0'))).toStdString(),
                                   desc);
        }
    }
    static void TearDownTestSuite() {
        delete s_card;
        s_card = nullptr;
    }
    void SetUp() override {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs an X display";
        m_settings = std::make_unique<CTarvoSettings>(m_dir.path());
        MakeWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
        ASSERT_TRUE(m_window->Engine().IsLoaded());
    }
    void MakeWindow() {
        ShellOptions options;
        options.engine.extraArguments = {"--aout=adummy", "--no-video-title-show"};
        options.dialogs = &m_dialogs;
        options.screenSaver = &m_screenSaver;
        m_window = std::make_unique<CTarvoDlg>(*m_settings, options);
        m_window->setGeometry(100, 100, 1000, 700);
        m_window->show();
    }
    void TearDown() override { m_window.reset(); }

    // Loads the card and lets the delayed open start the first recording, as OPEN does.
    void OpenCard() {
        ASSERT_TRUE(m_window->Catalog().Load(s_card->path().toStdString() + "/"));
        ASSERT_EQ(m_window->Catalog().Entries().size(), size_t(kClips));
        m_window->Playback().RequestDelayedOpen(0, 5);
        ASSERT_TRUE(QTest::qWaitFor([this] { return Time() > 300; }, 10000)) << "never played";
    }
    int64_t Time() { return m_window->Engine().GetTime(); }
    CVideoSlider& Slider() { return *qobject_cast<CVideoSlider*>(m_window->Control(ControlId::kPositionSlider)); }

    static QTemporaryDir* s_card;
    QTemporaryDir m_dir;
    AnsweringDialogs m_dialogs;
    FakeInhibitor m_screenSaver;
    std::unique_ptr<CTarvoSettings> m_settings;
    std::unique_ptr<CTarvoDlg> m_window;
};
QTemporaryDir* RealEngine::s_card = nullptr;

TEST_F(RealEngine, FirstRecordingPlaysAndTimeReportsMoveTheSlider) {
    OpenCard();
    EXPECT_EQ(m_window->Catalog().GetCurrentEntry(), 0);
    const int offset = g_nSliderOffset.load();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Slider().value() > offset + 100; }, 10000)) << Slider().value();
    EXPECT_TRUE(m_window->Button(ControlId::kPlay)->IsAlternate());  // the engine's Playing report
    EXPECT_TRUE(m_window->Control(ControlId::kVideoSurface)->isVisible());
}

TEST_F(RealEngine, DragSeeksAndTheEndStartsTheNextRecording) {
    OpenCard();
    CVideoSlider& slider = Slider();
    const QRect channel = slider.ChannelRect();
    const int x = channel.left() + channel.width() * 3 / 4;
    QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(x - 20, 10));
    QMouseEvent move(QEvent::MouseMove, QPointF(x, 10), slider.mapToGlobal(QPointF(x, 10)), Qt::NoButton,
                     Qt::LeftButton, {});
    QCoreApplication::sendEvent(&slider, &move);
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(x, 10));
    const int64_t target = m_window->Playback().PendingSeekMs();
    EXPECT_GT(target, kClipSeconds * 1000 * 7 / 10);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Time() >= target - 200; }, 5000)) << Time();
    EXPECT_EQ(m_window->Playback().PendingSeekMs(), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_window->Catalog().GetCurrentEntry() == 1; }, 15000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return Time() > 300 && Time() < 3000; }, 10000));
    EXPECT_NE(m_window->Playback().CurrentPath().find("FILE0002.MOV"), std::string::npos);
}

TEST_F(RealEngine, WithoutAutoPlayTheEndLeavesTheRecordingPausedAtItsStart) {
    OpenCard();
    m_window->Button(ControlId::kLoop)->click();
    ASSERT_FALSE(m_window->Playback().AutoPlayNext());
    m_window->Engine().SetTime(kClipSeconds * 1000 - 800);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !m_window->Engine().IsPlaying(); }, 10000));
    QTest::qWait(1000);
    const int64_t shown = Time();
    QTest::qWait(700);
    EXPECT_EQ(Time(), shown);  // paused, not playing on
    EXPECT_GE(shown, 0);
    EXPECT_LT(shown, 1000);
    EXPECT_EQ(m_window->Catalog().GetCurrentEntry(), 0);
    EXPECT_EQ(Slider().value(), g_nSliderOffset.load());
    EXPECT_FALSE(m_window->Button(ControlId::kPlay)->IsAlternate());
}

TEST_F(RealEngine, FastRaisesTheClockRate) {
    OpenCard();
    const auto advance = [this](int wallMs) {
        const int64_t start = Time();
        QTest::qWait(wallMs);
        return double(Time() - start);
    };
    const double normal = advance(1000);
    for (int i = 0; i < 3; ++i) m_window->Button(ControlId::kFast)->click();  // 1.6 X
    ASSERT_EQ(m_window->Playback().RateIndex(), 10);
    QTest::qWait(200);
    const double fast = advance(1000);
    EXPECT_GT(normal, 500);
    EXPECT_GT(fast, 1.3 * normal) << normal << " " << fast;
}

TEST_F(RealEngine, SnapWritesAPngAndAJpegOfThePictureSize) {
    OpenCard();
    for (const char* name : {"shot.png", "shot.jpg"}) {
        const QString path = m_dir.filePath(QString::fromLatin1(name));
        m_dialogs.nextSave = path;
        m_window->Button(ControlId::kSnap)->click();
        QImageReader reader(path);
        EXPECT_EQ(reader.format(), QByteArray(name).endsWith("png") ? QByteArray("png") : QByteArray("jpeg")) << name;
        const QImage image = reader.read();
        EXPECT_EQ(image.size(), QSize(320, 240)) << name;
        // Playback resumes after the dialog.
        EXPECT_TRUE(m_window->Engine().IsPlaying()) << name;
    }
    EXPECT_EQ(m_dialogs.suffixes.value(0), QStringLiteral("JPG"));
    EXPECT_EQ(m_dialogs.filters.value(0), QStringLiteral("Jpeg File(*.jpg);;Png File(*.png)"));
}

TEST_F(RealEngine, AnEngineErrorShowsOneBox) {
    OpenCard();
    QTemporaryDir other;
    const QString missing = other.filePath(QStringLiteral("FILE0009.MOV"));
    QFile::copy(s_card->filePath(QStringLiteral("FILE0001.MOV")), missing);
    ASSERT_TRUE(m_window->Catalog().Load(other.path().toStdString() + "/"));
    QFile::remove(missing);
    m_window->Playback().OpenEntryAndPlay(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !m_dialogs.texts.isEmpty(); }, 10000));
    QTest::qWait(500);
    EXPECT_EQ(m_dialogs.texts, QStringList{LoadSystemText(TextId::kEngineError)});
    EXPECT_EQ(m_dialogs.captions, QStringList{CTarvoPlaybackHost::ProgramName()});
}

TEST_F(RealEngine, ClosingDuringPlaybackOrAPendingOpenNeitherCrashesNorHangs) {
    OpenCard();
    m_window->close();
    m_window.reset();
    MakeWindow();
    ASSERT_TRUE(m_window->Catalog().Load(s_card->path().toStdString() + "/"));
    CWindowMessageEvent open(WindowMessage::kOpenFile, 1);
    QCoreApplication::sendEvent(m_window.get(), &open);
    EXPECT_EQ(g_openPending.load(), 1);
    m_window.reset();  // with the open still pending
    QTest::qWait(100);
    g_openPending = 0;
}

}  // namespace
