#include "browser/Form2.h"
#include "forms/Runtime.h"
#include "platform/core/User32.h"
#include "platform/core/Windows1252.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using browser::Form2;
using browser::Panels;
using dictionaries::Dictionary;
using dictionaries::DictionaryId;

const browser::DictionaryPanel& Panel(DictionaryId id) {
    return browser::PanelOf(id);
}

// Records what the window asks of the display.
class RecordingDisplay : public forms::Display {
public:
    void MoveRequested(forms::Form&) override { ++moves; }
    int moves = 0;
};

// A window for the back and help buttons to hand over to.
const forms::FormDesign kOtherDesign{.name = "Other",
                                     .controls = {{.kind = forms::ControlKind::Label, .name = "Label1"}}};
class OtherWindow : public forms::Form {
public:
    explicit OtherWindow(forms::Runtime& rt) : Form(rt, kOtherDesign) {
        Bind({{"", forms::Event::Load, [this] { loadedWhileBrowser = App().Instance<Form2>().State(); }}});
    }
    forms::LoadState loadedWhileBrowser = forms::LoadState::NotLoaded;
};

class BrowserTest : public ::testing::Test {
protected:
    void SetUp() override {
        rt.SetDisplay(&display);
        rt.Start(window);
    }
    forms::Control& Ctl(std::string_view name) { return window.Ctl(name); }
    void Select(DictionaryId id) { rt.Click(Ctl(Panel(id).button)); }
    void Type(DictionaryId id, std::string text) { rt.TypeText(Ctl(Panel(id).searchBox), std::move(text)); }
    std::vector<std::string> ShownOf(std::initializer_list<std::string_view> names) {
        std::vector<std::string> shown;
        for (std::string_view n : names)
            if (Ctl(n).Visible())
                shown.emplace_back(n);
        return shown;
    }
    // Which panels show any of their four controls.
    std::vector<DictionaryId> ShownPanels() {
        std::vector<DictionaryId> shown;
        for (const auto& p : Panels)
            if (Ctl(p.list).Visible() || Ctl(p.searchBox).Visible() || Ctl(p.elaborationBox).Visible() ||
                Ctl(p.abbreviationBox).Visible())
                shown.push_back(p.dictionary);
        return shown;
    }

    RecordingDisplay display;
    forms::Runtime rt;
    Form2& window = rt.Instance<Form2>();
};

TEST_F(BrowserTest, OpensInItsDesignedStateCutToItsOutline) {
    EXPECT_EQ(window.State(), forms::LoadState::Shown);
    EXPECT_EQ(window.Caption(), "Lumitra Abbreviation Dictionary V 1.0.0");
    EXPECT_TRUE(Ctl("Image15").Visible());
    EXPECT_TRUE(Ctl("Label7").Visible());
    EXPECT_EQ(Ctl("Label7").Caption(), "");
    EXPECT_TRUE(ShownPanels().empty());
    EXPECT_TRUE(ShownOf({"Image9", "Image10", "Image11", "Image12", "Image13", "Label1", "Label2", "Label3",
                         "Label4", "Label5", "Shape1", "Shape2", "Shape3", "Shape4", "Shape13", "Shape14"})
                    .empty());
    for (const auto& p : Panels) {
        EXPECT_EQ(Ctl(p.list).ListCount(), 0);
        EXPECT_EQ(Ctl(p.searchBox).Text(), "Click to Search");
        EXPECT_EQ(Ctl(p.searchBox).ForeColor(), browser::HintTextColor);
        EXPECT_EQ(Ctl(p.elaborationBox).Text(), "");
        EXPECT_EQ(Ctl(p.abbreviationBox).Text(), "");
    }
    for (auto frame :
         {"Shape5", "Shape6", "Shape7", "Shape8", "Shape9", "Shape10", "Shape11", "Shape12", "Shape15"})
        EXPECT_EQ(Ctl(frame).BorderColor(), 192u) << frame;
    platform::HRGN region = platform::WindowRegion(window.hWnd());
    ASSERT_NE(region, 0);
    EXPECT_EQ(region, window.BorderRegion);
    EXPECT_TRUE(platform::PtInRegion(region, 650, 285));
    EXPECT_FALSE(platform::PtInRegion(region, 651, 285));
    EXPECT_FALSE(platform::PtInRegion(region, 0, 0));
}

