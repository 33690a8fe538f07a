#include "forms/Runtime.h"
#include "platform/core/Regions.h"
#include "platform/core/Shell32.h"
#include "shell/Form3.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <thread>
#include <tuple>
#include <unistd.h>
#include <vector>

namespace {

using forms::LoadState;
using forms::Property;
using shell::Form3;

constexpr forms::Color kDesignedLinkColor = forms::SystemColor(14);
constexpr forms::Color kRest = 192, kLit = 255;

// Points of the window in twips.
struct Point {
    float x, y;
};
constexpr Point kBareBackground{3000, 6100};
constexpr Point kFrameLineOutsideItsButton{225, 5500}; // Shape1's line, left of Image2
constexpr Point kWhereEMailLabelLies{3000, 3800};      // Label19's place, hidden on the title page
constexpr Point kDownloadPictureCorner{870, 870};      // on Image5 (and Image6), beside every label
constexpr Point kHelpPictureCorner{870, 990};          // on Image7, below the other pictures' top band
constexpr Point kTopBand{870, 780};                    // above Image7's top edge at 840

const std::vector<std::string> kFrames = {"Shape1", "Shape2", "Shape3", "Shape4", "Shape5", "Shape6"};
const std::vector<std::string> kChrome = {"Image1", "Image2", "Image3", "Image4", "Image8", "Image9"};
const std::vector<std::string> kTitlePage = {"Label11", "Label12", "Label13"};
const std::vector<std::string> kAboutPage = {"Label1", "Label2", "Label3", "Label4", "Label5",
                                             "Label6", "Label7", "Label8", "Label9", "Label10"};
const std::vector<std::string> kPageItems = {"Label1",  "Label2",  "Label3",  "Label4",  "Label5",  "Label6",
                                             "Label7",  "Label8",  "Label9",  "Label10", "Label11", "Label12",
                                             "Label13", "Label14", "Label15", "Label16", "Label17", "Label18",
                                             "Label19", "Label21", "Image5",  "Image6",  "Image7"};
const std::vector<std::string> kLinks = {"Label14", "Label15", "Label16", "Label17", "Label21"};

enum Page { About, TermsOfUse, Download, Help };
const char* const kPageButton[] = {"Image1", "Image2", "Image3", "Image4"};

std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

// Every control that the pointer reaches somewhere on the window, that is, every one seen.
std::set<std::string> Seen(const forms::Form& form) {
    std::set<std::string> seen;
    for (float y = 0; y < 6585; y += 30)
        for (float x = 0; x < 8460; x += 30)
            if (const forms::Control* c = form.ControlAt(x, y))
                seen.emplace(c->Name());
    return seen;
}

struct Write {
    std::string control;
    Property property;
    bool operator==(const Write&) const = default;
};

// Opens addresses with a small script that writes down what it was given, but only while the help
// window shows the busy pointer; at any other moment the opener cannot be started.
class ShellRecorder {
public:
    ShellRecorder() {
        std::filesystem::create_directories(dir_);
        std::ofstream(script_) << "#!/bin/sh\nprintf '%s|%s\\n' \"$#\" \"$1\" >> " << out_.string() << "\n";
        std::filesystem::permissions(script_, std::filesystem::perms::owner_all);
        Answer(false);
    }
    ~ShellRecorder() {
        platform::SetShellOpener("xdg-open");
        std::filesystem::remove_all(dir_);
    }
    void Answer(bool busy) { platform::SetShellOpener(busy && works ? script_.c_str() : missing_.c_str()); }
    void Clear() { std::filesystem::remove(out_); }
    // The line the opener wrote after the last Clear: its argument count and its address.
    std::string Opened() const {
        std::string line;
        for (int i = 0; i < 1000 && line.empty(); ++i) {
            std::ifstream in(out_);
            if (std::getline(in, line) && in.eof())
                line.clear(); // not yet the whole line
            if (line.empty())
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return line;
    }
    bool works = true;

private:
    std::filesystem::path dir_ =
        std::filesystem::temp_directory_path() / ("lumitra-help-" + std::to_string(::getpid()));
    std::filesystem::path script_ = dir_ / "opener", out_ = dir_ / "opened", missing_ = dir_ / "missing";
};

class RecordingDisplay : public forms::Display {
public:
    explicit RecordingDisplay(ShellRecorder& shell) : shell_(shell) {}
    void MoveRequested(forms::Form&) override { ++moves; }
    void FormChanged(forms::Form& form, forms::FormProperty property) override {
        if (property != forms::FormProperty::MousePointer)
            return;
        pointers.push_back(form.MousePointer());
        shell_.Answer(form.MousePointer() == 11);
    }
    void ControlChanged(forms::Control& control, Property property) override {
        if (property != Property::Visible)
            writes.push_back({std::string(control.Name()), property});
    }
    int moves = 0;
    std::vector<int> pointers;
    std::vector<Write> writes;

private:
    ShellRecorder& shell_;
};

// A window for the back button to hand over to.
const forms::FormDesign kBrowserStandIn{.name = "BrowserStandIn",
                                        .controls = {{.kind = forms::ControlKind::Label, .name = "Label1"}}};
class BrowserStandIn : public forms::Form {
public:
    explicit BrowserStandIn(forms::Runtime& rt) : Form(rt, kBrowserStandIn) {
        Bind({{"", forms::Event::Load, [this] { helpWhenLoaded = App().Instance<Form3>().State(); }}});
    }
    LoadState helpWhenLoaded = LoadState::Shown;
};

// Everything of the window a handler can change.
using Snapshot =
    std::vector<std::tuple<std::string, bool, forms::Color, bool, int, forms::Color, std::string>>;

class HelpWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        rt.SetDisplay(&display);
        rt.Start(window);
    }
    forms::Control& Ctl(std::string_view name) { return window.Ctl(name); }
    void Show(const std::vector<Page>& pages) {
        for (Page page : pages)
            rt.Click(Ctl(kPageButton[page]));
    }
    void MoveTo(Point p) { rt.MouseMove(window, p.x, p.y); }
    std::string At(Point p) {
        const forms::Control* c = window.ControlAt(p.x, p.y);
        return c ? std::string(c->Name()) : std::string("background");
    }
    std::vector<std::string> ShownOf(const std::vector<std::string>& names) {
        std::vector<std::string> shown;
        for (const auto& n : names)
            if (Ctl(n).Visible())
                shown.push_back(n);
        return shown;
    }
    std::vector<std::string> Shown() {
        std::vector<std::string> shown;
        for (const auto& c : window.Controls())
            if (c->Visible())
                shown.emplace_back(c->Name());
        return shown;
    }
    Snapshot Take() {
        Snapshot s;
        for (const auto& c : window.Controls())
            s.emplace_back(c->Name(), c->Visible(), c->ForeColor(), c->FontBold(), c->BorderStyle(),
                           c->BorderColor(), std::string(c->Caption()));
        s.emplace_back("window", window.State() == LoadState::Shown, 0, false, window.WindowState(),
                       static_cast<forms::Color>(window.MousePointer()), std::string());
        return s;
    }
    void ExpectLook(std::string_view link, forms::Color color, bool bold, const std::string& why) {
        EXPECT_EQ(Ctl(link).ForeColor(), color) << link << ": " << why;
        EXPECT_EQ(Ctl(link).FontBold(), bold) << link << ": " << why;
    }

