#include "forms/Runtime.h"
#include "platform/core/Regions.h"
#include "platform/core/User32.h"
#include "shell/Form4.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using forms::LoadState;
using shell::Form4;

// Records what the window asks of the display.
class RecordingDisplay : public forms::Display {
public:
    void MoveRequested(forms::Form&) override { ++moves; }
    int moves = 0;
};

// Stands in for the start menu: counts its loads and notes where the splash window was at each.
const forms::FormDesign kMenuDesign{.name = "Menu",
                                    .controls = {{.kind = forms::ControlKind::Label, .name = "Label1"}}};
class MenuWindow : public forms::Form {
public:
    explicit MenuWindow(forms::Runtime& rt) : Form(rt, kMenuDesign) {
        Bind({{"", forms::Event::Load, [this] {
                   ++loads;
                   splashAtLoad = App().Instance<Form4>().State();
                   loadedAt = App().Now();
               }}});
    }
    int loads = 0;
    LoadState splashAtLoad = LoadState::Shown;
    std::int64_t loadedAt = -1;
};

class SplashTest : public ::testing::Test {
protected:
    void SetUp() override {
        rt.SetDisplay(&display);
        splash.startMenu = [this]() -> forms::Form& { return rt.Instance<MenuWindow>(); };
        rt.Start(splash);
    }
    forms::Control& Ctl(std::string_view name) { return splash.Ctl(name); }
    void AdvanceTo(std::int64_t time) { rt.Advance(time - rt.Now()); }
    MenuWindow& Menu() { return rt.Instance<MenuWindow>(); }
    int MovesOfPressAt(float x, float y) {
        display.moves = 0;
        rt.MouseDown(splash, x, y);
        rt.MouseUp(splash, x, y);
        return display.moves;
    }

    RecordingDisplay display;
    forms::Runtime rt;
    Form4& splash = rt.Instance<Form4>();
};

TEST_F(SplashTest, OpensWithTheShortProgressPictureInItsFrame) {
    EXPECT_EQ(splash.State(), LoadState::Shown);
    EXPECT_EQ(splash.Caption(), "Lumitra Abbreviation Dictionary");
    EXPECT_TRUE(Ctl("Image1").Visible());
    EXPECT_FALSE(Ctl("Image2").Visible());
    EXPECT_FALSE(Ctl("Image3").Visible());
    EXPECT_TRUE(Ctl("Shape1").Visible());
    EXPECT_EQ(Ctl("Shape1").BorderColor(), 192u);
    EXPECT_FALSE(splash.Ctl("shpborder", 0).Visible());
}

TEST_F(SplashTest, TheProgressPicturesComeIntoViewOnTheirTimersFirstTicks) {
    struct Case {
        std::int64_t time;
        bool shortShown, twoThirdsShown, fullShown;
    } cases[] = {
        {0, true, false, false},   {100, true, false, false}, {1499, true, false, false},
        {1500, true, false, true}, {1999, true, false, true}, {2000, true, true, true},
        {3000, true, true, true},  {3599, true, true, true},
    };
    for (const Case& c : cases) {
        AdvanceTo(c.time);
        ASSERT_EQ(splash.State(), LoadState::Shown) << c.time;
        EXPECT_EQ(Ctl("Image1").Visible(), c.shortShown) << c.time;
        EXPECT_EQ(Ctl("Image2").Visible(), c.twoThirdsShown) << c.time;
        EXPECT_EQ(Ctl("Image3").Visible(), c.fullShown) << c.time;
        EXPECT_EQ(Ctl("Shape1").BorderColor(), 192u) << "the frame is never lit";
        EXPECT_EQ(Menu().loads, 0) << c.time;
    }
}

TEST_F(SplashTest, TheFrontPictureIsTheShortOneUntilTheFullOneCoversIt) {
    // The middle of the bar, where all three pictures overlap.
    const float x = 2300, y = 2750;
    EXPECT_EQ(splash.ControlAt(x, y), &Ctl("Image1"));
    AdvanceTo(1500);
    EXPECT_EQ(splash.ControlAt(x, y), &Ctl("Image3"));
    AdvanceTo(2000);
    EXPECT_EQ(splash.ControlAt(x, y), &Ctl("Image3")) << "the two-thirds picture lies behind the full one";
}

TEST_F(SplashTest, HandsOverToTheStartMenuOnceAt3600Milliseconds) {
    AdvanceTo(3599);
    EXPECT_EQ(Menu().State(), LoadState::NotLoaded);
    AdvanceTo(3600);
    EXPECT_EQ(splash.State(), LoadState::NotLoaded);
    EXPECT_TRUE(splash.Controls().empty()) << "the timers go with the window";
    EXPECT_EQ(Menu().State(), LoadState::Shown);
    EXPECT_EQ(Menu().loadedAt, 3600);
    EXPECT_EQ(Menu().splashAtLoad, LoadState::NotLoaded) << "the splash window unloads before the menu loads";
    AdvanceTo(20000);
    EXPECT_EQ(Menu().loads, 1);
    EXPECT_EQ(splash.State(), LoadState::NotLoaded);
    EXPECT_EQ(rt.LoadedForms(), std::vector<forms::Form*>{&Menu()});
    EXPECT_TRUE(rt.Running());
}