TEST_F(BrowserTest, EachSelectionShowsExactlyItsPanelWithItsLayout) {
    const DictionaryId order[] = {DictionaryId::OxfordDictionary,        DictionaryId::ComputerDictionary,
                                  DictionaryId::HardwareDictionary,      DictionaryId::BangladeshDictionary,
                                  DictionaryId::InternationalDictionary, DictionaryId::OxfordDictionary};
    for (DictionaryId id : order) {
        Select(id);
        const bool hardware = id == DictionaryId::HardwareDictionary;
        EXPECT_EQ(ShownPanels(), std::vector<DictionaryId>{id});
        for (auto name :
             {Panel(id).list, Panel(id).searchBox, Panel(id).elaborationBox, Panel(id).abbreviationBox})
            EXPECT_TRUE(Ctl(name).Visible()) << name;
        EXPECT_EQ(Ctl("Label7").Caption(), Panel(id).caption);
        auto expected =
            hardware ? std::vector<std::string>{"Label4", "Label5", "Shape3", "Shape4", "Shape13", "Shape14"}
                     : std::vector<std::string>{"Label2", "Shape1", "Shape2", "Shape3", "Shape4"};
        EXPECT_EQ(
            ShownOf({"Label1", "Label2", "Label3", "Label4", "Label5", "Shape1", "Shape2", "Shape3", "Shape4",
                     "Shape13", "Shape14", "Image15", "Image9", "Image10", "Image11", "Image12", "Image13"}),
            expected);
        forms::Control& list = Ctl(Panel(id).list);
        const auto& table = Dictionary(id);
        ASSERT_EQ(list.ListCount(), table.RowCount());
        for (int i = 0; i < table.RowCount(); ++i)
            ASSERT_EQ(list.List(i), table.Entry(i)->Abbreviation) << i;
    }
}

TEST_F(BrowserTest, ASecondSelectionAndAHiddenPanelKeepTheirState) {
    const auto& oxford = Panel(DictionaryId::OxfordDictionary);
    Select(DictionaryId::OxfordDictionary);
    Type(DictionaryId::OxfordDictionary, "TESO");
    Select(DictionaryId::OxfordDictionary);
    EXPECT_EQ(Ctl(oxford.list).ListCount(), 440);
    EXPECT_EQ(Ctl(oxford.list).ListIndex(), 384);
    Select(DictionaryId::ComputerDictionary);
    const auto& computer = Panel(DictionaryId::ComputerDictionary);
    EXPECT_EQ(Ctl(computer.list).ListIndex(), -1);
    EXPECT_EQ(Ctl(computer.searchBox).Text(), "Click to Search");
    EXPECT_EQ(Ctl(computer.searchBox).ForeColor(), browser::HintTextColor);
    Select(DictionaryId::OxfordDictionary);
    EXPECT_EQ(Ctl(oxford.list).ListIndex(), 384);
    EXPECT_EQ(Ctl(oxford.searchBox).Text(), "TESO");
    EXPECT_EQ(Ctl(oxford.searchBox).ForeColor(), browser::TypedTextColor);
    EXPECT_EQ(Ctl(oxford.abbreviationBox).Text(), "TESOL");
    EXPECT_EQ(Ctl(oxford.elaborationBox).Text(),
              Dictionary(DictionaryId::OxfordDictionary).Entry(384)->Elaboration);
}

