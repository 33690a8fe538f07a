#include "forms/Numeric.h"
#include "forms/Runtime.h"
#include "platform/core/User32.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using forms::ControlKind;
using forms::Event;
using forms::LoadState;

const forms::FormDesign kDesign{
    .name = "TestForm",
    .caption = "Test",
    .clientWidth = 3000,
    .clientHeight = 3000,
    .controls =
        {
            {.kind = ControlKind::Label, .name = "Label1", .left = 0, .top = 0, .width = 600, .height = 300},
            {.kind = ControlKind::Image,
             .name = "Image1",
             .left = 300,
             .top = 0,
             .width = 600,
             .height = 300},
            {.kind = ControlKind::Shape,
             .name = "Shape1",
             .left = 0,
             .top = 600,
             .width = 900,
             .height = 300},
            {.kind = ControlKind::Image,
             .name = "Image2",
             .left = 0,
             .top = 600,
             .width = 600,
             .height = 300},
            {.kind = ControlKind::Label,
             .name = "Hidden",
             .left = 0,
             .top = 1200,
             .width = 600,
             .height = 300,
             .visible = false},
            {.kind = ControlKind::ListBox,
             .name = "List1",
             .left = 1500,
             .top = 0,
             .width = 900,
             .height = 900},
            {.kind = ControlKind::TextBox,
             .name = "Text1",
             .left = 1500,
             .top = 1200,
             .width = 900,
             .height = 300,
             .caption = "hint"},
            {.kind = ControlKind::Image,
             .name = "Under",
             .left = 1500,
             .top = 1200,
             .width = 900,
             .height = 300},
            {.kind = ControlKind::Timer, .name = "Timer1", .interval = 100},
            {.kind = ControlKind::Timer, .name = "Timer2", .interval = 250},
            {.kind = ControlKind::Shape,
             .name = "shpborder",
             .index = 0,
             .width = 3000,
             .height = 3000,
             .visible = false,
             .shape = 4},
        },
};

// A window that records every event it handles.
class TestForm : public forms::Form {
public:
    explicit TestForm(forms::Runtime& runtime) : Form(runtime, kDesign) {
        auto log = [this](std::string entry) { return [this, entry] { events.push_back(entry); }; };
        // Logs the event, then runs what a case asks of it.
        auto logThen = [this](std::string entry, std::function<void()> TestForm::*then) {
            return [this, entry, then] {
                events.push_back(entry);
                if (this->*then)
                    (this->*then)();
            };
        };
        Bind({
            {"", Event::Load, logThen("Form_Load", &TestForm::onLoad)},
            {"", Event::Unload, logThen("Form_Unload", &TestForm::onUnload)},
            {"", Event::MouseDown, log("Form_MouseDown")},
            {"", Event::MouseMove, log("Form_MouseMove")},
            {"Label1", Event::Click, log("Label1_Click")},
            {"Label1", Event::MouseDown, log("Label1_MouseDown")},
            {"Image1", Event::MouseDown, logThen("Image1_MouseDown", &TestForm::onImage1Down)},
            {"Image1", Event::MouseUp, log("Image1_MouseUp")},
            {"Image1", Event::Click, [this] { onImage1Click(); }},
            {"Image1", Event::DblClick, log("Image1_DblClick")},
            {"", Event::DblClick, log("Form_DblClick")},
            {"Text1", Event::Click, log("Text1_Click")},
            {"Text1", Event::DblClick, log("Text1_DblClick")},
            {"List1", Event::DblClick, log("List1_DblClick")},
            {"Image2", Event::MouseDown, log("Image2_MouseDown")},
            {"List1", Event::Click, [this] { events.push_back("List1_Click " + Ctl("List1").Text()); }},
            {"Text1", Event::Change,
             [this] {
                 events.push_back("Text1_Change " + Ctl("Text1").Text());
                 if (!nested.empty())
                     Ctl("List1").SetListIndex(0);
                 if (onText1Change)
                     onText1Change();
             }},
            {"Timer1", Event::Timer, log("Timer1_Timer")},
            {"Timer2", Event::Timer, [this] { onTimer2(); }},
        });
    }
    std::vector<std::string> events;
    std::string nested;
    std::function<void()> onImage1Click = [this] { events.push_back("Image1_Click"); };
    std::function<void()> onTimer2 = [this] { events.push_back("Timer2_Timer"); };
    std::function<void()> onLoad, onUnload, onImage1Down, onText1Change;
};

