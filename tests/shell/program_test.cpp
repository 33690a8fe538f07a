// The four windows as the program connects them: from the splash window through the start menu to
// the browser window and back.
#include "browser/Form2.h"
#include "forms/Runtime.h"
#include "shell/Form1.h"
#include "shell/Form3.h"
#include "shell/Form4.h"
#include "shell/Windows.h"
#include "skin/HandOver.h"

#include <gtest/gtest.h>

namespace {

using forms::LoadState;

TEST(ProgramTest, TheWindowsHandOverAlongTheirChain) {
    forms::Runtime rt;
    forms::Form& first = shell::ConnectWindows(rt);
    auto& splash = rt.Instance<shell::Form4>();
    auto& menu = rt.Instance<shell::Form1>();
    auto& browser = rt.Instance<browser::Form2>();
    ASSERT_EQ(&first, &splash) << "the program starts on the splash window";
    rt.Start(first);
    rt.Advance(3599);
    EXPECT_EQ(menu.State(), LoadState::NotLoaded);
    rt.Advance(1);
    EXPECT_EQ(splash.State(), LoadState::NotLoaded);
    EXPECT_EQ(menu.State(), LoadState::Shown);

    // Each menu entry opens the browser window with its own marker; the back button returns.
    for (const shell::MenuEntry& entry : shell::MenuEntries) {
        rt.Click(menu.Ctl(entry.label));
        EXPECT_EQ(menu.State(), LoadState::NotLoaded) << entry.label;
        ASSERT_EQ(browser.State(), LoadState::Shown) << entry.label;
        for (std::string_view marker : skin::DictionaryMarkers)
            EXPECT_EQ(browser.Ctl(marker).Visible(), marker == entry.marker) << entry.label << " " << marker;
        rt.Click(browser.Ctl("Image14"));
        EXPECT_EQ(browser.State(), LoadState::NotLoaded) << entry.label;
        ASSERT_EQ(menu.State(), LoadState::Shown) << entry.label;
    }
    EXPECT_EQ(rt.LoadedForms().size(), 1u);
    EXPECT_TRUE(rt.Running());

    // The help button opens the help window over the browser window, whose back button returns to a
    // browser window in its designed state.
    auto& help = rt.Instance<shell::Form3>();
    rt.Click(menu.Ctl("Label4"));
    rt.Click(browser.Ctl("Image5"));
    ASSERT_TRUE(browser.Ctl("List1").Visible());
    forms::Control& helpButton = browser.Ctl("Image8");
    rt.MouseDown(browser, helpButton.Left() + helpButton.Width() / 2,
                 helpButton.Top() + helpButton.Height() / 2);
    EXPECT_EQ(browser.State(), LoadState::NotLoaded);
    ASSERT_EQ(help.State(), LoadState::Shown);
    rt.Click(help.Ctl("Image8"));
    EXPECT_EQ(help.State(), LoadState::NotLoaded);
    ASSERT_EQ(browser.State(), LoadState::Shown);
    EXPECT_FALSE(browser.Ctl("List1").Visible()) << "the browser window comes back as designed";
    for (std::string_view marker : skin::DictionaryMarkers)
        EXPECT_FALSE(browser.Ctl(marker).Visible()) << marker;
    EXPECT_EQ(rt.LoadedForms().size(), 1u);
    rt.Advance(10000);
    EXPECT_EQ(splash.State(), LoadState::NotLoaded) << "the splash window is shown once a run";
}

} // namespace