    ShellRecorder shell;
    RecordingDisplay display{shell};
    forms::Runtime rt;
    Form3& window = rt.Instance<Form3>();
};

TEST_F(HelpWindowTest, OpensOnTheTitlePageWithEveryFrameAtRest) {
    EXPECT_EQ(window.State(), LoadState::Shown);
    EXPECT_EQ(window.Caption(), "Help");
    std::vector<std::string> shown = Shown();
    std::sort(shown.begin(), shown.end());
    std::vector<std::string> expected = Join({kTitlePage, kChrome, kFrames});
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(shown, expected);
    for (const auto& frame : kFrames)
        EXPECT_EQ(Ctl(frame).BorderColor(), kRest) << frame;
    for (const auto& link : kLinks)
        ExpectLook(link, kDesignedLinkColor, link != "Label14" && link != "Label21", "as designed");
    EXPECT_EQ(window.MousePointer(), 0);
}

TEST_F(HelpWindowTest, TheOutlineIsCutFromItsOneRoundedShape) {
    struct Case {
        float twipsPerPixel;
        std::vector<int> arguments;
    } cases[] = {
        {15, {0, 0, 530, 425, 28, 28}},
        {12, {0, 0, 662, 531, 28, 28}}, // 7950 / 12 = 662.5 goes to the even neighbour
    };
    for (const Case& c : cases) {
        forms::Runtime runtime;
        runtime.SetTwipsPerPixel(c.twipsPerPixel, c.twipsPerPixel);
        std::vector<platform::RegionCall> calls;
        platform::SetRegionCallLog(&calls);
        auto& help = runtime.Instance<Form3>();
        runtime.Start(help);
        platform::SetRegionCallLog(nullptr);
        std::vector<platform::RegionCall> rounded;
        for (const auto& call : calls)
            if (call.name == "CreateRoundRectRgn")
                rounded.push_back(call);
        ASSERT_EQ(rounded.size(), 1u) << c.twipsPerPixel;
        EXPECT_EQ(rounded[0].arguments, c.arguments) << c.twipsPerPixel;
        const platform::HRGN region = platform::WindowRegion(help.hWnd());
        EXPECT_EQ(region, help.BorderRegion);
        const int right = c.arguments[2], middle = c.arguments[3] / 2;
        EXPECT_TRUE(platform::PtInRegion(region, right - 1, middle));
        EXPECT_FALSE(platform::PtInRegion(region, right, middle));
        EXPECT_FALSE(platform::PtInRegion(region, 0, 0)) << "the corner is rounded off";
    }
}

