// A long run of random user events through the browser window, checking after every event what
// must always hold: the program runs, one dictionary's panel is shown, each list holds its table,
// the boxes show the selected entry and a search box is grey only while it holds its hint.

#include "browser/Form2.h"
#include "forms/Runtime.h"
#include "platform/core/Windows1252.h"
#include "shell/Form1.h"
#include "shell/Form3.h"
#include "shell/Windows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

using browser::Form2;
using dictionaries::Dictionary;
using dictionaries::DictionaryId;
using forms::Control;
using forms::LoadState;

constexpr int kEvents = 100'000;
constexpr std::uint32_t kDefaultSeed = 20'240'611;
constexpr std::string_view kHint = "Click to Search";

// The browser window's panels as the user sees them, written out here rather than taken from the
// window's own table so that a wrong row there shows up.
struct PanelNames {
    DictionaryId dictionary;
    std::string_view button, list, searchBox, elaborationBox, abbreviationBox;
    bool hardwareLayout;
    std::string_view caption;
};
constexpr PanelNames kPanels[] = {
    {DictionaryId::OxfordDictionary, "Image2", "List20", "Text4", "Text5", "Text6", false,
     "Selected : Oxford Abbreviation Dictionary"},
    {DictionaryId::ComputerDictionary, "Image4", "List16", "Text3", "Text1", "Text2", false,
     "Selected : Lumitra Computer Abbreviation Dictionary"},
    {DictionaryId::HardwareDictionary, "Image5", "List1", "Text9", "Text7", "Text8", true,
     "Selected : Lumitra Complete Hardware Abbreviation Dictionary"},
    {DictionaryId::BangladeshDictionary, "Image6", "List8", "Text11", "Text10", "Text12", false,
     "Selected : Lumitra Abbreviation of Bangladesh Dictionary"},
    {DictionaryId::InternationalDictionary, "Image7", "List7", "Text15", "Text13", "Text14", false,
     "Selected : Lumita Abbreviation of International Dictionary"},
};
constexpr int kPanelCount = static_cast<int>(std::size(kPanels));

constexpr std::string_view kBothLayouts[] = {"Shape3", "Shape4"};
constexpr std::string_view kStandardLayout[] = {"Label2", "Shape1", "Shape2"};
constexpr std::string_view kHardwareLayout[] = {"Label4", "Label5", "Shape13", "Shape14"};
constexpr std::string_view kNeverShown[] = {"Label1", "Label3"};
constexpr std::string_view kMarkers[] = {"Image9", "Image10", "Image11", "Image12", "Image13"};

// Pieces of typed text: mostly ASCII, so that searches find entries, and some characters that
// the 8-bit code page has (é, €) or lacks (Bengali, CJK, an emoji).
constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::string_view kPunctuation = "0123456789 !\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~";
constexpr std::string_view kOtherCharacters[] = {
    "\xE0\xA6\x95",     // ক
    "\xE0\xA6\x96",     // খ
    "\xE0\xA6\x85",     // অ
    "\xE0\xA6\xBE",     // া
    "\xE0\xA7\x8D",     // ্
    "\xE6\xBC\xA2",     // 漢
    "\xE5\xAD\x97",     // 字
    "\xE4\xB8\xAD",     // 中
    "\xC3\xA9",         // é
    "\xC3\x9F",         // ß
    "\xE2\x82\xAC",     // €
    "\xF0\x9F\x98\x80", // 😀
};

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The position the list's search must give: the first entry, in table order, that begins with the
// 8-bit copy of the text, letters compared without regard to case. Every abbreviation is ASCII.
int FirstMatch(DictionaryId id, const std::string& text) {
    const std::string prefix = platform::Utf8ToWindows1252(text);
    int position = 0;
    for (const auto& entry : Dictionary(id)) {
        const std::string_view a = entry.Abbreviation;
        if (a.size() >= prefix.size() &&
            std::equal(prefix.begin(), prefix.end(), a.begin(),
                       [](char x, char y) { return LowerAscii(x) == LowerAscii(y); }))
            return position;
        ++position;
    }
    return -1;
}

// Drops the last character (not the last byte) of a UTF-8 text.
void DropLastCharacter(std::string& text) {
    if (text.empty())
        return;
    std::size_t end = text.size() - 1;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    text.erase(end);
}

