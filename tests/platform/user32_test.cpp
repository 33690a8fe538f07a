#include "forms/Runtime.h"
#include "platform/core/Regions.h"
#include "platform/core/Shell32.h"
#include "platform/core/User32.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using forms::ControlKind;

const forms::FormDesign kListForm{.name = "Lists",
                                  .controls = {{.kind = ControlKind::ListBox, .name = "List1"},
                                               {.kind = ControlKind::ListBox, .name = "Empty"}}};
class ListForm : public forms::Form {
public:
    explicit ListForm(forms::Runtime& rt) : Form(rt, kListForm) {}
};

platform::LRESULT Find(platform::HWND list, const std::string& text, platform::WPARAM from = -1) {
    return platform::SendMessageA(list, platform::LB_FINDSTRING, from,
                                  reinterpret_cast<platform::LPARAM>(text.c_str()));
}

TEST(ListFind, FirstItemThatBeginsWithTheTextIgnoringCase) {
    forms::Runtime rt;
    auto& form = rt.Instance<ListForm>();
    for (const char* item : {"TBA", "tb", "TB", "Hard Disk ", "Caf\xC3\xA9", "AC"})
        form.Ctl("List1").AddItem(item);
    const platform::HWND list = form.Ctl("List1").hWnd();
    struct Case {
        std::string text;
        platform::WPARAM from;
        platform::LRESULT expected;
    } cases[] = {
        {"tb", -1, 0},
        {"TB", -1, 0},
        {"tb", 0, 1},
        {"tb", 2, 0} /* wraps round */,
        {"hard disk ", -1, 3},
        {"Hard Disk  ", -1, -1},
        {"CAF\xC9", -1, 4} /* Latin-1 letters fold */,
        {"q", -1, -1},
        {"", -1, 0},
        {"TBAX", -1, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Find(list, c.text, c.from), c.expected) << c.text << " from " << c.from;
    EXPECT_EQ(Find(form.Ctl("Empty").hWnd(), ""), platform::LB_ERR);
    EXPECT_EQ(Find(0, "x"), 0) << "a handle that names no window answers nothing";
}

TEST(WindowRegion, AWindowOwnsItsRegionAndFreesItWithItself) {
    platform::HWND window = platform::CreateWindowHandle(nullptr);
    int before = platform::LiveRegionCount();
    platform::HRGN first = platform::CreateRectRgn(0, 0, 10, 10);
    EXPECT_EQ(platform::SetWindowRgn(window, first, true), 1);
    platform::HRGN second = platform::CreateRectRgn(0, 0, 5, 5);
    EXPECT_EQ(platform::SetWindowRgn(window, second, true), 1);
    EXPECT_FALSE(platform::IsRegion(first)) << "the region it had is freed";
    EXPECT_EQ(platform::WindowRegion(window), second);
    EXPECT_EQ(platform::SetWindowRgn(window, 12345, true), 0);
    EXPECT_EQ(platform::SetWindowRgn(0, second, true), 0);
    platform::DestroyWindowHandle(window);
    EXPECT_FALSE(platform::IsRegion(second));
    EXPECT_EQ(platform::LiveRegionCount(), before);
}

TEST(WindowRegion, RegionZeroTakesTheOutlineAwayAndTellsTheDisplay) {
    std::vector<platform::HWND> told;
    platform::SetWindowSystemHooks({.regionChanged = [&](platform::HWND w, bool) { told.push_back(w); }});
    const platform::HWND window = platform::CreateWindowHandle(nullptr);
    const platform::HRGN outline = platform::CreateRectRgn(0, 0, 10, 10);
    ASSERT_EQ(platform::SetWindowRgn(window, outline, true), 1);
    EXPECT_EQ(platform::SetWindowRgn(window, 0, true), 1);
    EXPECT_EQ(platform::WindowRegion(window), 0);
    EXPECT_FALSE(platform::IsRegion(outline));
    EXPECT_EQ(told, (std::vector<platform::HWND>{window, window}));
    EXPECT_EQ(platform::SetWindowRgn(window, 0, true), 1) << "no outline to take away is no failure";
    EXPECT_EQ(platform::SetWindowRgn(0, 0, true), 0) << "but a handle must name a window";
    platform::SetWindowSystemHooks({});
    platform::DestroyWindowHandle(window);
}

TEST(Capture, OneWindowHoldsThePointerUntilItGivesItUpOrGoes) {
    const platform::HWND first = platform::CreateWindowHandle(nullptr);
    const platform::HWND second = platform::CreateWindowHandle(nullptr);
    platform::ReleaseCapture();
    EXPECT_EQ(platform::SetCapture(first), 0);
    EXPECT_EQ(platform::GetCapture(), first);
    EXPECT_EQ(platform::SetCapture(second), first);
    EXPECT_NE(platform::ReleaseCapture(), 0);
    EXPECT_EQ(platform::GetCapture(), 0);
    platform::SetCapture(first);
    platform::DestroyWindowHandle(first);
    EXPECT_EQ(platform::GetCapture(), 0) << "a window that goes takes its capture with it";
    platform::DestroyWindowHandle(second);
}

TEST(Shell, OpensTheAddressWithTheOpenerAsOneArgument) {
    auto dir = std::filesystem::temp_directory_path() / ("lumitra-shell-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    auto opener = dir / "opener", out = dir / "out";
    std::ofstream(opener) << "#!/bin/sh\nprintf '%s|%s' \"$#\" \"$1\" > " << out.string() << "\n";
    std::filesystem::permissions(opener, std::filesystem::perms::owner_all);
    platform::SetShellOpener(opener.c_str());
    const char* address = "http://example.invalid/a b;$(touch x)";
    EXPECT_GT(platform::ShellExecuteA(0, "open", address, "", "", platform::SW_SHOW), 32);
    std::string seen;
    for (int i = 0; i < 200 && seen.empty(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        std::ifstream in(out);
        std::getline(in, seen);
    }
    EXPECT_EQ(seen, std::string("1|") + address);
    platform::SetShellOpener((dir / "missing").c_str());
    EXPECT_LE(platform::ShellExecuteA(0, "open", address, "", "", platform::SW_SHOW), 32);
    platform::SetShellOpener("xdg-open");
    std::filesystem::remove_all(dir);
}

} // namespace