TEST_F(HelpWindowTest, EachPageSwitchWritesItsItemsAndLeavesTheRestAlone) {
    enum Effect { S, H, _ }; // shown, hidden, left unchanged
    // Rows in the order of kPageItems; columns About, Terms of Use, Download, Help.
    const std::vector<std::array<Effect, 4>> table = {
        {S, _, H, _}, {S, _, H, _}, {S, _, H, _}, {S, _, H, _}, {S, _, H, _}, {S, _, H, _},
        {S, _, H, _}, {S, _, H, _}, {S, _, H, _}, {S, _, H, _}, {H, _, _, _}, {H, _, _, _},
        {H, _, _, _}, {H, _, S, _}, {H, H, S, _}, {H, H, S, _}, {H, H, S, _}, {H, S, H, _},
        {H, S, H, _}, {H, H, H, S}, {H, H, S, _}, {H, S, H, _}, {H, H, H, S},
    };
    ASSERT_EQ(table.size(), kPageItems.size());
    for (bool before : {false, true}) {
        for (Page page : {About, TermsOfUse, Download, Help}) {
            rt.Dispatch([&] {
                for (const auto& item : kPageItems)
                    Ctl(item).SetVisible(before);
            });
            Snapshot others = Take();
            Show({page});
            for (std::size_t i = 0; i < kPageItems.size(); ++i) {
                const Effect e = table[i][page];
                EXPECT_EQ(Ctl(kPageItems[i]).Visible(), e == _ ? before : e == S)
                    << kPageItems[i] << " after " << kPageButton[page] << " from all " << before;
            }
            for (const auto& item : kPageItems)
                rt.Dispatch([&] { Ctl(item).SetVisible(before); });
            EXPECT_EQ(Take(), others) << "only page items change, from all " << before;
        }
    }
}

TEST_F(HelpWindowTest, AfterAnyButtonsTheUserSeesOnePageAndItsPictureCoversWhatItLeftShown) {
    const std::vector<std::string> terms = {"Image6", "Label18", "Label19"};
    const std::vector<std::string> download = {"Image5", "Label14", "Label15", "Label16", "Label17"};
    const std::vector<std::string> help = {"Image7", "Label21"};
    struct Case {
        std::vector<Page> buttons;
        std::vector<std::string> seen;
    } cases[] = {
        {{}, kTitlePage},
        {{About}, kAboutPage},
        {{TermsOfUse}, terms},
        {{Download}, download},
        {{Help}, help},
        {{About, Help}, help},
        {{Help, Download}, download},
        {{Download, About, TermsOfUse}, terms},
        {{Download, TermsOfUse}, terms},
        {{TermsOfUse, Help}, Join({help, {"Image6"}})}, // the top band of the Terms of Use picture
        {{Download, Help}, Join({help, {"Image5"}})},
        {{TermsOfUse, Help, About}, kAboutPage},
        {{Help, TermsOfUse, Download, About}, kAboutPage},
    };
    for (const Case& c : cases) {
        forms::Runtime runtime;
        auto& help = runtime.Instance<Form3>();
        runtime.Start(help);
        for (Page page : c.buttons)
            runtime.Click(help.Ctl(kPageButton[page]));
        const std::vector<std::string> all = Join({c.seen, kChrome});
        EXPECT_EQ(Seen(help), std::set<std::string>(all.begin(), all.end())) << "after " << c.buttons.size();
    }
}