enum class Kind {
    DictionaryButton,
    Minimise,
    Back,
    Help,
    HoverButton,
    Press,
    Move,
    Release,
    ClickPoint,
    Select,
    Append,
    Paste,
    TypePrefix,
    DeleteLast,
    ClickIntoBox,
    Exit,
};

constexpr const char* kKindNames[] = {
    "dictionary button", "minimise", "back",   "help",   "hover", "press",       "move",
    "release",           "click at", "select", "append", "paste", "type prefix", "delete last",
    "click into box",    "exit"};

struct Event {
    Kind kind = Kind::Move;
    int panel = -1;
    std::string_view control;
    float x = 0, y = 0;
    int position = 0;
    std::string typed; // what an edit leaves in the box
};

// What a panel showed before an event.
struct PanelSnapshot {
    std::int16_t listIndex = -1;
    std::string searchText;
    forms::Color searchColor = 0;
    std::string elaboration;
    std::string abbreviation;
    bool operator==(const PanelSnapshot&) const = default;
};

class RandomEventsTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (const char* s = std::getenv("LUMITRA_RANDOM_EVENTS_SEED"))
            seed = static_cast<std::uint32_t>(std::strtoul(s, nullptr, 10));
        rng.seed(seed);
        shell::ConnectWindows(rt); // the start menu and the help window that the buttons open
        rt.Start(window);
        Loaded();
    }

    // The cached controls of the current load, and the model of a freshly loaded window.
    struct PanelControls {
        Control *list, *searchBox, *elaborationBox, *abbreviationBox;
    };
    void Loaded() {
        ASSERT_EQ(window.State(), LoadState::Shown);
        load = window.LoadCount();
        for (int p = 0; p < kPanelCount; ++p) {
            const PanelNames& n = kPanels[p];
            panels[p] = {&window.Ctl(n.list), &window.Ctl(n.searchBox), &window.Ctl(n.elaborationBox),
                         &window.Ctl(n.abbreviationBox)};
            filled[p] = false;
            untouched[p] = true;
        }
        auto cache = [&](auto& names, std::vector<Control*>& into) {
            into.clear();
            for (std::string_view name : names)
                into.push_back(&window.Ctl(name));
        };
        cache(kBothLayouts, both);
        cache(kStandardLayout, standard);
        cache(kHardwareLayout, hardware);
        cache(kNeverShown, never);
        cache(kMarkers, markers);
        for (int p = 0; p < kPanelCount; ++p)
            buttons[p] = Rect(window.Ctl(kPanels[p].button));
        emblem = &window.Ctl("Image15");
        caption = &window.Ctl("Label7");
        exitButton = Rect(window.Ctl("Image1"));
        searchBox = Rect(*panels[0].searchBox); // the five boxes share one rectangle
        selected = -1;
    }

    std::string Where() const {
        std::ostringstream out;
        out << "seed " << seed << " (LUMITRA_RANDOM_EVENTS_SEED), event " << eventNumber << ": "
            << kKindNames[static_cast<int>(event.kind)];
        if (event.panel >= 0)
            out << " on panel " << kPanels[event.panel].list;
        if (!event.control.empty())
            out << " " << event.control;
        if (event.kind >= Kind::Press && event.kind <= Kind::ClickPoint)
            out << " at " << event.x << ", " << event.y;
        if (event.kind == Kind::Select)
            out << " position " << event.position;
        if (event.kind >= Kind::Append && event.kind <= Kind::DeleteLast)
            out << " (" << event.typed.size() << " bytes)";
        return out.str();
    }

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
    float Coordinate(float extent) { return std::uniform_real_distribution<float>(0, extent)(rng); }
    // A control's rectangle, kept apart from the control, which a hand-over destroys.
    struct Rect {
        float left = 0, top = 0, width = 0, height = 0;
        explicit Rect(const Control& c)
            : left(c.Left()), top(c.Top()), width(c.Width()), height(c.Height()) {}
        Rect() = default;
        bool Contains(float x, float y) const {
            return x >= left && x < left + width && y >= top && y < top + height;
        }
    };
    bool OnExitButton(float x, float y) const { return exitButton.Contains(x, y); }
    // The dictionary button under a point, or -1. Nothing else that takes the pointer lies over
    // the column of buttons.
    int DictionaryButtonAt(float x, float y) const {
        for (int p = 0; p < kPanelCount; ++p)
            if (buttons[p].Contains(x, y))
                return p;
        return -1;
    }
    // Whether a point lies on the search box of the shown panel, in front of all else there.
    bool OnShownSearchBox(float x, float y) const { return selected >= 0 && searchBox.Contains(x, y); }
    // A press and release on the shown search box click into it, which empties it.
    void ClickedIntoBox() {
        event.kind = Kind::ClickIntoBox;
        event.panel = selected;
        event.typed.clear();
    }
    // A point of the client area, not on the exit button.
    void RandomPoint() {
        do {
            event.x = Coordinate(10005);
            event.y = Coordinate(8790);
        } while (OnExitButton(event.x, event.y));
    }

    std::string RandomPiece() {
        const int r = Pick(20);
        if (r < 12)
            return std::string(1,
                               kLetters[static_cast<std::size_t>(Pick(static_cast<int>(kLetters.size())))]);
        if (r < 17)
            return std::string(
                1, kPunctuation[static_cast<std::size_t>(Pick(static_cast<int>(kPunctuation.size())))]);
        return std::string(kOtherCharacters[Pick(static_cast<int>(std::size(kOtherCharacters)))]);
    }

    // What the user's edit leaves in the visible search box.
    std::string EditedText(Kind kind) {
        std::string text = panels[selected].searchBox->Text();
        switch (kind) {
        case Kind::Append:
            for (int n = 1 + Pick(3); n > 0; --n)
                text += RandomPiece();
            break;
        case Kind::Paste:
            while (text.size() < 10'000)
                text += RandomPiece();
            break;
        case Kind::DeleteLast:
            DropLastCharacter(text);
            break;
        case Kind::TypePrefix: {
            // The beginning of an entry, in a random case, so that searches land all over the list.
            const auto& table = Dictionary(kPanels[selected].dictionary);
            text.clear();
            if (table.RowCount() > 0) {
                std::string_view entry = table.Entry(Pick(table.RowCount()))->Abbreviation;
                text = std::string(
                    entry.substr(0, 1 + static_cast<std::size_t>(Pick(static_cast<int>(entry.size())))));
                for (char& c : text)
                    if (Pick(2) == 0)
                        c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32
                                                                   : (c >= 'A' && c <= 'Z' ? c + 32 : c));
            }
            break;
        }
        default:
            break;
        }
        return text;
    }

    Event NextEvent(int number) {
        Event e;
        const int r = Pick(1000);
        const bool panelShown = selected >= 0;
        if (pressed) {
            // A held button: the pointer drags until it is released.
            e.kind = r < 400 ? Kind::Release : Kind::Move;
        } else if (r < 250) {
            e.kind = Kind::DictionaryButton;
            e.panel = Pick(kPanelCount);
            e.control = kPanels[e.panel].button;
        } else if (r < 255) {
            e.kind = Kind::Minimise;
        } else if (r < 256) {
            e.kind = Kind::Back;
        } else if (r < 257) {
            e.kind = Kind::Help;
        } else if (r < 300) {
            e.kind = Kind::HoverButton;
            constexpr std::string_view buttons[] = {"Image1", "Image2", "Image3", "Image4", "Image5",
                                                    "Image6", "Image7", "Image8", "Image14"};
            e.control = buttons[Pick(static_cast<int>(std::size(buttons)))];
        } else if (r < 520) {
            // The pointer: presses and releases alternate, with moves between them.
            const int m = Pick(4);
            e.kind = m == 0 ? Kind::Press : m == 1 ? Kind::ClickPoint : Kind::Move;
        } else if (!panelShown) {
            e.kind = Kind::DictionaryButton;
            e.panel = Pick(kPanelCount);
            e.control = kPanels[e.panel].button;
        } else if (r < 680) {
            e.kind = Kind::Select;
        } else {
            const int t = Pick(100);
            e.kind = t < 40   ? Kind::Append
                     : t < 65 ? Kind::TypePrefix
                     : t < 90 ? Kind::DeleteLast
                     : t < 99 ? Kind::ClickIntoBox
                              : Kind::Paste;
        }
        if (number == exitAt)
            e.kind = Kind::Exit;
        if (e.kind != Kind::DictionaryButton && e.kind != Kind::HoverButton)
            e.panel = (e.kind >= Kind::Select && e.kind <= Kind::ClickIntoBox) ? selected : -1;
        return e;
    }

    PanelSnapshot Snapshot(int p) const {
        const PanelControls& c = panels[p];
        return {c.list->ListIndex(), c.searchBox->Text(), c.searchBox->ForeColor(), c.elaborationBox->Text(),
                c.abbreviationBox->Text()};
    }

    // Runs one event; false once the program has ended by the exit button.
    bool Run() {
        chosen = -1;
        // A click on a button presses and releases anew, ending any press the user still held.
        if (event.kind <= Kind::Help)
            pressed = false;
        switch (event.kind) {
        case Kind::DictionaryButton:
        case Kind::HoverButton:
            if (event.kind == Kind::DictionaryButton) {
                rt.Click(window.Ctl(event.control));
                chosen = event.panel;
            } else
                rt.Hover(window.Ctl(event.control));
            break;
        case Kind::Minimise:
            rt.Click(window.Ctl("Image3"));
            break;
        case Kind::Back:
            rt.Click(window.Ctl("Image14"));
            break;
        case Kind::Help:
            rt.Click(window.Ctl("Image8"));
            break;
        case Kind::Press:
            RandomPoint();
            pressedButton = DictionaryButtonAt(event.x, event.y);
            pressedBox = OnShownSearchBox(event.x, event.y);
            rt.MouseDown(window, event.x, event.y);
            pressed = true;
            break;
        case Kind::Move:
            event.x = Coordinate(10005);
            event.y = Coordinate(8790);
            rt.MouseMove(window, event.x, event.y);
            break;
        case Kind::Release:
            RandomPoint();
            if (pressed && pressedButton >= 0 && DictionaryButtonAt(event.x, event.y) == pressedButton)
                chosen = pressedButton;
            if (pressed && pressedBox && OnShownSearchBox(event.x, event.y))
                ClickedIntoBox();
            rt.MouseUp(window, event.x, event.y);
            pressed = false;
            break;
        case Kind::ClickPoint:
            RandomPoint();
            chosen = DictionaryButtonAt(event.x, event.y);
            if (OnShownSearchBox(event.x, event.y))
                ClickedIntoBox();
            rt.MouseDown(window, event.x, event.y);
            rt.MouseUp(window, event.x, event.y);
            break;
        case Kind::Select:
            event.position = Pick(panels[selected].list->ListCount() + 1) - 1;
            rt.SelectItem(*panels[selected].list, event.position);
            break;
        case Kind::Append:
        case Kind::Paste:
        case Kind::TypePrefix:
        case Kind::DeleteLast: {
            event.typed = EditedText(event.kind);
            rt.TypeText(*panels[selected].searchBox, event.typed);
            break;
        }
        case Kind::ClickIntoBox:
            rt.Click(*panels[selected].searchBox);
            break;
        case Kind::Exit:
            rt.Click(window.Ctl("Image1"));
            EXPECT_FALSE(rt.Running()) << Where();
            EXPECT_EQ(rt.ExitCode(), 0) << Where();
            EXPECT_FALSE(rt.Error().has_value()) << Where();
            EXPECT_EQ(window.State(), LoadState::Shown) << Where() << ": no unload runs at the exit";
            // Nothing runs after the end.
            const std::string before = caption->Caption();
            rt.Click(window.Ctl(kPanels[(selected + 1) % kPanelCount].button));
            EXPECT_EQ(caption->Caption(), before) << Where();
            return false;
        }
        return true;
    }

    // The window left for the start menu or the help window: check the hand-over, then come back
    // as a user would, by a menu entry or by the help window's back button.
    void ComeBack() {
        auto& menu = rt.Instance<shell::Form1>();
        auto& help = rt.Instance<shell::Form3>();
        const bool toMenu = menu.State() == LoadState::Shown, toHelp = help.State() == LoadState::Shown;
        ASSERT_NE(toMenu, toHelp) << Where() << ": exactly one other window is shown";
        if (event.kind == Kind::Back) {
            EXPECT_TRUE(toMenu) << Where();
        }
        if (event.kind == Kind::Help) {
            EXPECT_TRUE(toHelp) << Where();
        }
        forms::Form& other = toMenu ? static_cast<forms::Form&>(menu) : help;
        shownMarker = {};
        if (toMenu) {
            const shell::MenuEntry& entry = shell::MenuEntries[static_cast<std::size_t>(
                Pick(static_cast<int>(std::size(shell::MenuEntries))))];
            rt.Click(menu.Ctl(entry.label));
            shownMarker = entry.marker;
        } else {
            rt.Click(help.Ctl("Image8"));
        }
        ASSERT_TRUE(rt.Running()) << Where();
        ASSERT_EQ(other.State(), LoadState::NotLoaded) << Where();
        ASSERT_EQ(window.State(), LoadState::Shown) << Where();
        ASSERT_GT(window.LoadCount(), load) << Where();
        ++reloads;
        Loaded();
    }

    void CheckContents(int p) {
        const auto& table = Dictionary(kPanels[p].dictionary);
        const Control& list = *panels[p].list;
        ASSERT_EQ(list.ListCount(), table.RowCount()) << Where() << " " << kPanels[p].list;
        int i = 0;
        for (const auto& entry : table) {
            ASSERT_EQ(list.List(i), entry.Abbreviation) << Where() << " " << kPanels[p].list << " item " << i;
            ++i;
        }
    }

    void CheckVisible(const std::vector<Control*>& controls, bool visible) {
        for (const Control* c : controls)
            EXPECT_EQ(c->Visible(), visible) << Where() << " " << c->Name();
    }

    void CheckLayout() {
        EXPECT_EQ(emblem->Visible(), selected < 0) << Where() << ": the emblem";
        // The marker that the start menu's entry showed stays until a dictionary is chosen.
        for (const Control* marker : markers)
            EXPECT_EQ(marker->Visible(), selected < 0 && marker->Name() == shownMarker)
                << Where() << " " << marker->Name();
        CheckVisible(never, false);
        CheckVisible(both, selected >= 0);
        CheckVisible(standard, selected >= 0 && !kPanels[selected].hardwareLayout);
        CheckVisible(hardware, selected >= 0 && kPanels[selected].hardwareLayout);
        EXPECT_TRUE(caption->Visible()) << Where();
        EXPECT_EQ(caption->Caption(), selected < 0 ? std::string_view() : kPanels[selected].caption)
            << Where();
        for (int p = 0; p < kPanelCount; ++p) {
            const PanelControls& c = panels[p];
            const bool shown = p == selected;
            for (const Control* each : {c.list, c.searchBox, c.elaborationBox, c.abbreviationBox})
                EXPECT_EQ(each->Visible(), shown) << Where() << " " << each->Name();
        }
    }

    void CheckPanel(int p, const PanelSnapshot& before) {
        const PanelControls& c = panels[p];
        const auto& table = Dictionary(kPanels[p].dictionary);
        const Control& list = *c.list;
        ASSERT_EQ(list.ListCount(), filled[p] ? table.RowCount() : 0) << Where() << " " << kPanels[p].list;
        const std::int16_t index = list.ListIndex();
        ASSERT_GE(index, -1) << Where();
        ASSERT_LT(index, list.ListCount()) << Where();
        const auto* entry = table.Entry(index);
        EXPECT_EQ(c.elaborationBox->Text(), entry ? entry->Elaboration : std::string_view())
            << Where() << " " << kPanels[p].elaborationBox << " for position " << index;
        EXPECT_EQ(c.abbreviationBox->Text(), list.Text()) << Where() << " " << kPanels[p].abbreviationBox;
        if (entry) {
            EXPECT_EQ(list.Text(), entry->Abbreviation) << Where() << " position " << index;
        }

        const std::string text = c.searchBox->Text();
        if (text != before.searchText) {
            untouched[p] = false;
            EXPECT_EQ(index, FirstMatch(kPanels[p].dictionary, text))
                << Where() << ": the search for a text of " << text.size() << " bytes";
        }
        if (p == event.panel && event.kind >= Kind::Append && event.kind <= Kind::ClickIntoBox) {
            EXPECT_EQ(text, event.typed) << Where() << ": the box keeps what the user left in it";
        }
        if (untouched[p]) {
            EXPECT_EQ(text, kHint) << Where() << " " << kPanels[p].searchBox;
        }
        EXPECT_EQ(c.searchBox->ForeColor(), untouched[p] ? browser::HintTextColor : browser::TypedTextColor)
            << Where() << " " << kPanels[p].searchBox;
        if (event.kind == Kind::Select && p == event.panel) {
            EXPECT_EQ(index, event.position) << Where();
        }

        // Only an edit or a selection in the shown panel changes what a panel holds.
        const bool editable =
            p == event.panel && event.kind >= Kind::Select && event.kind <= Kind::ClickIntoBox;
        if (!editable) {
            EXPECT_TRUE(Snapshot(p) == before) << Where() << ": " << kPanels[p].list << "'s panel changed";
        }
    }

    void Check() {
        if (chosen >= 0) {
            selected = chosen;
            if (!filled[selected]) {
                filled[selected] = true;
                CheckContents(selected);
            }
        }
        CheckLayout();
        for (int p = 0; p < kPanelCount; ++p)
            CheckPanel(p, before[static_cast<std::size_t>(p)]);
        if (eventNumber % 1000 == 0)
            for (int p = 0; p < kPanelCount; ++p)
                if (filled[p])
                    CheckContents(p);
    }

    std::uint32_t seed = kDefaultSeed;
    std::mt19937 rng;
    forms::Runtime rt;
    Form2& window = rt.Instance<Form2>();

    int load = 0;
    std::array<PanelControls, kPanelCount> panels{};
    std::vector<Control*> both, standard, hardware, never, markers;
    std::string_view shownMarker; // the marker the start menu showed at the last load, if any
    std::array<Rect, kPanelCount> buttons{};
    Rect exitButton, searchBox;
    Control *emblem = nullptr, *caption = nullptr;

    // The model: which panel is shown, which lists are filled, which search boxes are untouched.
    int selected = -1;
    std::array<bool, kPanelCount> filled{};
    std::array<bool, kPanelCount> untouched{};
    bool pressed = false;
    int pressedButton = -1;  // the dictionary button under the last press
    bool pressedBox = false; // whether the last press was on the shown search box
    int chosen = -1;         // the dictionary the event selected

    int eventNumber = 0;
    int exitAt = -1;
    Event event;
    std::array<PanelSnapshot, kPanelCount> before;
    int reloads = 0;
    std::array<int, std::size(kKindNames)> counts{};
};