class RuntimeTest : public ::testing::Test {
protected:
    forms::Runtime rt;
    TestForm& form = rt.Instance<TestForm>();
};

TEST_F(RuntimeTest, TouchingAControlLoadsTheWindowHiddenAndRunsItsLoadOnce) {
    EXPECT_EQ(form.State(), LoadState::NotLoaded);
    EXPECT_EQ(&rt.Instance<TestForm>(), &form);
    EXPECT_TRUE(form.Ctl("Label1").Visible());
    EXPECT_EQ(form.State(), LoadState::LoadedHidden);
    form.Ctl("Image1");
    EXPECT_EQ(form.events, (std::vector<std::string>{"Form_Load"}));
    form.SetVisible(true);
    EXPECT_EQ(form.State(), LoadState::Shown);
}

TEST_F(RuntimeTest, UnloadRunsItsHandlerAndTheNextReferenceLoadsTheDesignAfresh) {
    form.SetVisible(true);
    form.Ctl("Hidden").SetVisible(true);
    form.Ctl("List1").AddItem("x");
    form.Ctl("Shape1").SetBorderColor(255);
    form.Unload();
    EXPECT_EQ(form.State(), LoadState::NotLoaded);
    EXPECT_TRUE(form.Controls().empty());
    EXPECT_FALSE(form.Ctl("Hidden").Visible());
    EXPECT_EQ(form.Ctl("List1").ListCount(), 0);
    EXPECT_EQ(form.Ctl("Shape1").BorderColor(), 0u);
    EXPECT_EQ(form.Ctl("Text1").Text(), "hint");
    EXPECT_EQ(form.events, (std::vector<std::string>{"Form_Load", "Form_Unload", "Form_Load"}));
}

TEST_F(RuntimeTest, EventsRunInsideTheWritesThatCauseThem) {
    auto& list = form.Ctl("List1");
    list.AddItem("alpha");
    list.AddItem("beta");
    form.Ctl("Label1").SetVisible(false);
    EXPECT_EQ(form.events.size(), 1u) << "neither AddItem nor a Visible write raises anything";
    form.nested = "yes";
    form.Ctl("Text1").SetText("a");
    EXPECT_EQ(form.events, (std::vector<std::string>{"Form_Load", "Text1_Change a", "List1_Click alpha"}));
    form.events.clear();
    form.Ctl("Text1").SetText("a");
    EXPECT_TRUE(form.events.empty()) << "the same text is no change";
    list.SetListIndex(1);
    list.SetListIndex(1);
    EXPECT_EQ(form.events, (std::vector<std::string>{"List1_Click beta", "List1_Click beta"}));
    list.SetListIndex(-1);
    EXPECT_EQ(list.Text(), "");
}

TEST_F(RuntimeTest, ATextBoxCaretStartsAtZeroAndFollowsTheUsersEditing) {
    rt.Start(form);
    forms::Control& box = form.Ctl("Text1");
    EXPECT_EQ(box.SelStart(), 0) << "at load";
    const struct {
        const char* what;
        std::function<void()> act;
        std::int32_t selStart;
    } steps[] = {
        {"typing at the end", [&] { rt.TypeText(box, "hint!"); }, 5},
        {"typing in front", [&] { rt.TypeText(box, "Xhint!", 1); }, 1},
        {"the caret moved past the end", [&] { rt.MoveCaret(box, 99); }, 6},
        {"characters beyond one byte and beyond the 16-bit plane",
         [&] { rt.TypeText(box, "\xC3\xA9\xF0\x9F\x98\x80"); }, 3},
        {"a text written by the program", [&] { rt.Dispatch([&] { box.SetText("new"); }); }, 0},
        {"a place written by the program", [&] { rt.Dispatch([&] { box.SetSelStart(2); }); }, 2},
    };
    for (const auto& step : steps) {
        step.act();
        EXPECT_EQ(box.SelStart(), step.selStart) << step.what;
    }
    EXPECT_EQ(form.events.back(), "Text1_Change new") << "the caret alone raises no Change";
    try {
        box.SetSelStart(-1);
        ADD_FAILURE() << "a place before the start";
    } catch (const forms::RuntimeError& e) {
        EXPECT_EQ(e.Number(), forms::ErrInvalidPropertyValue);
    }
    EXPECT_THROW(form.Ctl("List1").SelStart(), forms::RuntimeError) << "a list has no caret";
    form.Unload();
    EXPECT_EQ(form.Ctl("Text1").SelStart(), 0) << "loaded anew";
}