TEST_F(HelpWindowTest, CoveredItemsStayShownBehindThePicture) {
    Show({Download, About, TermsOfUse});
    EXPECT_EQ(ShownOf(kAboutPage), kAboutPage) << "About labels stay shown behind the picture";
    EXPECT_EQ(At({4000, 1900}), "Image6");
    Show({Download});
    EXPECT_TRUE(ShownOf(kAboutPage).empty()) << "Download hides them";
    Show({TermsOfUse});
    EXPECT_TRUE(Ctl("Label14").Visible());
    EXPECT_EQ(At({4000, 1700}), "Image6") << "Label14 lies behind the Terms of Use picture";
}

TEST_F(HelpWindowTest, TheHelpPictureLeavesABand120TwipsHighOfThePageBefore) {
    Show({TermsOfUse, Help});
    EXPECT_EQ(At({870, 720}), "Image6");
    EXPECT_EQ(At({870, 839}), "Image6");
    EXPECT_EQ(At({870, 840}), "Image7");
    Show({About});
    EXPECT_EQ(At({870, 780}), "background");
    EXPECT_EQ(Seen(window).count("Image6"), 0u);
}

TEST_F(HelpWindowTest, TheSameButtonTwiceChangesNothingMore) {
    for (Page first : {About, TermsOfUse, Download, Help}) {
        for (Page again : {About, TermsOfUse, Download, Help}) {
            Show({first, again});
            const Snapshot once = Take();
            Show({again});
            EXPECT_EQ(Take(), once) << kPageButton[first] << " then " << kPageButton[again] << " twice";
        }
    }
}

TEST_F(HelpWindowTest, NoOrderOfButtonsBringsBackTheTitlePageAfterAbout) {
    for (int order = 0; order < 4 * 4 * 4; ++order) {
        Show({About});
        for (int k = 0, rest = order; k < 3; ++k, rest /= 4) {
            Show({static_cast<Page>(rest % 4)});
            EXPECT_TRUE(ShownOf(kTitlePage).empty()) << order;
        }
    }
}

TEST_F(HelpWindowTest, PictureButtonsLightTheirOwnFrameAndShowThePressedLook) {
    const std::pair<const char*, const char*> buttons[] = {{"Image9", "Shape6"}, {"Image8", "Shape5"},
                                                           {"Image2", "Shape1"}, {"Image1", "Shape2"},
                                                           {"Image3", "Shape3"}, {"Image4", "Shape4"}};
    for (const auto& [button, frame] : buttons) {
        MoveTo(kBareBackground);
        rt.Hover(Ctl(button));
        for (const auto& other : kFrames)
            EXPECT_EQ(Ctl(other).BorderColor(), other == frame ? kLit : kRest) << button << " " << other;
        forms::Control& b = Ctl(button);
        rt.MouseDown(window, b.Left() + 30, b.Top() + 30);
        EXPECT_EQ(b.BorderStyle(), 1) << button;
        rt.MouseMove(window, b.Left() + 30, b.Top() + 30);
        rt.MouseUp(window, b.Left() + 10000, b.Top() + 30); // released off the button: no click
        EXPECT_EQ(b.BorderStyle(), 0) << button;
        EXPECT_EQ(window.State(), LoadState::Shown);
        EXPECT_EQ(window.WindowState(), 0);
    }
    rt.Hover(Ctl("Image3"));
    MoveTo(kFrameLineOutsideItsButton);
    for (const auto& frame : kFrames)
        EXPECT_EQ(Ctl(frame).BorderColor(), kRest) << "a frame's line outside its picture is background";
}