TEST_F(SplashTest, NoInputBringsTheStartMenuSooner) {
    const struct {
        float x, y;
    } points[] = {{2300, 600}, {2300, 2750}, {603, 2700}, {4070, 2985}, {4500, 4000}, {0, 0}};
    for (std::int64_t time : {0, 1000, 1500, 2500, 3599}) {
        AdvanceTo(time);
        for (const auto& p : points) {
            rt.MouseMove(splash, p.x, p.y);
            rt.MouseDown(splash, p.x, p.y);
            rt.MouseMove(splash, p.x + 300, p.y + 300);
            rt.MouseUp(splash, p.x + 300, p.y + 300);
        }
        for (const char* control : {"Image1", "Image2", "Image3"})
            if (Ctl(control).Visible())
                rt.Click(Ctl(control));
        ASSERT_EQ(splash.State(), LoadState::Shown) << time;
        EXPECT_EQ(Menu().State(), LoadState::NotLoaded) << time;
    }
    AdvanceTo(3600);
    EXPECT_EQ(Menu().State(), LoadState::Shown);
}

TEST_F(SplashTest, PressesOnShownProgressPicturesDoNotMoveTheWindow) {
    struct Case {
        const char* where;
        std::int64_t time;
        float x, y;
        int moves;
    } cases[] = {
        {"bare background", 0, 2300, 600, 1},
        {"short picture", 0, 2300, 2750, 0},
        {"frame's left edge", 0, 603, 2700, 1},
        {"frame's right edge", 0, 4083, 2700, 1},
        {"where the hidden full picture lies", 0, 4070, 2985, 1},
        {"hidden outline shape below the bar", 1000, 2300, 3600, 1},
        {"full picture", 1500, 2300, 2750, 0},
        {"full picture beyond the short one", 1500, 4070, 2985, 0},
        {"frame's bottom edge", 1500, 2300, 3008, 1},
        {"frame's right edge", 2500, 4083, 2700, 1},
        {"bare background", 2500, 2300, 600, 1},
    };
    for (const Case& c : cases) {
        AdvanceTo(c.time);
        EXPECT_EQ(MovesOfPressAt(c.x, c.y), c.moves) << c.where << " at " << c.time;
    }
}

TEST_F(SplashTest, WithoutAStartMenuTheSplashWindowStays) {
    forms::Runtime runtime;
    Form4& alone = runtime.Instance<Form4>();
    runtime.Start(alone);
    runtime.Advance(7200);
    EXPECT_EQ(alone.State(), LoadState::Shown);
    EXPECT_TRUE(runtime.Running());
}

TEST(SplashOutlineTest, TheOutlineIsTheRoundedRectangleOfTheBackground) {
    struct Case {
        float twipsPerPixel;
        std::vector<int> expected;
    } cases[] = {
        {15, {0, 0, 309, 270, 28, 28}},
        {12, {0, 0, 386, 338, 28, 28}}, // the bottom edge 337.5 goes to the even neighbour
    };
    for (const Case& c : cases) {
        std::vector<platform::RegionCall> calls;
        platform::SetRegionCallLog(&calls);
        forms::Runtime runtime;
        runtime.SetTwipsPerPixel(c.twipsPerPixel, c.twipsPerPixel);
        Form4& splash = runtime.Instance<Form4>();
        runtime.Start(splash);
        platform::SetRegionCallLog(nullptr);
        std::vector<platform::RegionCall> shapes;
        for (const auto& call : calls)
            if (call.name == "CreateRoundRectRgn" || call.name == "CreateEllipticRgn" ||
                (call.name == "CreateRectRgn" && call.arguments != std::vector<int>{0, 0, 0, 0}))
                shapes.push_back(call);
        EXPECT_EQ(shapes, (std::vector<platform::RegionCall>{{"CreateRoundRectRgn", c.expected}}))
            << c.twipsPerPixel;
        const platform::HRGN region = platform::WindowRegion(splash.hWnd());
        EXPECT_NE(region, 0);
        EXPECT_EQ(region, splash.BorderRegion);
    }
}

TEST(SplashOutlineTest, OnlyTheBackgroundPictureIsSeen) {
    forms::Runtime runtime;
    Form4& splash = runtime.Instance<Form4>();
    runtime.Start(splash);
    const platform::HRGN region = platform::WindowRegion(splash.hWnd());
    EXPECT_TRUE(platform::PtInRegion(region, 155, 135));
    EXPECT_TRUE(platform::PtInRegion(region, 308, 135));
    EXPECT_FALSE(platform::PtInRegion(region, 309, 135)) << "the client area is wider than the picture";
    EXPECT_FALSE(platform::PtInRegion(region, 155, 270));
    EXPECT_FALSE(platform::PtInRegion(region, 0, 0)) << "the corners are rounded";
}

} // namespace