TEST_F(RuntimeTest, ListIndexOutsideTheListIsAnInvalidPropertyValue) {
    form.Ctl("List1").AddItem("only");
    for (int index : {-2, 1, 5}) {
        try {
            form.Ctl("List1").SetListIndex(static_cast<std::int16_t>(index));
            FAIL() << index;
        } catch (const forms::RuntimeError& e) {
            EXPECT_EQ(e.Number(), forms::ErrInvalidPropertyValue) << index;
        }
    }
}

TEST_F(RuntimeTest, ThePointerGoesToTheFrontmostShownControlElseTheBackground) {
    rt.Start(form);
    struct Case {
        float x, y;
        const char* expected; // nullptr: the background
    } cases[] = {
        {100, 100, "Label1"},  // only the label
        {400, 100, "Label1"},  // the label lies in front of Image1
        {700, 100, "Image1"},  // Image1 beyond the label
        {100, 700, "Image2"},  // through the shape in front of it
        {700, 700, nullptr},   // a shape takes no pointer
        {100, 1300, nullptr},  // a hidden label takes none
        {1600, 1300, "Text1"}, // a windowed box lies in front of a windowless image
        {2900, 2900, nullptr}, // the hidden outline shape
    };
    for (const Case& c : cases) {
        forms::Control* hit = form.ControlAt(c.x, c.y);
        if (c.expected)
            EXPECT_TRUE(hit && hit->Name() == c.expected) << c.x << "," << c.y;
        else
            EXPECT_EQ(hit, nullptr) << c.x << "," << c.y;
    }
    form.Ctl("Text1").SetVisible(false);
    EXPECT_EQ(form.ControlAt(1600, 1300)->Name(), "Under");
}

TEST_F(RuntimeTest, APressAndReleaseOnAnImageRaiseDownUpAndClick) {
    rt.Start(form);
    form.events.clear();
    rt.MouseDown(form, 700, 100);
    rt.MouseMove(form, 2000, 2500); // held: stays with the image
    rt.MouseUp(form, 700, 100);
    EXPECT_EQ(form.events, (std::vector<std::string>{"Image1_MouseDown", "Image1_MouseUp", "Image1_Click"}));
    form.events.clear();
    rt.MouseDown(form, 700, 100);
    rt.MouseUp(form, 2900, 2900);
    EXPECT_EQ(form.events, (std::vector<std::string>{"Image1_MouseDown", "Image1_MouseUp"}))
        << "a release away from the image is no click";
    form.events.clear();
    rt.MouseMove(form, 700, 700);
    rt.MouseDown(form, 700, 700);
    EXPECT_EQ(form.events, (std::vector<std::string>{"Form_MouseMove", "Form_MouseDown"}));
}