TEST_F(HelpWindowTest, OnlyTheBareBackgroundMovesTheWindow) {
    struct Case {
        const char* where;
        std::vector<Page> pages;
        Point point;
        int moves;
    } cases[] = {
        {"bare background", {}, kBareBackground, 1},
        {"a frame's line outside its button", {}, kFrameLineOutsideItsButton, 1},
        {"where a hidden label lies", {}, kWhereEMailLabelLies, 1},
        {"the title", {}, {4000, 2000}, 0},
        {"a shown About label", {About}, {4000, 1900}, 0},
        {"a page picture", {Download}, kDownloadPictureCorner, 0},
        {"a link", {Download}, {4000, 1700}, 0},
        {"a title-bar button", {}, {7100, 240}, 0},
    };
    for (const Case& c : cases) {
        Show(c.pages);
        display.moves = 0;
        rt.MouseDown(window, c.point.x, c.point.y);
        rt.MouseUp(window, c.point.x + 10000, c.point.y);
        EXPECT_EQ(display.moves, c.moves) << c.where;
    }
}

TEST_F(HelpWindowTest, MinimiseKeepsThePageAndTheLitFrame) {
    Show({Download});
    rt.Hover(Ctl("Label15"));
    rt.Hover(Ctl("Image9"));
    rt.Click(Ctl("Image9"));
    EXPECT_EQ(window.WindowState(), 1);
    EXPECT_EQ(window.State(), LoadState::Shown);
    EXPECT_TRUE(Ctl("Image5").Visible());
    EXPECT_EQ(Ctl("Shape6").BorderColor(), kLit);
    EXPECT_EQ(Ctl("Label15").ForeColor(), shell::LinkHoverColor);
}

TEST_F(HelpWindowTest, TheBackButtonLeavesForTheBrowserAndTheNextOpeningStartsAfresh) {
    rt.Click(Ctl("Image8"));
    EXPECT_EQ(window.State(), LoadState::Shown) << "with no browser window given, back does nothing";

    window.browserWindow = [this]() -> forms::Form& { return rt.Instance<BrowserStandIn>(); };
    Show({Download});
    rt.Hover(Ctl("Label15"));
    rt.Hover(Ctl("Image8"));
    const platform::HRGN first = window.BorderRegion;
    rt.Click(Ctl("Image8"));
    auto& browser = rt.Instance<BrowserStandIn>();
    EXPECT_EQ(window.State(), LoadState::NotLoaded);
    EXPECT_EQ(browser.State(), LoadState::Shown);
    EXPECT_EQ(browser.helpWhenLoaded, LoadState::NotLoaded) << "the help window goes first";
    EXPECT_TRUE(rt.Running());
    EXPECT_EQ(rt.LoadedForms().size(), 1u);
    EXPECT_FALSE(platform::IsRegion(first)) << "the outline went with the window";

    rt.Dispatch([&] {
        browser.Unload();
        window.SetVisible(true);
    });
    EXPECT_NE(window.BorderRegion, first);
    std::vector<std::string> shown = Shown();
    std::sort(shown.begin(), shown.end());
    std::vector<std::string> expected = Join({kTitlePage, kChrome, kFrames});
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(shown, expected);
    for (const auto& frame : kFrames)
        EXPECT_EQ(Ctl(frame).BorderColor(), kRest) << frame;
    ExpectLook("Label15", kDesignedLinkColor, true, "designed again");
}

TEST_F(HelpWindowTest, ALinkLitUpReturnsToRestOverItsPicture) {
    struct Case {
        std::string link;
        Page page;
        bool backgroundFirst; // the pointer crossed the background before
        bool litBold;
        Point picture;
        bool restBold;
    } cases[] = {
        {"Label14", Download, false, true, kDownloadPictureCorner, false},
        {"Label15", Download, false, true, kDownloadPictureCorner, false},
        {"Label15", Download, true, true, kDownloadPictureCorner, false},
        {"Label16", Download, false, true, kDownloadPictureCorner, true},
        {"Label16", Download, true, false, kDownloadPictureCorner, false},
        {"Label17", Download, false, true, kDownloadPictureCorner, true},
        {"Label21", Help, false, true, kHelpPictureCorner, false},
        {"Label21", Help, true, true, kHelpPictureCorner, false},
    };
    for (const Case& c : cases) {
        const std::string why = c.link + (c.backgroundFirst ? " after a reset" : " as designed");
        forms::Runtime runtime;
        auto& help = runtime.Instance<Form3>();
        runtime.Start(help);
        runtime.Click(help.Ctl(kPageButton[c.page]));
        if (c.backgroundFirst)
            runtime.MouseMove(help, kBareBackground.x, kBareBackground.y);
        runtime.Hover(help.Ctl(c.link));
        EXPECT_EQ(help.Ctl(c.link).ForeColor(), shell::LinkHoverColor) << why;
        EXPECT_EQ(help.Ctl(c.link).FontBold(), c.litBold) << why;
        runtime.MouseMove(help, c.picture.x, c.picture.y);
        EXPECT_EQ(help.Ctl(c.link).ForeColor(), shell::LinkRestColor) << why;
        EXPECT_EQ(help.Ctl(c.link).FontBold(), c.restBold) << why;
    }
}

