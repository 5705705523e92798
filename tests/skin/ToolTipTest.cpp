#include "app/Languages.h"
#include "app/TextIds.h"
#include "controls/CKeldaToolTipCtrl.h"
#include "controls/ToolTipTable.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>
#include <map>
#include <memory>

namespace {

TEST(ToolTipTable, ToolsAreRegisteredInOrderWithTheirTexts) {
    const std::vector<std::pair<int, int>> expected = {
        {57670, 198}, {1013, 182}, {1045, 195}, {1017, 186}, {1025, 193}, {1023, 191}, {1026, 194}, {1021, 189},
        {1024, 192},  {4, 196},    {1044, 197}, {1001, 179}, {1015, 134}, {1005, 181}, {1068, 204}, {1006, 180},
        {1016, 185},  {1046, 188}, {1019, 187}, {1056, 199}, {1052, 137}, {1059, 138}, {1060, 139}};
    ASSERT_EQ(kToolTipTable.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(kToolTipTable[i].ctrlId, expected[i].first) << "row " << i;
        EXPECT_EQ(kToolTipTable[i].textId, expected[i].second) << "row " << i;
    }
}

TEST(ToolTipTable, EntriesFollowTheirOwnOrder) {
    const std::array<int, 23> expected = {57670, 1013, 1045, 1017, 1025, 1023, 1026, 1021, 1024, 4,    1044, 1001,
                                          1015,  1005, 1006, 1016, 1046, 1019, 1056, 1052, 1059, 1060, 1068};
    EXPECT_EQ(kToolTipEntryOrder, expected);
}

class ToolTips : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<QWidget>();
        window->resize(640, 400);
        int x = 0;
        for (const ToolTipRow& row : kToolTipTable) {
            auto* control = new QWidget(window.get());
            control->setGeometry((x % 10) * 60, (x / 10) * 60, 50, 50);
            controls[row.ctrlId] = control;
            ++x;
        }
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        tips = std::make_unique<CKeldaToolTipCtrl>(window.get(), English);
    }

    static QString English(int id) { return LanguageText(kLanguageEnglish, id); }
    QWidget* Control(int id) const {
        auto found = controls.find(id);
        return found != controls.end() ? found->second : nullptr;
    }
    void Setup(int language) {
        SetupToolTips(*tips, [this](int id) { return Control(id); },
                      [language](int id) { return LanguageText(language, id); });
    }
    // Qt's own tooltip request, as it comes after the wake-up delay.
    bool Hover(QWidget* tool) {
        QHelpEvent event(QEvent::ToolTip, QPoint(5, 5), tool->mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(tool, &event);
        return tips->IsTipVisible();
    }

    std::unique_ptr<QWidget> window;
    std::map<int, QWidget*> controls;
    std::unique_ptr<CKeldaToolTipCtrl> tips;
};

TEST_F(ToolTips, SetupRegistersEveryToolWithTheGreenTick) {
    Setup(kLanguageEnglish);
    EXPECT_EQ(tips->m_toolWindows.size(), 23u);
    ASSERT_EQ(tips->m_entries.size(), 23u);
    for (size_t i = 0; i < tips->m_entries.size(); ++i) {
        EXPECT_EQ(tips->m_entries[i].ctrlId, kToolTipEntryOrder[i]);
        EXPECT_EQ(tips->m_entries[i].descriptionId, 0u);
        EXPECT_EQ(tips->m_entries[i].iconId, 161u);
    }
    EXPECT_EQ(ControlIdOf(Control(1015)), 1015);
}

TEST_F(ToolTips, HoveringPlayShowsItsTextAndTheTickWithoutDescription) {
    Setup(kLanguageEnglish);
    ASSERT_TRUE(Hover(Control(1015)));
    EXPECT_EQ(tips->m_nCurrentCtrlId, 1015);
    EXPECT_EQ(tips->CurrentText(), QStringLiteral("Play/Pause video"));
    EXPECT_TRUE(tips->CurrentDescription().isEmpty());
    const QImage icon = tips->CurrentIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.size() / icon.devicePixelRatio(), QSize(32, 32));
    const QRgb centreLeft = icon.pixel(icon.width() / 5, icon.height() / 2);
    EXPECT_GT(qGreen(centreLeft), qRed(centreLeft) + 60) << "the tick is green";
}