TEST_F(BrowserTest, LeavingAndComingBackStartsFromTheDesign) {
    window.startMenu = [this]() -> forms::Form& { return rt.Instance<OtherWindow>(); };
    Select(DictionaryId::ComputerDictionary);
    rt.SelectItem(Ctl("List16"), 5);
    const platform::HRGN first = window.BorderRegion;
    rt.Click(Ctl("Image14"));
    EXPECT_EQ(window.State(), forms::LoadState::NotLoaded);
    EXPECT_EQ(rt.Instance<OtherWindow>().State(), forms::LoadState::Shown);
    EXPECT_TRUE(rt.Running());
    EXPECT_FALSE(platform::IsRegion(first)) << "the outline went with the window";
    rt.Dispatch([&] {
        rt.Instance<OtherWindow>().Unload();
        window.SetVisible(true);
    });
    EXPECT_NE(window.BorderRegion, first);
    EXPECT_TRUE(Ctl("Image15").Visible());
    EXPECT_EQ(Ctl("List16").ListCount(), 0);
    Select(DictionaryId::ComputerDictionary);
    EXPECT_EQ(Ctl("List16").List(0), "ABC");
    EXPECT_EQ(Ctl("List16").ListIndex(), -1);
}

TEST_F(BrowserTest, TheLookupShowsTheEntryAtTheSelectedPosition) {
    struct Case {
        DictionaryId id;
        int position;
        std::string abbreviation, elaboration;
    } cases[] = {
        {DictionaryId::ComputerDictionary, 0, "ABC", "Atanasoff Berry Computer "},
        {DictionaryId::ComputerDictionary, 95, "WWW", "World Wide Web"},
        {DictionaryId::OxfordDictionary, 8, "AC", "air conditioning"},
        {DictionaryId::OxfordDictionary, 9, "AC", "alternating current"},
        {DictionaryId::OxfordDictionary, 100, "DPhil", "Doctor of Philosophy"},
        {DictionaryId::OxfordDictionary, 295, "PhD, Ph.D", "Doctor of Philosophy"},
        {DictionaryId::InternationalDictionary, 182, "SAYE", "Save As  you Earn."},
        {DictionaryId::OxfordDictionary, -1, "", ""},
    };
    for (const Case& c : cases) {
        Select(c.id);
        rt.SelectItem(Ctl(Panel(c.id).list), c.position);
        EXPECT_EQ(Ctl(Panel(c.id).elaborationBox).Text(), c.elaboration) << c.position;
        EXPECT_EQ(Ctl(Panel(c.id).abbreviationBox).Text(), c.abbreviation) << c.position;
    }
}

TEST_F(BrowserTest, TheHardwareBoxReceivesTheFontBytesUnchanged) {
    Select(DictionaryId::HardwareDictionary);
    ASSERT_EQ(Ctl("List1").ListCount(), 764);
    rt.SelectItem(Ctl("List1"), 440);
    const unsigned char expected[] = {0x63, 0xD6, 0x77, 0x5A, 0x20, 0x86, 0x6D, 0x87, 0x4B, 0x87,
                                      0xDB, 0x20, 0x47, 0x4B, 0x20, 0x77, 0x67, 0x77, 0x6A, 0x71,
                                      0x62, 0x20, 0x6D, 0x76, 0x42, 0x87, 0x4B, 0x6A, 0x7C};
    EXPECT_EQ(platform::Utf8ToWindows1252(Ctl("Text7").Text()),
              std::string(reinterpret_cast<const char*>(expected), sizeof expected));
    EXPECT_EQ(Ctl("Text8").Text(), "Megahertz (MHz)");
}

