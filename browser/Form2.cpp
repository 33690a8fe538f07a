#include "browser/Form2.h"

#include "forms/Numeric.h"
#include "forms/Runtime.h"
#include "platform/core/User32.h"
#include "platform/core/Windows1252.h"
#include "skin/HandOver.h"

#include <algorithm>

namespace browser {

using forms::Event;

const DictionaryPanel& PanelOf(dictionaries::DictionaryId dictionary) {
    return *std::find_if(std::begin(Panels), std::end(Panels),
                         [&](const DictionaryPanel& p) { return p.dictionary == dictionary; });
}

Form2::Form2(forms::Runtime& runtime) : SkinnedForm(runtime, Form2Design()) {
    std::vector<Binding> bindings = FrameBindings([this] { ResetHover(); });
    std::vector<skin::PictureButton> buttons = {
        {"Image1", "Shape5", skin::ButtonLooks::All, skin::ActsOn::Click, [this] { ExitProgram(); }},
        {"Image3", "Shape6", skin::ButtonLooks::All, skin::ActsOn::Click, [this] { MinimizeWindow(); }},
        {"Image8", "Shape12", skin::ButtonLooks::HighlightOnly, skin::ActsOn::MouseDown,
         [this] { Image8_MouseDown(); }},
        {"Image14", "Shape15", skin::ButtonLooks::All, skin::ActsOn::Click, [this] { Image14_Click(); }},
    };
    const std::string_view frames[] = {"Shape7", "Shape8", "Shape9", "Shape10", "Shape11"};
    for (std::size_t i = 0; i < std::size(Panels); ++i) {
        const DictionaryPanel* panel = &Panels[i];
        buttons.push_back({panel->button, frames[i], skin::ButtonLooks::All, skin::ActsOn::Click,
                           [this, panel] { SelectDictionary(*panel); }});
        bindings.push_back({panel->list, Event::Click, [this, panel] { ShowElaboration(*panel); }});
        bindings.push_back({panel->searchBox, Event::Change, [this, panel] { TypeAheadSearch(*panel); }});
        bindings.push_back({panel->searchBox, Event::Click, [this, panel] { ClearSearchBox(*panel); }});
    }
    for (Binding& b : ButtonBindings(buttons))
        bindings.push_back(std::move(b));
    Bind(std::move(bindings));
}

void Form2::SelectDictionary(const DictionaryPanel& panel) {
    Ctl("Image15").SetVisible(false);
    for (std::string_view marker : skin::DictionaryMarkers)
        Ctl(marker).SetVisible(false);
    for (std::string_view control : BothLayouts)
        Ctl(control).SetVisible(true);
    for (std::string_view control : StandardLayout)
        Ctl(control).SetVisible(!panel.hardwareLayout);
    for (std::string_view control : HardwareLayout)
        Ctl(control).SetVisible(panel.hardwareLayout);
    for (const DictionaryPanel& each : Panels) {
        const bool shown = &each == &panel;
        for (std::string_view control :
             {each.list, each.searchBox, each.elaborationBox, each.abbreviationBox})
            Ctl(control).SetVisible(shown);
    }
    Ctl("Label7").SetVisible(true);
    Ctl("Label7").SetCaption(std::string(panel.caption));

    // A list is filled the first time its dictionary is selected after the window loads; it is
    // empty only until then.
    forms::Control& list = Ctl(panel.list);
    if (list.ListCount() == 0) {
        for (const dictionaries::AbbreviationEntry& entry : dictionaries::Dictionary(panel.dictionary))
            list.AddItem(std::string(entry.Abbreviation));
    }
}

void Form2::ShowElaboration(const DictionaryPanel& panel) {
    forms::Control& list = Ctl(panel.list);
    const std::int16_t position = list.ListIndex();
    std::string chosen;
    if (const dictionaries::AbbreviationEntry* entry =
            dictionaries::Dictionary(panel.dictionary).Entry(position))
        chosen = std::string(entry->Elaboration);
    Ctl(panel.elaborationBox).SetText(std::move(chosen));
    Ctl(panel.abbreviationBox).SetText(list.Text());
}

void Form2::TypeAheadSearch(const DictionaryPanel& panel) {
    forms::Control& list = Ctl(panel.list);
    const platform::HWND window = list.hWnd();
    const std::string copy = platform::Utf8ToWindows1252(Ctl(panel.searchBox).Text());
    const platform::LRESULT reply = platform::SendMessageA(window, platform::LB_FINDSTRING, -1,
                                                           reinterpret_cast<platform::LPARAM>(copy.c_str()));
    Ctl(panel.list).SetListIndex(forms::CInt(static_cast<std::int64_t>(reply)));
    Ctl(panel.searchBox).SetForeColor(TypedTextColor);
}

void Form2::ClearSearchBox(const DictionaryPanel& panel) {
    Ctl(panel.searchBox).SetText("");
}

void Form2::ResetHover() {
    ResetFrames(
        {"Shape15", "Shape12", "Shape7", "Shape6", "Shape5", "Shape8", "Shape9", "Shape11", "Shape10"});
}

void Form2::Image14_Click() {
    if (startMenu)
        skin::SwitchToWindow(skin::HandOver::BrowserToMenu, *this, startMenu());
}

void Form2::Image8_MouseDown() {
    if (helpWindow)
        skin::SwitchToWindow(skin::HandOver::BrowserToHelp, *this, helpWindow());
}

} // namespace browser
