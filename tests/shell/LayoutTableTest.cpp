// The main window's rectangles for a table of client sizes and layout settings.
#include <gtest/gtest.h>

#include <functional>

#include "app/MainLayout.h"
#include "tests/shell/ShellTestSupport.h"

namespace {

constexpr int kCurve = 71;  // the curve's height from the window template

struct LayoutCase {
    const char* name;
    LayoutInput input;
    std::vector<std::pair<QRect MainLayout::*, QRect>> expected;
};

LayoutInput Input(QSize client, std::function<void(LayoutInput&)> change = {}) {
    LayoutInput in;
    in.client = client;
    in.gsensorHeight = kCurve;
    if (change) change(in);
    return in;
}

const std::vector<LayoutCase>& Cases() {
    static const std::vector<LayoutCase> cases = {
        {"Smallest window",
         Input({800, 560}),
         {{&MainLayout::close, {768, 2, 25, 25}},         {&MainLayout::maximise, {741, 2, 25, 25}},
          {&MainLayout::minimise, {714, 2, 25, 25}},      {&MainLayout::help, {687, 2, 25, 25}},
          {&MainLayout::large, {641, 11, 16, 16}},        {&MainLayout::medium, {621, 11, 16, 16}},
          {&MainLayout::small, {601, 11, 16, 16}},        {&MainLayout::mapWindow, {555, 48, 240, 240}},
          {&MainLayout::fileList, {555, 293, 240, 203}},  {&MainLayout::splitMapFile, {555, 48, 240, 448}},
          {&MainLayout::splitColumns, {550, 48, 5, 448}}, {&MainLayout::videoBackground, {5, 48, 545, 222}},
          {&MainLayout::statusBoard, {5, 240, 545, 30}},  {&MainLayout::positionSlider, {5, 270, 545, 20}},
          {&MainLayout::gsensorCurve, {5, 295, 545, 71}}, {&MainLayout::groupList, {5, 371, 545, 125}},
          {&MainLayout::splitVideoList, {5, 366, 545, 5}}, {&MainLayout::open, {8, 516, 48, 36}},
          {&MainLayout::snap, {56, 516, 48, 36}},         {&MainLayout::save, {104, 516, 48, 36}},
          {&MainLayout::del, {152, 516, 48, 36}},         {&MainLayout::next, {220, 512, 40, 40}},
          {&MainLayout::stop, {261, 512, 40, 40}},        {&MainLayout::play, {302, 504, 48, 48}},
          {&MainLayout::fast, {351, 512, 40, 40}},        {&MainLayout::mute, {402, 520, 12, 24}},
          {&MainLayout::volumeSlider, {416, 524, 80, 20}}}},
        {"Full HD window",
         Input({1920, 1080}),
         {{&MainLayout::close, {1888, 2, 25, 25}},          {&MainLayout::small, {1721, 11, 16, 16}},
          {&MainLayout::mapWindow, {1675, 48, 240, 240}},   {&MainLayout::fileList, {1675, 293, 240, 723}},
          {&MainLayout::videoBackground, {5, 48, 1665, 742}}, {&MainLayout::positionSlider, {5, 790, 1665, 20}},
          {&MainLayout::gsensorCurve, {5, 815, 1665, 71}},  {&MainLayout::groupList, {5, 891, 1665, 125}},
          {&MainLayout::play, {302, 1024, 48, 48}}}},
        {"Right column wider than the window is cut to it",
         Input({800, 560}, [](LayoutInput& in) { in.rightColumnWidth = 5000; }),
         {{&MainLayout::fileList, {15, 293, 780, 203}},
          {&MainLayout::splitColumns, {10, 48, 5, 448}},
          {&MainLayout::videoBackground, {5, 48, 5, 222}}}},
        {"Right column never narrower than 20",
         Input({800, 560}, [](LayoutInput& in) { in.rightColumnWidth = 3; }),
         {{&MainLayout::mapWindow, {775, 48, 20, 240}}, {&MainLayout::videoBackground, {5, 48, 765, 222}}}},
        {"On a tiny window the lower bounds win",
         Input({30, 200}),
         {{&MainLayout::fileList, {5, 126, 20, 10}},
          {&MainLayout::mapWindow, {5, 48, 20, 73}},
          {&MainLayout::groupList, {5, 111, -5, 25}}}},
        {"Map taller than the window is cut",
         Input({800, 560}, [](LayoutInput& in) { in.mapHeight = 900; }),
         {{&MainLayout::mapWindow, {555, 48, 240, 433}}, {&MainLayout::fileList, {555, 486, 240, 10}}}},
        {"Map never lower than 20",
         Input({800, 560}, [](LayoutInput& in) { in.mapHeight = -5; }),
         {{&MainLayout::mapWindow, {555, 48, 240, 20}}, {&MainLayout::fileList, {555, 73, 240, 423}}}},
        {"Group list taller than the room is cut",
         Input({800, 560}, [](LayoutInput& in) { in.listHeight = 1000; }),
         {{&MainLayout::videoBackground, {5, 48, 545, 5}}, {&MainLayout::groupList, {5, 154, 545, 342}}}},
        {"Group list never lower than 20",
         Input({800, 560}, [](LayoutInput& in) { in.listHeight = 0; }),
         {{&MainLayout::videoBackground, {5, 48, 545, 322}},
          {&MainLayout::groupList, {5, 471, 545, 25}},
          {&MainLayout::splitVideoList, {5, 466, 545, 5}}}},
        {"Map off: the file list fills the column and its splitter catches nothing",
         Input({800, 560}, [](LayoutInput& in) { in.mapEnabled = false; }),
         {{&MainLayout::mapWindow, {555, 0, 240, 0}},
          {&MainLayout::fileList, {555, 48, 240, 448}},
          {&MainLayout::splitMapFile, {}}}},
        {"Curve off: its height goes to the video",
         Input({800, 560}, [](LayoutInput& in) { in.gsensorEnabled = false; }),
         {{&MainLayout::videoBackground, {5, 48, 545, 293}},
          {&MainLayout::positionSlider, {5, 341, 545, 20}},
          {&MainLayout::groupList, {5, 366, 545, 130}},
          {&MainLayout::splitVideoList, {5, 361, 545, 5}}}},
    };
    return cases;
}

TEST(LayoutTable, EveryCaseGivesItsRectangles) {
    for (const LayoutCase& c : Cases()) {
        const MainLayout layout = ComputeMainLayout(c.input);
        for (const auto& [member, rect] : c.expected) EXPECT_EQ(layout.*member, rect) << c.name;
    }
}

TEST(LayoutTable, SwitchesStandInARowFromTheRightEdge) {
    const MainLayout layout = ComputeMainLayout(Input({1280, 800}));
    for (int k = 0; k < 5; ++k) EXPECT_EQ(layout.switches[k], QRect(1085 + 34 * k, 760, 32, 32)) << k;
}

struct FitCase {
    const char* name;
    QRect background;
    bool fullScreen;
    std::optional<QSize> picture;
    QRect expected;
};

TEST(FitVideo, KeepsThePictureShapeInsideTheEdge) {
    const FitCase cases[] = {
        {"no recording: the whole inside", {5, 48, 545, 222}, false, std::nullopt, {7, 50, 541, 218}},
        {"wide area, 16:9 picture: narrowed and centred", {5, 48, 545, 222}, false, QSize(1920, 1080),
         {84, 50, 387, 218}},
        {"tall area, 16:9 picture: lowered and centred", {0, 0, 404, 604}, false, QSize(1920, 1080),
         {2, 189, 400, 225}},
        {"full screen has no edge", {0, 0, 1600, 1000}, true, QSize(1920, 1080), {0, 50, 1600, 900}},
        {"same shape fills exactly", {0, 0, 324, 184}, false, QSize(1920, 1080), {2, 2, 320, 180}},
        {"a picture without size is ignored", {0, 0, 100, 100}, true, QSize(0, 1080), {0, 0, 100, 100}},
    };
    for (const FitCase& c : cases)
        EXPECT_EQ(FitVideoRect(c.background, c.fullScreen, QSize(kSystemEdge, kSystemEdge), c.picture), c.expected)
            << c.name;
}

}  // namespace