TEST_F(BrowserTest, TypeAheadSelectsTheFirstEntryInListOrderThatBeginsWithTheText) {
    struct Case {
        DictionaryId id;
        std::string typed;
        int expected;
    } cases[] = {
        {DictionaryId::ComputerDictionary, "q", -1},
        {DictionaryId::OxfordDictionary, "ac", 8},
        {DictionaryId::OxfordDictionary, "AC", 8},
        {DictionaryId::OxfordDictionary, "Ac", 8},
        {DictionaryId::OxfordDictionary, "TB", 377},
        {DictionaryId::OxfordDictionary, "a", 0},
        {DictionaryId::OxfordDictionary, "YWCAS", -1},
        {DictionaryId::InternationalDictionary, "AD", 0},
        {DictionaryId::HardwareDictionary, "w", 73},
        {DictionaryId::HardwareDictionary, "Warm B", 742},
        {DictionaryId::HardwareDictionary, "Hard Disk", 320},
        {DictionaryId::HardwareDictionary, "Hard Disk ", 320},
        {DictionaryId::HardwareDictionary, "Hard Disk Co", 321},
        {DictionaryId::HardwareDictionary, "\xE0\xA6\x95", -1}, // a Bengali letter has no 8-bit form
    };
    for (const Case& c : cases) {
        Select(c.id);
        Type(c.id, c.typed);
        const auto& p = Panel(c.id);
        EXPECT_EQ(Ctl(p.list).ListIndex(), c.expected) << c.typed;
        EXPECT_EQ(Ctl(p.searchBox).Text(), c.typed) << "the search never writes the text";
        EXPECT_EQ(Ctl(p.searchBox).ForeColor(), browser::TypedTextColor);
        std::string elaboration;
        if (auto* e = Dictionary(c.id).Entry(c.expected))
            elaboration = e->Elaboration;
        EXPECT_EQ(Ctl(p.elaborationBox).Text(), elaboration) << c.typed;
    }
}

TEST_F(BrowserTest, DeletingBackToEmptyAndClickingIntoTheBox) {
    const auto& p = Panel(DictionaryId::OxfordDictionary);
    Select(DictionaryId::OxfordDictionary);
    rt.Click(Ctl(p.searchBox)); // the hint: emptied, black, searched with the empty text
    EXPECT_EQ(Ctl(p.searchBox).Text(), "");
    EXPECT_EQ(Ctl(p.searchBox).ForeColor(), browser::TypedTextColor);
    EXPECT_EQ(Ctl(p.list).ListIndex(), 0);
    Type(DictionaryId::OxfordDictionary, "ac");
    EXPECT_EQ(Ctl(p.list).ListIndex(), 8);
    Type(DictionaryId::OxfordDictionary, "a");
    EXPECT_EQ(Ctl(p.list).ListIndex(), 0);
    EXPECT_EQ(Ctl(p.abbreviationBox).Text(), "AA");
    rt.SelectItem(Ctl(p.list), 9);
    Type(DictionaryId::OxfordDictionary, "");
    rt.SelectItem(Ctl(p.list), 9);
    rt.Click(Ctl(p.searchBox)); // already empty: nothing happens
    EXPECT_EQ(Ctl(p.list).ListIndex(), 9);
    EXPECT_EQ(Ctl(p.elaborationBox).Text(), "alternating current");
}

TEST_F(BrowserTest, EditingTheUntouchedHintFromTheKeyboardMatchesNothing) {
    for (const auto& p : Panels) {
        Select(p.dictionary);
        Type(p.dictionary, "Click to Searchx");
        EXPECT_EQ(Ctl(p.list).ListIndex(), -1) << p.list;
        EXPECT_EQ(Ctl(p.searchBox).ForeColor(), browser::TypedTextColor);
    }
}

TEST_F(BrowserTest, OnlyTheBareBackgroundMovesTheWindow) {
    struct Case {
        const char* where;
        float x, y;
        int moves;
    } cases[] = {
        {"bare background", 3000, 7500, 1},
        {"hidden outline shape and hidden list", 500, 3000, 1},
        {"emblem", 3800, 4400, 0},
        {"selection caption", 400, 5900, 0},
        {"hover frame outside its picture", 8285, 1175, 1},
        {"picture inside its frame", 8700, 1600, 0},
    };
    for (const Case& c : cases) {
        display.moves = 0;
        rt.MouseDown(window, c.x, c.y);
        rt.MouseUp(window, c.x, c.y);
        EXPECT_EQ(display.moves, c.moves) << c.where;
    }
}

