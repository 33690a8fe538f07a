#include "forms/Runtime.h"
#include "platform/core/Regions.h"
#include "platform/core/User32.h"
#include "shell/Form1.h"
#include "skin/HandOver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

using forms::LoadState;
using forms::Property;
using shell::Form1;
using Write = std::pair<std::string, Property>;

// Records every write the window makes to its controls, in order, and the moves it asks for.
class RecordingDisplay : public forms::Display {
public:
    void ControlChanged(forms::Control& control, Property property) override {
        writes.emplace_back(std::string(control.Name()), property);
    }
    void MoveRequested(forms::Form&) override { ++moves; }
    std::vector<Write> writes;
    int moves = 0;
};

// Stands in for the browser window: its five dictionary markers, hidden as designed.
forms::ControlDesign MarkerDesign(std::string_view name) {
    return {.kind = forms::ControlKind::Image, .name = name, .width = 2160, .height = 945, .visible = false};
}
const forms::FormDesign kBrowserDesign{.name = "Browser",
                                       .controls = {MarkerDesign("Image9"), MarkerDesign("Image10"),
                                                    MarkerDesign("Image11"), MarkerDesign("Image12"),
                                                    MarkerDesign("Image13")}};
class TestBrowser : public forms::Form {
public:
    explicit TestBrowser(forms::Runtime& rt) : Form(rt, kBrowserDesign) {
        Bind({{"", forms::Event::Load, [this] { menuAtLoad = App().Instance<Form1>().State(); }}});
    }
    LoadState menuAtLoad = LoadState::Shown;
};

// The menu entries in screen order, as the user meets them.
struct EntryCase {
    std::string label, caption, tip, marker;
};
const EntryCase kEntries[] = {
    {"Label1", "Oxford Abbreviation Dictionary",
     "it is an Oxford Abbreviation Dictionary, will be founded Elaboration of Abbreviation. Collected From "
     "Oxford Advanced Learners Dictionary.",
     "Image9"},
    {"Label5", "Computer Abbreviation Dictionary",
     "It is a Computer Abbreviation Dictionary, You can find many essential computer Elaboration of "
     "Abbreviation.",
     "Image10"},
    {"Label4", "Complete Hardware Dictionary",
     "It is the most potentials hardware dictionary, You will be get many essential Computer hardware "
     "Elaboration of Abbreviation.",
     "Image11"},
    {"Label3", "Abbreviation of Bangladesh",
     "It is an Abbreviation Dictionary, You will get many Bangladesh Elaboration of Abbreviation.Those are "
     "Bangladesh related.",
     "Image12"},
    {"Label2", "Abbreviation of International",
     "It is an Abbreviation Dictionary, You will get many International Elaboration of Abbreviation. those "
     "are international related.",
     "Image13"},
};
const char* const kEntryLabels[] = {"Label1", "Label2", "Label3", "Label4", "Label5"};

// Points of the client area, in twips.
struct Point {
    float x, y;
};
constexpr Point kBackground{2500, 5800};         // beside the emblem at the bottom
constexpr Point kBetweenEntries{2700, 1900};     // the strip between the first and second entry
constexpr Point kTipsBoxBesideLabel{5250, 3000}; // inside the painted box, left of the tips label
constexpr Point kTipsBoxHeading{6200, 1500};     // the box's heading, above the tips label
constexpr Point kTipsLabel{6000, 3000};          // the tips label's place
constexpr Point kMinimizeFrameBelow{6600, 365};  // Shape2's line below its picture
constexpr Point kExitFrameLeft{7005, 200};       // Shape1's line left of its picture
constexpr Point kMinimizePicture{6675, 240};

class StartMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::SetRegionCallLog(&regionCalls);
        rt.SetDisplay(&display);
        rt.Start(menu);
    }
    void TearDown() override { platform::SetRegionCallLog(nullptr); }

    forms::Control& Ctl(std::string_view name) { return menu.Ctl(name); }
    void MoveTo(Point p) { rt.MouseMove(menu, p.x, p.y); }
    void PressAndRelease(Point p) {
        rt.MouseDown(menu, p.x, p.y);
        rt.MouseUp(menu, p.x, p.y);
    }
    std::vector<std::string> BoldEntries() {
        std::vector<std::string> bold;
        for (const char* label : kEntryLabels)
            if (Ctl(label).FontBold())
                bold.emplace_back(label);
        return bold;
    }
    void ExpectDesignedHoverState() {
        EXPECT_TRUE(BoldEntries().empty());
        EXPECT_FALSE(Ctl("Label6").Visible());
        EXPECT_EQ(Ctl("Label6").Caption(), "");
        EXPECT_EQ(Ctl("Shape2").BorderColor(), 192u);
        EXPECT_EQ(Ctl("Shape1").BorderColor(), 192u);
    }
    void ConnectBrowser() {
        menu.browserWindow = [this]() -> forms::Form& { return rt.Instance<TestBrowser>(); };
    }

    std::vector<platform::RegionCall> regionCalls;
    RecordingDisplay display;
    forms::Runtime rt;
    Form1& menu = rt.Instance<Form1>();
};

