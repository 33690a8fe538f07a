#include "forms/Runtime.h"
#include "skin/HandOver.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using forms::ControlKind;
using forms::LoadState;
using skin::HandOver;

std::vector<std::string> journal;

forms::ControlDesign MarkerDesign(std::string_view name) {
    return {.kind = ControlKind::Image, .name = name, .visible = false};
}

// Small windows standing in for the splash window, the start menu, the browser and the help window.
template <int N> class Window : public forms::Form {
public:
    static inline const forms::FormDesign design{
        .name = N == 0   ? "Splash"
                : N == 1 ? "Menu"
                : N == 2 ? "Browser"
                         : "Help",
        .controls = {MarkerDesign("Image9"),
                     MarkerDesign("Image10"),
                     MarkerDesign("Image11"),
                     MarkerDesign("Image12"),
                     MarkerDesign("Image13"),
                     {.kind = ControlKind::Timer, .name = "Timer1", .interval = 100}}};
    explicit Window(forms::Runtime& rt) : Form(rt, design) {
        Bind({{"", forms::Event::Load, [this] { journal.push_back(std::string(Name()) + " load"); }},
              {"", forms::Event::Unload, [this] { journal.push_back(std::string(Name()) + " unload"); }},
              {"Timer1", forms::Event::Timer, [this] { journal.push_back(std::string(Name()) + " tick"); }}});
    }
};
using Splash = Window<0>;
using Menu = Window<1>;
using Browser = Window<2>;
using Help = Window<3>;

class HandOverTest : public ::testing::Test {
protected:
    void SetUp() override { journal.clear(); }
    forms::Runtime rt;
};

TEST_F(HandOverTest, EveryMemberButBrowserToHelpUnloadsBeforeShowing) {
    struct Case {
        HandOver member;
        std::vector<std::string> expected;
    } cases[] = {
        {HandOver::SplashToMenu, {"Splash unload", "Menu load"}},
        {HandOver::BrowserToMenu, {"Splash unload", "Menu load"}},
        {HandOver::HelpToBrowser, {"Splash unload", "Menu load"}},
        {HandOver::BrowserToHelp, {"Menu load", "Splash unload"}},
    };
    for (const Case& c : cases) {
        forms::Runtime runtime;
        auto& from = runtime.Instance<Splash>();
        runtime.Start(from);
        journal.clear();
        runtime.Dispatch([&] { skin::SwitchToWindow(c.member, from, runtime.Instance<Menu>()); });
        EXPECT_EQ(journal, c.expected);
        EXPECT_EQ(from.State(), LoadState::NotLoaded);
        EXPECT_EQ(runtime.Instance<Menu>().State(), LoadState::Shown);
        EXPECT_TRUE(runtime.Running());
        EXPECT_EQ(runtime.LoadedForms().size(), 1u);
    }
}

TEST_F(HandOverTest, MenuToBrowserShowsExactlyTheChosenMarker) {
    auto& menu = rt.Instance<Menu>();
    auto& browser = rt.Instance<Browser>();
    rt.Start(menu);
    rt.Dispatch([&] { skin::SwitchToWindow(HandOver::MenuToBrowser, menu, browser, "Image11"); });
    for (std::string_view marker : skin::DictionaryMarkers)
        EXPECT_EQ(browser.Ctl(marker).Visible(), marker == "Image11") << marker;
    rt.Dispatch([&] { skin::SwitchToWindow(HandOver::BrowserToMenu, browser, menu); });
    rt.Dispatch([&] { skin::SwitchToWindow(HandOver::MenuToBrowser, menu, browser, "Image9"); });
    for (std::string_view marker : skin::DictionaryMarkers)
        EXPECT_EQ(browser.Ctl(marker).Visible(), marker == "Image9") << marker;
}

TEST_F(HandOverTest, TheSourcesTimersStopWithIt) {
    auto& splash = rt.Instance<Splash>();
    rt.Start(splash);
    rt.Advance(100);
    rt.Dispatch([&] { skin::SwitchToWindow(HandOver::SplashToMenu, splash, rt.Instance<Menu>()); });
    journal.clear();
    rt.Advance(100);
    EXPECT_EQ(journal, (std::vector<std::string>{"Menu tick"}));
}

} // namespace