struct LanguageCase {
    int language;
    int ctrlId;
    int textId;
};

void PrintTo(const LanguageCase& c, std::ostream* out) {
    *out << "language " << c.language << ", control " << c.ctrlId;
}

class ToolTipLanguage : public ToolTips, public ::testing::WithParamInterface<LanguageCase> {};

TEST_P(ToolTipLanguage, TextComesFromTheLanguageInUse) {
    const LanguageCase c = GetParam();
    Setup(c.language);
    ASSERT_TRUE(Hover(Control(c.ctrlId)));
    const QString expected = LanguageText(c.language, c.textId);
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_EQ(tips->CurrentText(), expected);
    if (c.language != kLanguageEnglish) {
        EXPECT_NE(tips->CurrentText(), English(c.textId)) << "a translated text, not the English one";
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, ToolTipLanguage,
                         ::testing::Values(LanguageCase{kLanguageEnglish, 1068, TextId::kTipSlower},
                                           LanguageCase{kLanguageJapanese, 1015, TextId::kTipPlay},
                                           LanguageCase{kLanguageJapanese, 1045, TextId::kTipClose},
                                           LanguageCase{LanguageIndexForCode(QStringLiteral("GER")), 1001,
                                                        TextId::kTipOpen}));

TEST_F(ToolTips, EnglishTextsOfSomeTools) {
    Setup(kLanguageEnglish);
    const std::pair<int, const char*> rows[] = {
        {57670, "About"}, {1019, "Volume"}, {1056, "Change Speed Unit KPH/MPH."}, {1060, "Set Large Window Size."}};
    for (const auto& [id, text] : rows) {
        ASSERT_TRUE(Hover(Control(id))) << id;
        EXPECT_EQ(tips->CurrentText(), QString::fromLatin1(text));
    }
}

TEST_F(ToolTips, ToolWithoutEntryHasNoIconAndKeepsThePreviousDescription) {
    Setup(kLanguageEnglish);
    tips->m_entries[0].descriptionId = TextId::kTipVolume;  // 57670 gets a description
    ASSERT_TRUE(Hover(Control(57670)));
    EXPECT_EQ(tips->CurrentDescription(), QStringLiteral("Volume"));
    QWidget extra(window.get());
    SetControlId(&extra, 777);
    tips->AddToolWindow(&extra, QStringLiteral("Extra"));
    ASSERT_TRUE(Hover(&extra));
    EXPECT_EQ(tips->CurrentText(), QStringLiteral("Extra"));
    EXPECT_TRUE(tips->CurrentIcon().isNull());
    EXPECT_EQ(tips->CurrentDescription(), QStringLiteral("Volume"));
    ASSERT_TRUE(Hover(Control(1015)));
    EXPECT_TRUE(tips->CurrentDescription().isEmpty()) << "an entry with description 0 clears it";
}

TEST_F(ToolTips, MissingControlsAreSkipped) {
    controls.erase(1019);
    Setup(kLanguageEnglish);
    EXPECT_EQ(tips->m_toolWindows.size(), 22u);
    EXPECT_EQ(tips->m_entries.size(), 23u);
}

TEST_F(ToolTips, RemovingToolsUnregistersThem) {
    Setup(kLanguageEnglish);
    tips->RemoveToolWindow(Control(1015));
    EXPECT_EQ(tips->m_toolWindows.size(), 22u);
    EXPECT_FALSE(Hover(Control(1015)));
    tips->RemoveAllToolWindows();
    EXPECT_TRUE(tips->m_toolWindows.empty());
    EXPECT_FALSE(Hover(Control(1001)));
    Setup(kLanguageEnglish);
    EXPECT_EQ(tips->m_toolWindows.size(), 23u) << "set-up can run again";
    EXPECT_TRUE(Hover(Control(1001)));
}

TEST_F(ToolTips, DestroyedToolLeavesNoDanglingWindow) {
    Setup(kLanguageEnglish);
    delete Control(1016);
    controls.erase(1016);
    EXPECT_EQ(tips->m_toolWindows.size(), 22u);
    tips->RemoveAllToolWindows();
    EXPECT_TRUE(tips->m_toolWindows.empty());
}

TEST(ToolTipRelay, OnlyTheListedInputEventsAreRelayed) {
    const QPointF at(1, 1);
    struct Case {
        std::unique_ptr<QEvent> event;
        bool relayed;
    };
    std::vector<Case> cases;
    cases.push_back({std::make_unique<QKeyEvent>(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier), true});
    cases.push_back({std::make_unique<QKeyEvent>(QEvent::KeyPress, Qt::Key_F4, Qt::AltModifier), true});
    cases.push_back({std::make_unique<QKeyEvent>(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier), false});
    for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
        for (auto button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
            cases.push_back({std::make_unique<QMouseEvent>(type, at, at, button, button, Qt::NoModifier), true});
    cases.push_back({std::make_unique<QMouseEvent>(QEvent::MouseButtonPress, at, at, Qt::BackButton,
                                                   Qt::BackButton, Qt::NoModifier),
                     false});
    cases.push_back({std::make_unique<QMouseEvent>(QEvent::MouseMove, at, at, Qt::NoButton, Qt::NoButton,
                                                   Qt::NoModifier),
                     true});
    cases.push_back({std::make_unique<QMouseEvent>(QEvent::MouseButtonDblClick, at, at, Qt::LeftButton,
                                                   Qt::LeftButton, Qt::NoModifier),
                     false});
    cases.push_back({std::make_unique<QWheelEvent>(at, at, QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                                                   Qt::NoScrollPhase, false),
                     false});
    cases.push_back({std::make_unique<QEvent>(QEvent::Paint), false});
    for (size_t i = 0; i < cases.size(); ++i)
        EXPECT_EQ(CKeldaToolTipCtrl::IsRelayedEvent(cases[i].event.get()), cases[i].relayed) << "case " << i;
}

TEST_F(ToolTips, ARelayedClickOrKeyHidesTheTipButAMoveOverTheToolKeepsIt) {
    Setup(kLanguageEnglish);
    QWidget* play = Control(1015);
    ASSERT_TRUE(Hover(play));
    const QPointF over = play->mapToGlobal(QPointF(10, 10));
    QMouseEvent move(QEvent::MouseMove, QPointF(10, 10), over, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    EXPECT_TRUE(tips->RelayEvent(play, &move));
    EXPECT_TRUE(tips->IsTipVisible());
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 10), over, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    EXPECT_TRUE(tips->RelayEvent(play, &press));
    EXPECT_FALSE(tips->IsTipVisible());

    ASSERT_TRUE(Hover(play));
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
    tips->RelayEvent(window.get(), &key);
    EXPECT_FALSE(tips->IsTipVisible());

    ASSERT_TRUE(Hover(play));
    const QPointF away = window->mapToGlobal(QPointF(630, 390));
    QMouseEvent leave(QEvent::MouseMove, QPointF(630, 390), away, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    tips->RelayEvent(window.get(), &leave);
    EXPECT_FALSE(tips->IsTipVisible()) << "moving off the tool hides the tip";

    ASSERT_TRUE(Hover(play));
    QEvent paint(QEvent::Paint);
    EXPECT_FALSE(tips->RelayEvent(window.get(), &paint));
    EXPECT_TRUE(tips->IsTipVisible()) << "other events are ignored";
}

TEST_F(ToolTips, BalloonShowsIconAndTextBesideEachOther) {
    Setup(kLanguageEnglish);
    ASSERT_TRUE(Hover(Control(1025)));
    QWidget* balloon = tips->Balloon();
    ASSERT_NE(balloon, nullptr);
    EXPECT_GE(balloon->height(), 32);
    EXPECT_GT(balloon->width(), 32 + QFontMetrics(balloon->font()).horizontalAdvance(tips->CurrentText()));
    const QImage shown = balloon->grab().toImage();
    int green = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < 50 && x < shown.width(); ++x) {
            const QRgb p = shown.pixel(x, y);
            green += qGreen(p) > qRed(p) + 60 && qGreen(p) > qBlue(p) + 30;
        }
    EXPECT_GT(green, 200) << "the green tick is drawn at the left";
}

}  // namespace