TEST_F(StartMenuTest, OpensInItsDesignedStateCutToItsOutline) {
    EXPECT_EQ(menu.State(), LoadState::Shown);
    EXPECT_EQ(menu.Caption(), "Lumitra Abbreviation Dictionary");
    ExpectDesignedHoverState();
    EXPECT_EQ(Ctl("Image3").BorderStyle(), 0);
    EXPECT_EQ(Ctl("Image1").BorderStyle(), 0);
    const auto round = std::find_if(regionCalls.begin(), regionCalls.end(),
                                    [](const auto& c) { return c.name == "CreateRoundRectRgn"; });
    ASSERT_NE(round, regionCalls.end());
    EXPECT_EQ(round->arguments, (std::vector<int>{0, 0, 501, 418, 28, 28}));
    const platform::HRGN region = platform::WindowRegion(menu.hWnd());
    ASSERT_NE(region, 0);
    EXPECT_EQ(region, menu.BorderRegion);
    EXPECT_TRUE(platform::PtInRegion(region, 500, 200));
    EXPECT_FALSE(platform::PtInRegion(region, 501, 200));
    EXPECT_FALSE(platform::PtInRegion(region, 250, 418));
    EXPECT_FALSE(platform::PtInRegion(region, 0, 0)) << "the corners are rounded off";
}

TEST_F(StartMenuTest, EachEntryTurnsBoldAndShowsItsTip) {
    std::vector<std::string> screenOrder;
    for (const EntryCase& e : kEntries) {
        MoveTo(kBackground);
        Ctl("Shape1").SetBorderColor(255);
        display.writes.clear();
        rt.Hover(Ctl(e.label));
        EXPECT_EQ(display.writes, (std::vector<Write>{{"Label6", Property::Visible},
                                                      {"Label6", Property::Caption},
                                                      {e.label, Property::FontBold}}))
            << e.label;
        EXPECT_EQ(Ctl(e.label).Caption(), e.caption);
        EXPECT_TRUE(Ctl("Label6").Visible());
        EXPECT_EQ(Ctl("Label6").Caption(), e.tip);
        EXPECT_EQ(BoldEntries(), std::vector<std::string>{e.label});
        EXPECT_EQ(Ctl("Shape1").BorderColor(), 255u) << "a tip leaves the frames alone";
        screenOrder.push_back(e.label);
    }
    std::vector<std::string> byTop(std::begin(kEntryLabels), std::end(kEntryLabels));
    std::sort(byTop.begin(), byTop.end(),
              [&](const std::string& a, const std::string& b) { return Ctl(a).Top() < Ctl(b).Top(); });
    EXPECT_EQ(byTop, screenOrder);
}

TEST_F(StartMenuTest, TheBackgroundResetsEverythingInItsOrderAndKeepsTheLastTip) {
    rt.Hover(Ctl("Label1"));
    rt.Hover(Ctl("Label4")); // straight on, with no move over the strip between
    rt.Hover(Ctl("Image3"));
    rt.Hover(Ctl("Image1"));
    EXPECT_EQ(BoldEntries(), (std::vector<std::string>{"Label1", "Label4"}));
    EXPECT_TRUE(Ctl("Label6").Visible()) << "a title-bar button leaves the tip shown";
    EXPECT_EQ(Ctl("Label6").Caption(), kEntries[2].tip);
    EXPECT_EQ(Ctl("Shape2").BorderColor(), 255u);
    EXPECT_EQ(Ctl("Shape1").BorderColor(), 255u);

    display.writes.clear();
    MoveTo(kBackground);
    EXPECT_EQ(display.writes, (std::vector<Write>{{"Shape2", Property::BorderColor},
                                                  {"Shape1", Property::BorderColor},
                                                  {"Label5", Property::FontBold},
                                                  {"Label6", Property::Visible},
                                                  {"Label4", Property::FontBold},
                                                  {"Label3", Property::FontBold},
                                                  {"Label2", Property::FontBold},
                                                  {"Label1", Property::FontBold}}));
    EXPECT_TRUE(BoldEntries().empty());
    EXPECT_FALSE(Ctl("Label6").Visible());
    EXPECT_EQ(Ctl("Label6").Caption(), kEntries[2].tip);
    EXPECT_EQ(Ctl("Shape2").BorderColor(), 192u);
    EXPECT_EQ(Ctl("Shape1").BorderColor(), 192u);

    rt.Hover(Ctl("Label2"));
    EXPECT_TRUE(Ctl("Label6").Visible());
    EXPECT_EQ(Ctl("Label6").Caption(), kEntries[4].tip) << "shown again with the new entry's tip";
}