TEST_F(HelpWindowTest, TheTopBandOfTheDownloadPictureRestsItsLinksButNotTheHelpLink) {
    Show({Download, Help});
    rt.Hover(Ctl("Label21"));
    MoveTo(kTopBand);
    ExpectLook("Label21", shell::LinkHoverColor, true, "the band belongs to the Download picture");
    ExpectLook("Label15", shell::LinkRestColor, false, "rested by the Download picture, though covered");
    MoveTo(kHelpPictureCorner);
    ExpectLook("Label21", shell::LinkRestColor, false, "over its own picture");
}

TEST_F(HelpWindowTest, TheBackgroundRestsEveryLinkAndFrame) {
    MoveTo(kBareBackground);
    for (const auto& link : kLinks)
        ExpectLook(link, shell::LinkRestColor, false, "first move, before the Download page was ever shown");

    Show({Download});
    rt.Hover(Ctl("Image3"));
    rt.Hover(Ctl("Image8"));
    rt.Hover(Ctl("Label14"));
    ExpectLook("Label14", shell::LinkHoverColor, true, "lit");
    MoveTo(kBareBackground);
    ExpectLook("Label14", shell::LinkRestColor, false, "straight onto the background");
    for (const auto& frame : kFrames)
        EXPECT_EQ(Ctl(frame).BorderColor(), kRest) << frame;
}

TEST_F(HelpWindowTest, AJumpFromLinkToLinkLeavesBothLit) {
    Show({Download});
    rt.Hover(Ctl("Label15"));
    rt.Hover(Ctl("Label17"));
    ExpectLook("Label15", shell::LinkHoverColor, true, "the first link");
    ExpectLook("Label17", shell::LinkHoverColor, true, "the second link");
    MoveTo(kDownloadPictureCorner);
    EXPECT_EQ(Ctl("Label15").ForeColor(), shell::LinkRestColor);
    EXPECT_EQ(Ctl("Label17").ForeColor(), shell::LinkRestColor);
}

TEST_F(HelpWindowTest, EveryLookChangeWritesInItsOwnOrder) {
    using P = Property;
    struct Case {
        const char* what;
        Page page;
        std::string link; // the link hovered; empty: the point below
        Point point;
        std::vector<Write> writes;
    } cases[] = {
        {"the background",
         Download,
         "",
         kBareBackground,
         {{"Shape5", P::BorderColor},
          {"Shape6", P::BorderColor},
          {"Label21", P::ForeColor},
          {"Label21", P::FontBold},
          {"Label15", P::ForeColor},
          {"Label15", P::FontBold},
          {"Label16", P::FontBold},
          {"Label16", P::ForeColor},
          {"Label17", P::ForeColor},
          {"Label17", P::FontBold},
          {"Label14", P::ForeColor},
          {"Label14", P::FontBold},
          {"Shape1", P::BorderColor},
          {"Shape2", P::BorderColor},
          {"Shape3", P::BorderColor},
          {"Shape4", P::BorderColor}}},
        {"the Download picture",
         Download,
         "",
         kDownloadPictureCorner,
         {{"Label15", P::ForeColor},
          {"Label15", P::FontBold},
          {"Label16", P::ForeColor},
          {"Label17", P::ForeColor},
          {"Label14", P::ForeColor},
          {"Label14", P::FontBold}}},
        {"the Help picture",
         Help,
         "",
         kHelpPictureCorner,
         {{"Label21", P::FontBold}, {"Label21", P::ForeColor}}},
        {"Label14", Download, "Label14", {}, {{"Label14", P::ForeColor}, {"Label14", P::FontBold}}},
        {"Label15", Download, "Label15", {}, {{"Label15", P::ForeColor}, {"Label15", P::FontBold}}},
        {"Label16", Download, "Label16", {}, {{"Label16", P::ForeColor}}},
        {"Label17", Download, "Label17", {}, {{"Label17", P::ForeColor}}},
        {"Label21", Help, "Label21", {}, {{"Label21", P::FontBold}, {"Label21", P::ForeColor}}},
    };
    for (const Case& c : cases) {
        Show({c.page});
        display.writes.clear();
        if (c.link.empty())
            MoveTo(c.point);
        else
            rt.Hover(Ctl(c.link));
        EXPECT_EQ(display.writes, c.writes) << c.what;
    }
    MoveTo(kBareBackground);
    for (const auto& frame : kFrames)
        EXPECT_EQ(Ctl(frame).BorderColor(), kRest);
}