TEST(RuntimeDoubleClick, TheSecondPressOnTheSameTargetIsADoubleClickAndNoSecondClick) {
    using Events = std::vector<std::string>;
    const Events imageDouble = {"Image1_MouseDown", "Image1_MouseUp", "Image1_Click", "Image1_DblClick",
                                "Image1_MouseUp"};
    const Events imageClick = {"Image1_MouseDown", "Image1_MouseUp", "Image1_Click"};
    auto concat = [](Events a, const Events& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    struct Case {
        const char* what;
        std::function<void(forms::Runtime&, TestForm&)> act;
        Events expected;
    };
    const Case cases[] = {
        {"on an image", [](forms::Runtime& rt, TestForm& form) { rt.DoubleClick(form.Ctl("Image1")); },
         imageDouble},
        {"on the background",
         [](forms::Runtime& rt, TestForm& form) {
             rt.MouseDown(form, 700, 700);
             rt.MouseUp(form, 700, 700);
             rt.MouseDoubleClick(form, 700, 700);
             rt.MouseUp(form, 700, 700);
         },
         {"Form_MouseDown", "Form_DblClick"}},
        {"on a text box",
         [](forms::Runtime& rt, TestForm& form) { rt.DoubleClick(form.Ctl("Text1")); },
         {"Text1_Click", "Text1_DblClick"}},
        {"on a list, whose click is the choice of an item",
         [](forms::Runtime& rt, TestForm& form) { rt.DoubleClick(form.Ctl("List1")); },
         {"List1_DblClick"}},
        {"whose second press lands on another control",
         [](forms::Runtime& rt, TestForm& form) {
             rt.MouseDown(form, 700, 100);
             rt.MouseUp(form, 700, 100);
             rt.MouseDoubleClick(form, 100, 100);
             rt.MouseUp(form, 100, 100);
         },
         concat(imageClick, {"Label1_MouseDown", "Label1_Click"})},
        {"whose first click loads the window anew",
         [](forms::Runtime& rt, TestForm& form) {
             form.onImage1Click = [&form, first = true]() mutable {
                 form.events.push_back("Image1_Click");
                 if (std::exchange(first, false)) {
                     form.Unload();
                     form.SetVisible(true);
                 }
             };
             rt.DoubleClick(form.Ctl("Image1"));
         },
         concat(concat(imageClick, {"Form_Unload", "Form_Load"}), imageClick)},
        {"twice in a row",
         [](forms::Runtime& rt, TestForm& form) {
             rt.DoubleClick(form.Ctl("Image1"));
             rt.DoubleClick(form.Ctl("Image1"));
         },
         concat(imageDouble, imageDouble)},
        {"followed by a press the desktop also counts as a second one",
         [](forms::Runtime& rt, TestForm& form) {
             rt.DoubleClick(form.Ctl("Image1"));
             rt.MouseDoubleClick(form, 700, 100);
             rt.MouseUp(form, 700, 100);
         },
         concat(imageDouble, imageClick)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        forms::Runtime rt;
        TestForm& form = rt.Instance<TestForm>();
        rt.Start(form);
        form.events.clear();
        c.act(rt, form);
        EXPECT_EQ(form.events, c.expected);
    }
}

TEST_F(RuntimeTest, TimersTickEveryIntervalFromLoadUntilUnload) {
    rt.Advance(1000);
    rt.Start(form); // loads at 1000 ms
    form.events.clear();
    rt.Advance(99);
    EXPECT_TRUE(form.events.empty());
    rt.Advance(401); // up to 1500 ms
    EXPECT_EQ(std::count(form.events.begin(), form.events.end(), "Timer1_Timer"), 5);
    EXPECT_EQ(std::count(form.events.begin(), form.events.end(), "Timer2_Timer"), 2);
    form.onTimer2 = [this] {
        form.Unload();
        rt.Instance<TestForm>().SetVisible(true);
    };
    form.events.clear();
    rt.Advance(250); // Timer2 at 1750 reloads the window; its timers start again from there
    EXPECT_EQ(form.State(), LoadState::Shown);
    form.events.clear();
    form.onTimer2 = [this] { form.events.push_back("Timer2_Timer"); };
    rt.Advance(100);
    EXPECT_EQ(form.events, (std::vector<std::string>{"Timer1_Timer"}));
}

TEST_F(RuntimeTest, EndStopsAtOnceWithoutUnloadHandlers) {
    rt.Start(form);
    form.events.clear();
    form.onImage1Click = [this] {
        form.events.push_back("before End");
        rt.End();
    };
    rt.Click(form.Ctl("Image1"));
    EXPECT_FALSE(rt.Running());
    EXPECT_EQ(rt.ExitCode(), 0);
    EXPECT_EQ(form.events.back(), "before End");
    EXPECT_EQ(std::count(form.events.begin(), form.events.end(), "Form_Unload"), 0);
    rt.Advance(1000);
    EXPECT_EQ(std::count(form.events.begin(), form.events.end(), "Timer1_Timer"), 0)
        << "no handler after End";
}

TEST_F(RuntimeTest, TheProgramEndsWhenNoWindowIsLoadedOnceTheHandlerReturns) {
    rt.Start(form);
    form.onImage1Click = [this] {
        form.Unload();
        EXPECT_TRUE(rt.Running()) << "the handler is still running";
        form.SetVisible(true);
    };
    rt.Click(form.Ctl("Image1"));
    EXPECT_TRUE(rt.Running()) << "a hand-over inside one handler keeps the program";
    form.onImage1Click = [this] { form.Unload(); };
    rt.Click(form.Ctl("Image1"));
    EXPECT_FALSE(rt.Running());
    EXPECT_EQ(rt.ExitCode(), 0);
}

TEST_F(RuntimeTest, ARunTimeErrorEndsTheProgramWithItsMessage) {
    rt.Start(form);
    form.onImage1Click = [] { forms::CInt(40000.0); };
    rt.Click(form.Ctl("Image1"));
    EXPECT_FALSE(rt.Running());
    EXPECT_EQ(rt.ExitCode(), 1);
    ASSERT_TRUE(rt.Error());
    EXPECT_EQ(rt.Error()->Message(), "Run-time error '6':\n\nOverflow");
}

TEST_F(RuntimeTest, ControlArraysHaveBoundsAndAMissingElementIsAnError) {
    EXPECT_EQ(form.LBound("shpborder"), 0);
    EXPECT_EQ(form.UBound("shpborder"), 0);
    EXPECT_EQ(form.Ctl("shpborder", 0).Shape(), 4);
    EXPECT_THROW(form.Ctl("shpborder", 1), forms::RuntimeError);
    EXPECT_THROW(form.Ctl("NoSuchControl"), forms::RuntimeError);
}

// Faults of the runtime that no window of the program meets yet, each on a fresh runtime.
TEST(RuntimeFaults, EachCallBehavesAsTheWindowsExpect) {
    struct Case {
        const char* fault;
        std::function<void(forms::Runtime&, TestForm&)> check;
    };
    const Case cases[] = {
        {"showing a window whose Form_Load unloads it",
         [](forms::Runtime& rt, TestForm& form) {
             form.onLoad = [&] { form.Unload(); };
             rt.Dispatch([&] { form.SetVisible(true); });
             EXPECT_EQ(form.State(), LoadState::NotLoaded);
             EXPECT_TRUE(form.Controls().empty());
             EXPECT_EQ(form.events, (std::vector<std::string>{"Form_Load", "Form_Unload"}));
         }},
        {"End inside a dispatch that runs inside a handler",
         [](forms::Runtime& rt, TestForm& form) {
             rt.Start(form);
             form.onText1Change = [&] { rt.End(); };
             form.onImage1Click = [&] {
                 rt.TypeText(form.Ctl("Text1"), "typed");
                 form.events.push_back("the outer handler went on");
                 form.Ctl("Label1").SetCaption("changed after End");
             };
             rt.Click(form.Ctl("Image1"));
             EXPECT_FALSE(rt.Running());
             EXPECT_EQ(rt.ExitCode(), 0);
             EXPECT_EQ(form.events.back(), "Text1_Change typed");
             EXPECT_EQ(form.Ctl("Label1").Caption(), "");
         }},
        {"a run-time error inside a dispatch that runs inside a handler",
         [](forms::Runtime& rt, TestForm& form) {
             rt.Start(form);
             form.onText1Change = [] { forms::CInt(1e9); };
             form.onImage1Click = [&] {
                 rt.TypeText(form.Ctl("Text1"), "typed");
                 form.events.push_back("the outer handler went on");
             };
             rt.Click(form.Ctl("Image1"));
             EXPECT_FALSE(rt.Running());
             EXPECT_EQ(rt.ExitCode(), 1);
             ASSERT_TRUE(rt.Error());
             EXPECT_EQ(rt.Error()->Number(), forms::ErrOverflow);
             EXPECT_EQ(form.events.back(), "Text1_Change typed");
         }},
        {"ReleaseCapture inside a press",
         [](forms::Runtime& rt, TestForm& form) {
             rt.Start(form);
             form.onImage1Down = [] { platform::ReleaseCapture(); };
             form.events.clear();
             rt.MouseDown(form, 700, 100);
             EXPECT_EQ(platform::GetCapture(), 0);
             rt.MouseMove(form, 700, 700); // over the background: the image no longer holds the pointer
             rt.MouseUp(form, 700, 100);
             EXPECT_EQ(form.events,
                       (std::vector<std::string>{"Image1_MouseDown", "Form_MouseMove", "Image1_MouseUp"}))
                 << "a release after the capture is gone is no click";
         }},
        {"LB_FINDSTRING with no text",
         [](forms::Runtime&, TestForm& form) {
             forms::Control& list = form.Ctl("List1");
             list.AddItem("alpha");
             list.AddItem("beta");
             EXPECT_EQ(platform::SendMessageA(list.hWnd(), platform::LB_FINDSTRING, -1, 0), platform::LB_ERR);
             EXPECT_EQ(list.ListIndex(), -1);
         }},
        {"SetWindowRgn with region 0",
         [](forms::Runtime&, TestForm& form) {
             const platform::HWND window = form.hWnd();
             const platform::HRGN outline = platform::CreateRoundRectRgn(0, 0, 200, 200, 28, 28);
             ASSERT_EQ(platform::SetWindowRgn(window, outline, true), 1);
             EXPECT_NE(platform::SetWindowRgn(window, 0, true), 0);
             EXPECT_EQ(platform::WindowRegion(window), 0) << "the outline is gone";
             EXPECT_FALSE(platform::IsRegion(outline)) << "the window freed the region it owned";
         }},
        {"BorderStyle outside what the control accepts",
         [](forms::Runtime&, TestForm& form) {
             const struct {
                 const char* control;
                 int style;
                 int error; // 0: accepted
             } writes[] = {
                 {"Image1", 1, 0},
                 {"Image1", 2, forms::ErrInvalidPropertyValue},
                 {"Label1", 2, forms::ErrInvalidPropertyValue},
                 {"Text1", -1, forms::ErrInvalidPropertyValue},
                 {"Text1", 2, forms::ErrInvalidPropertyValue},
                 {"Shape1", 6, 0},
                 {"Shape1", 7, forms::ErrInvalidPropertyValue},
                 {"List1", 0, forms::ErrPropertyNotFound},
                 {"Timer1", 0, forms::ErrPropertyNotFound},
             };
             for (const auto& w : writes) {
                 forms::Control& control = form.Ctl(w.control);
                 const int before = control.BorderStyle();
                 try {
                     control.SetBorderStyle(w.style);
                     EXPECT_EQ(w.error, 0) << w.control << " took " << w.style;
                     EXPECT_EQ(control.BorderStyle(), w.style) << w.control;
                 } catch (const forms::RuntimeError& e) {
                     EXPECT_EQ(e.Number(), w.error) << w.control << " " << w.style;
                     EXPECT_EQ(control.BorderStyle(), before) << w.control << " keeps its style";
                 }
             }
         }},
        {"Unload from inside the window's own Form_Unload",
         [](forms::Runtime& rt, TestForm& form) {
             rt.Start(form);
             int unloads = 0;
             // Bounded, so that a runtime that recurses shows it instead of overflowing the stack.
             form.onUnload = [&] {
                 if (++unloads < 3)
                     form.Unload();
             };
             form.onImage1Click = [&] {
                 form.Unload();
                 form.SetVisible(true);
             };
             rt.Click(form.Ctl("Image1"));
             EXPECT_EQ(unloads, 1);
             EXPECT_EQ(form.State(), LoadState::Shown) << "unloaded once and shown again";
             EXPECT_EQ(std::count(form.events.begin(), form.events.end(), "Form_Load"), 2);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        forms::Runtime rt;
        c.check(rt, rt.Instance<TestForm>());
    }
}

TEST(Numeric, ConversionsRoundTiesToEvenAndRaiseOverflow) {
    struct Case {
        double in;
        int out;
    } cases[] = {{0.5, 0},     {1.5, 2},     {2.5, 2},     {-0.5, 0},        {-1.5, -2},
                 {522.5, 522}, {662.5, 662}, {337.5, 338}, {32767.4, 32767}, {-32768.0, -32768}};
    for (const Case& c : cases)
        EXPECT_EQ(forms::CInt(c.in), c.out) << c.in;
    for (double bad : {32767.5, -32768.6, 1e300, std::numeric_limits<double>::quiet_NaN()})
        EXPECT_THROW(forms::CInt(bad), forms::RuntimeError) << bad;
    EXPECT_THROW(forms::CLng(3e9), forms::RuntimeError);
    try {
        forms::Divide(1, 0);
        FAIL();
    } catch (const forms::RuntimeError& e) {
        EXPECT_EQ(e.Number(), forms::ErrDivisionByZero);
    }
    EXPECT_THROW(forms::Divide(0, 0), forms::RuntimeError);
    EXPECT_THROW(forms::Divide(1e308, 1e-308), forms::RuntimeError);
}

} // namespace