TEST_F(BrowserTest, FramesLightUnderThePointerAndRestOverTheBackground) {
    rt.Hover(Ctl("Image2"));
    rt.Hover(Ctl("Image4"));
    EXPECT_EQ(Ctl("Shape7").BorderColor(), 255u);
    EXPECT_EQ(Ctl("Shape8").BorderColor(), 255u);
    rt.Click(Ctl("Image2"));
    EXPECT_EQ(Ctl("Shape7").BorderColor(), 255u) << "a selection leaves its frame lit";
    rt.MouseDown(window, 8700, 1600);
    EXPECT_EQ(Ctl("Image2").BorderStyle(), 1);
    rt.MouseUp(window, 8700, 1600);
    EXPECT_EQ(Ctl("Image2").BorderStyle(), 0);
    rt.MouseMove(window, 8285, 1175); // a frame's line outside its picture is background
    for (auto frame :
         {"Shape5", "Shape6", "Shape7", "Shape8", "Shape9", "Shape10", "Shape11", "Shape12", "Shape15"})
        EXPECT_EQ(Ctl(frame).BorderColor(), 192u) << frame;
}

TEST_F(BrowserTest, EachPictureButtonLightsItsOwnFrameAndShowsItsPressedLook) {
    const struct {
        const char* button;
        const char* frame;
        bool pressedLook;
    } kButtons[] = {
        {"Image1", "Shape5", true},  {"Image3", "Shape6", true},   {"Image2", "Shape7", true},
        {"Image4", "Shape8", true},  {"Image5", "Shape9", true},   {"Image6", "Shape10", true},
        {"Image7", "Shape11", true}, {"Image8", "Shape12", false}, {"Image14", "Shape15", true},
    };
    const float kBackgroundX = 8285, kBackgroundY = 1175; // a frame's line outside its picture
    for (const auto& b : kButtons) {
        rt.Hover(Ctl(b.button));
        for (const auto& other : kButtons)
            EXPECT_EQ(Ctl(other.frame).BorderColor(), other.frame == b.frame ? 255u : 192u)
                << "over " << b.button << ": " << other.frame;
        if (b.pressedLook) {
            forms::Control& button = Ctl(b.button);
            rt.MouseDown(window, button.Left() + button.Width() / 2, button.Top() + button.Height() / 2);
            EXPECT_EQ(button.BorderStyle(), 1) << b.button << " pressed";
            // Released away from the button: its look returns and nothing is clicked.
            rt.MouseUp(window, kBackgroundX, kBackgroundY);
            EXPECT_EQ(button.BorderStyle(), 0) << b.button << " released";
            ASSERT_TRUE(rt.Running()) << b.button;
        }
        rt.MouseMove(window, kBackgroundX, kBackgroundY);
        for (const auto& other : kButtons)
            EXPECT_EQ(Ctl(other.frame).BorderColor(), 192u) << "after " << b.button << ": " << other.frame;
    }
}

TEST_F(BrowserTest, TheHelpButtonHandsOverOnThePressWithoutThePressedLook) {
    window.helpWindow = [this]() -> forms::Form& { return rt.Instance<OtherWindow>(); };
    rt.MouseDown(window, 8700, 7500);
    auto& help = rt.Instance<OtherWindow>();
    EXPECT_EQ(help.State(), forms::LoadState::Shown);
    EXPECT_EQ(help.loadedWhileBrowser, forms::LoadState::Shown)
        << "the help window comes before the browser goes";
    EXPECT_EQ(window.State(), forms::LoadState::NotLoaded);
    rt.MouseUp(window, 8700, 7500);
    EXPECT_TRUE(rt.Running());
}

TEST_F(BrowserTest, MinimiseKeepsEverythingAndExitEndsAtOnce) {
    Select(DictionaryId::BangladeshDictionary);
    Type(DictionaryId::BangladeshDictionary, "BW");
    rt.Click(Ctl("Image3"));
    EXPECT_EQ(window.WindowState(), 1);
    EXPECT_EQ(Ctl("List8").ListIndex(), 19);
    EXPECT_EQ(Ctl("Shape6").BorderColor(), 192u);
    rt.Click(Ctl("Image1"));
    EXPECT_FALSE(rt.Running());
    EXPECT_EQ(rt.ExitCode(), 0);
    EXPECT_TRUE(window.IsLoaded()) << "no unload ran";
}

} // namespace