TEST_F(HelpWindowTest, ALinkThatAPictureCoversCannotBeHoveredOrClicked) {
    struct Case {
        std::vector<Page> pages;
        std::vector<std::string> covered;
    } cases[] = {
        {{Download, Help}, {"Label14", "Label15", "Label16", "Label17"}},
        {{Download, TermsOfUse}, {"Label14"}},
    };
    for (const Case& c : cases) {
        forms::Runtime runtime;
        runtime.SetDisplay(&display);
        auto& help = runtime.Instance<Form3>();
        runtime.Start(help);
        for (Page page : c.pages)
            runtime.Click(help.Ctl(kPageButton[page]));
        for (const auto& link : c.covered) {
            ASSERT_TRUE(help.Ctl(link).Visible()) << link;
            const forms::Color color = help.Ctl(link).ForeColor();
            const bool bold = help.Ctl(link).FontBold();
            display.pointers.clear();
            runtime.Hover(help.Ctl(link));
            runtime.Click(help.Ctl(link));
            EXPECT_EQ(help.Ctl(link).ForeColor(), color) << link;
            EXPECT_EQ(help.Ctl(link).FontBold(), bold) << link;
            EXPECT_TRUE(display.pointers.empty()) << link << " was followed";
        }
    }
}

TEST_F(HelpWindowTest, EachLinkOpensItsAddressUnderTheBusyPointer) {
    // The maker's web site, its page and its group on the social network, and the support centre.
    const std::string kAddresses[] = {
        "https://www.lumitrasoftware.com/", "https://www.facebook.com/lumitrasoftware",
        "https://www.facebook.com/groups/lumitrasoftware", "https://www.lumitrasoftware.com/support/",
        "https://www.lumitrasoftware.com/support/"};
    std::vector<std::string> opened;
    for (std::size_t i = 0; i < kLinks.size(); ++i) {
        const std::string& link = kLinks[i];
        Show({link == "Label21" ? Help : Download});
        display.pointers.clear();
        shell.Clear();
        rt.Click(Ctl(link));
        EXPECT_EQ(display.pointers, (std::vector<int>{11, 0})) << link;
        EXPECT_EQ(window.MousePointer(), 0) << link;
        const std::string line = shell.Opened();
        EXPECT_EQ(line, "1|" + kAddresses[i]) << link << " opened \"" << line << "\" while busy";
        opened.push_back(line);
    }
    EXPECT_EQ(opened[3], opened[4]) << "Label17 and Label21 open the support centre";
    EXPECT_EQ(std::set<std::string>(opened.begin(), opened.end()).size(), 4u);
    EXPECT_EQ(window.State(), LoadState::Shown);
}

TEST_F(HelpWindowTest, AnAddressTheShellCannotOpenChangesNothingButThePointer) {
    shell.works = false;
    Show({Download});
    rt.Hover(Ctl("Label15"));
    for (const char* link : {"Label15", "Label17"}) {
        const Snapshot before = Take();
        display.pointers.clear();
        rt.Click(Ctl(link));
        EXPECT_EQ(display.pointers, (std::vector<int>{11, 0})) << link;
        EXPECT_EQ(Take(), before) << link;
        EXPECT_TRUE(rt.Running());
    }
}

} // namespace
