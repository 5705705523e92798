// The main window holds the instruments where its stand-ins were, in their start states.
#include <gtest/gtest.h>

#include <QDialog>
#include <QTemporaryDir>

#include "app/CTarvoDlg.h"
#include "app/CTarvoSettings.h"
#include "app/ControlIds.h"
#include "app/ShellDialogs.h"
#include "catalogue/TrackPlotting.h"
#include "controls/CGSensorCtrl.h"
#include "controls/CPngStatic.h"
#include "controls/CSpeedLabelStatic.h"
#include "controls/CVideoStatic.h"
#include "controls/CVideoStaticBg.h"

using namespace ControlId;

namespace {
class QuietDialogs : public IShellDialogs {
public:
    int RunModal(QDialog&) override { return QDialog::Rejected; }
    void ShowMessage(QWidget*, const QString&, const QString&) override {}
    std::optional<QString> PickFolder(QWidget*, const QString&, const QString&) override {
        return std::nullopt;
    }
};

class MainWindowInstruments : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        m_settings = std::make_unique<CTarvoSettings>(m_dir.path());
        ShellOptions options;
        options.dialogs = &m_dialogs;
        options.engine.library = "libnorvik-absent-engine.so.0";
        m_window = std::make_unique<CTarvoDlg>(*m_settings, options);
    }
    QTemporaryDir m_dir;
    QuietDialogs m_dialogs;
    std::unique_ptr<CTarvoSettings> m_settings;
    std::unique_ptr<CTarvoDlg> m_window;
};
}  // namespace

TEST_F(MainWindowInstruments, EveryInstrumentStandsInItsPlaceInItsStartState) {
    auto* curve = dynamic_cast<CGSensorCtrl*>(m_window->Control(kGSensorCurve));
    ASSERT_NE(curve, nullptr);
    EXPECT_NE(dynamic_cast<IGSensorFeedView*>(m_window->Control(kGSensorCurve)), nullptr);
    EXPECT_EQ(curve->SampleCount(), 0u);

    auto* speed = dynamic_cast<CSpeedLabelStatic*>(m_window->Control(kSpeed));
    ASSERT_NE(speed, nullptr);
    EXPECT_NE(dynamic_cast<ISpeedReadoutView*>(speed), nullptr);
    EXPECT_TRUE(speed->IsValid());
    EXPECT_EQ(speed->ValueText(), QStringLiteral("  0"));

    auto* video = dynamic_cast<CVideoStatic*>(m_window->Control(kVideoSurface));
    ASSERT_NE(video, nullptr);
    EXPECT_TRUE(video->testAttribute(Qt::WA_NativeWindow));
    EXPECT_FALSE(video->IsOverlayShown());
    EXPECT_NE(dynamic_cast<CVideoStaticBg*>(m_window->Control(kVideoBackground)), nullptr);

    const struct {
        int id;
        bool image;
        bool colour;
    } pictures[] = {{kGps, true, false}, {kLogo, true, true}, {kBanner, false, false}};
    for (const auto& p : pictures) {
        auto* image = dynamic_cast<CPngStatic*>(m_window->Control(p.id));
        ASSERT_NE(image, nullptr) << p.id;
        EXPECT_EQ(image->HasImage(), p.image) << p.id;
        EXPECT_EQ(image->IsColour(), p.colour) << p.id;
    }
    EXPECT_FALSE(m_window->Control(kBanner)->isEnabled());
}