TEST_F(StartMenuTest, WhatCountsAsBareBackground) {
    struct Case {
        const char* where;
        Point at;
        bool tipShown;
        bool resets;
    } cases[] = {
        {"strip between two entries", kBetweenEntries, true, true},
        {"Tips Panel box beside the tips label", kTipsBoxBesideLabel, true, true},
        {"Tips Panel box's heading", kTipsBoxHeading, true, true},
        {"tips label while shown", kTipsLabel, true, false},
        {"tips label's place while hidden", kTipsLabel, false, true},
        {"hover frame's line below its picture", kMinimizeFrameBelow, true, true},
        {"hover frame's line beside its picture", kExitFrameLeft, true, true},
        {"title-bar button", kMinimizePicture, true, false},
    };
    for (const Case& c : cases) {
        MoveTo(kBackground);
        rt.Hover(Ctl("Image1"));
        if (c.tipShown)
            rt.Hover(Ctl("Label4"));
        MoveTo(c.at);
        EXPECT_EQ(Ctl("Shape1").BorderColor(), c.resets ? 192u : 255u) << c.where;
        EXPECT_EQ(Ctl("Label4").FontBold(), c.tipShown && !c.resets) << c.where;
    }
}

TEST_F(StartMenuTest, OnlyTheBareBackgroundMovesTheWindow) {
    struct Case {
        const char* where;
        Point at;
        bool tipShown;
        int moves;
    } cases[] = {
        {"bare background", kBackground, false, 1},
        {"strip between two entries", kBetweenEntries, false, 1},
        {"hover frame's line outside its picture", kMinimizeFrameBelow, false, 1},
        {"tips label's place while hidden", kTipsLabel, false, 1},
        {"tips label while shown", kTipsLabel, true, 0},
        {"menu entry", {2700, 2900}, false, 0},
        {"picture inside its frame", kMinimizePicture, false, 0},
    };
    for (const Case& c : cases) {
        MoveTo(kBackground);
        if (c.tipShown)
            rt.Hover(Ctl("Label1"));
        display.moves = 0;
        PressAndRelease(c.at);
        EXPECT_EQ(display.moves, c.moves) << c.where;
    }
}

TEST_F(StartMenuTest, EachEntryHandsOverWithExactlyItsMarker) {
    ConnectBrowser();
    auto& browser = rt.Instance<TestBrowser>();
    for (const EntryCase& e : kEntries) {
        const platform::HRGN outline = menu.BorderRegion;
        rt.Hover(Ctl(e.label));
        rt.Hover(Ctl("Image3"));
        rt.Click(Ctl(e.label));
        EXPECT_EQ(menu.State(), LoadState::NotLoaded) << e.label;
        EXPECT_EQ(browser.menuAtLoad, LoadState::NotLoaded) << "the menu unloads before the browser loads";
        ASSERT_EQ(browser.State(), LoadState::Shown) << e.label;
        EXPECT_TRUE(rt.Running());
        for (std::string_view marker : skin::DictionaryMarkers)
            EXPECT_EQ(browser.Ctl(marker).Visible(), marker == e.marker) << e.label << " " << marker;

        rt.Dispatch([&] { skin::SwitchToWindow(skin::HandOver::BrowserToMenu, browser, menu); });
        ASSERT_EQ(menu.State(), LoadState::Shown);
        ExpectDesignedHoverState();
        EXPECT_NE(menu.BorderRegion, outline) << "each load applies a fresh outline";
        EXPECT_FALSE(platform::IsRegion(outline)) << "the old outline went with the window";
    }
}

TEST_F(StartMenuTest, AnEntryDoesNothingUntilItsWindowIsGiven) {
    rt.Click(Ctl("Label5"));
    EXPECT_EQ(menu.State(), LoadState::Shown);
    EXPECT_TRUE(rt.Running());
    EXPECT_EQ(rt.LoadedForms().size(), 1u);
}

TEST_F(StartMenuTest, APressedTitleBarButtonShowsItsLookUntilReleasedAndActsOnlyOnTheClick) {
    rt.MouseDown(menu, 7175, 240);
    EXPECT_EQ(Ctl("Image1").BorderStyle(), 1);
    rt.MouseUp(menu, kBackground.x, kBackground.y); // released off the button: no click
    EXPECT_EQ(Ctl("Image1").BorderStyle(), 0);
    EXPECT_TRUE(rt.Running());
    EXPECT_EQ(display.moves, 0);
}

TEST_F(StartMenuTest, MinimiseKeepsTheHoverStateAndExitEndsAtOnce) {
    ConnectBrowser();
    rt.Hover(Ctl("Label3"));
    rt.Hover(Ctl("Image3"));
    rt.Click(Ctl("Image3"));
    EXPECT_EQ(menu.WindowState(), 1);
    EXPECT_EQ(menu.State(), LoadState::Shown);
    EXPECT_EQ(BoldEntries(), std::vector<std::string>{"Label3"});
    EXPECT_TRUE(Ctl("Label6").Visible());
    EXPECT_EQ(Ctl("Label6").Caption(), kEntries[3].tip);
    EXPECT_EQ(Ctl("Shape2").BorderColor(), 255u);

    rt.Click(Ctl("Image1"));
    EXPECT_FALSE(rt.Running());
    EXPECT_EQ(rt.ExitCode(), 0);
    EXPECT_TRUE(menu.IsLoaded()) << "no unload ran";
    EXPECT_EQ(rt.Instance<TestBrowser>().State(), LoadState::NotLoaded);
}

} // namespace
