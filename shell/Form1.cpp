#include "shell/Form1.h"

#include "skin/HandOver.h"

#include <algorithm>
#include <string>

namespace shell {
namespace {

const MenuEntry& EntryOf(std::string_view label) {
    return *std::find_if(std::begin(MenuEntries), std::end(MenuEntries),
                         [&](const MenuEntry& e) { return e.label == label; });
}

} // namespace

Form1::Form1(forms::Runtime& runtime) : SkinnedForm(runtime, Form1Design()) {
    using forms::Event;
    std::vector<Binding> bindings = FrameBindings([this] { Form_MouseMove(); });
    const std::vector<skin::PictureButton> buttons = {
        {"Image3", "Shape2", skin::ButtonLooks::All, skin::ActsOn::Click, [this] { Image3_Click(); }},
        {"Image1", "Shape1", skin::ButtonLooks::All, skin::ActsOn::Click, [this] { Image1_Click(); }},
    };
    for (Binding& b : ButtonBindings(buttons))
        bindings.push_back(std::move(b));
    const Binding entries[] = {
        {"Label1", Event::MouseMove, [this] { Label1_MouseMove(); }},
        {"Label2", Event::MouseMove, [this] { Label2_MouseMove(); }},
        {"Label3", Event::MouseMove, [this] { Label3_MouseMove(); }},
        {"Label4", Event::MouseMove, [this] { Label4_MouseMove(); }},
        {"Label5", Event::MouseMove, [this] { Label5_MouseMove(); }},
        {"Label1", Event::Click, [this] { Label1_Click(); }},
        {"Label2", Event::Click, [this] { Label2_Click(); }},
        {"Label3", Event::Click, [this] { Label3_Click(); }},
        {"Label4", Event::Click, [this] { Label4_Click(); }},
        {"Label5", Event::Click, [this] { Label5_Click(); }},
    };
    bindings.insert(bindings.end(), std::begin(entries), std::end(entries));
    Bind(std::move(bindings));
}

// The tip is written in the same step that shows the label, so the label is never seen empty.
void Form1::ShowTip(const MenuEntry& entry) {
    Ctl("Label6").SetVisible(true);
    Ctl("Label6").SetCaption(std::string(entry.tip));
    Ctl(entry.label).SetFontBold(true);
}

// The tips label keeps its last tip while hidden; the next ShowTip replaces it.
void Form1::ResetHover() {
    ResetFrames({"Shape2", "Shape1"});
    Ctl("Label5").SetFontBold(false);
    Ctl("Label6").SetVisible(false);
    Ctl("Label4").SetFontBold(false);
    Ctl("Label3").SetFontBold(false);
    Ctl("Label2").SetFontBold(false);
    Ctl("Label1").SetFontBold(false);
}

void Form1::OpenBrowser(const MenuEntry& entry) {
    if (browserWindow)
        skin::SwitchToWindow(skin::HandOver::MenuToBrowser, *this, browserWindow(), entry.marker);
}

void Form1::Label1_MouseMove() {
    ShowTip(EntryOf("Label1"));
}

void Form1::Label2_MouseMove() {
    ShowTip(EntryOf("Label2"));
}

void Form1::Label3_MouseMove() {
    ShowTip(EntryOf("Label3"));
}

void Form1::Label4_MouseMove() {
    ShowTip(EntryOf("Label4"));
}

void Form1::Label5_MouseMove() {
    ShowTip(EntryOf("Label5"));
}

void Form1::Label1_Click() {
    OpenBrowser(EntryOf("Label1"));
}

void Form1::Label2_Click() {
    OpenBrowser(EntryOf("Label2"));
}

void Form1::Label3_Click() {
    OpenBrowser(EntryOf("Label3"));
}

void Form1::Label4_Click() {
    OpenBrowser(EntryOf("Label4"));
}

void Form1::Label5_Click() {
    OpenBrowser(EntryOf("Label5"));
}

void Form1::Form_MouseMove() {
    ResetHover();
}

void Form1::Image3_Click() {
    MinimizeWindow();
}

void Form1::Image1_Click() {
    ExitProgram();
}

} // namespace shell