TEST_F(RandomEventsTest, EveryEventKeepsTheWindowConsistent) {
    exitAt = kEvents - 1 - Pick(500);
    bool ended = false;
    for (eventNumber = 0; eventNumber < kEvents; ++eventNumber) {
        event = NextEvent(eventNumber);
        for (int p = 0; p < kPanelCount; ++p)
            before[static_cast<std::size_t>(p)] = Snapshot(p);
        ++counts[static_cast<std::size_t>(event.kind)];
        if (!Run()) {
            ended = true;
            break;
        }
        ASSERT_TRUE(rt.Running()) << Where();
        ASSERT_FALSE(rt.Error().has_value()) << Where() << ": " << rt.Error()->what();
        if (window.State() != LoadState::Shown) {
            ASSERT_EQ(window.State(), LoadState::NotLoaded) << Where();
            ComeBack();
            if (HasFailure())
                return;
            pressed = false;
            chosen = -1;
            // The window is back in its designed state; the checks below confirm it.
            event.panel = -1;
            for (int p = 0; p < kPanelCount; ++p)
                before[static_cast<std::size_t>(p)] = {
                    -1, std::string(kHint), browser::HintTextColor, {}, {}};
        } else if (event.kind == Kind::Back || event.kind == Kind::Help) {
            ADD_FAILURE() << Where() << ": the window did not hand over";
        }
        Check();
        if (HasFailure())
            return;
    }
    EXPECT_TRUE(ended) << "the exit button was never clicked";
    // The run reached every kind of event, the hand-overs included.
    for (std::size_t k = 0; k < counts.size(); ++k)
        EXPECT_GT(counts[k], 0) << kKindNames[k];
    EXPECT_GT(reloads, 100);
}

} // namespace
