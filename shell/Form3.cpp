#include "shell/Form3.h"

#include "platform/core/Shell32.h"
#include "platform/core/Windows1252.h"
#include "skin/HandOver.h"

namespace shell {
namespace {

using forms::Event;

constexpr std::string_view WebSite = "https://www.lumitrasoftware.com/";
constexpr std::string_view SupportCentre = "https://www.lumitrasoftware.com/support/";
constexpr std::string_view SocialNetworkPage = "https://www.facebook.com/lumitrasoftware";
constexpr std::string_view SocialNetworkGroup = "https://www.facebook.com/groups/lumitrasoftware";

constexpr Link Links[] = {
    {"Label14", WebSite, HoverWeight::BoldAfterColour},
    {"Label15", SocialNetworkPage, HoverWeight::BoldAfterColour},
    {"Label16", SocialNetworkGroup, HoverWeight::ColourOnly},
    {"Label17", SupportCentre, HoverWeight::ColourOnly},
    {"Label21", SupportCentre, HoverWeight::BoldBeforeColour},
};

constexpr std::int16_t DefaultPointer = 0;
constexpr std::int16_t BusyPointer = 11;

// A link back at rest: white, then regular.
void Rest(forms::Control& link) {
    link.SetForeColor(LinkRestColor);
    link.SetFontBold(false);
}

} // namespace

Form3::Form3(forms::Runtime& runtime) : SkinnedForm(runtime, Form3Design()) {
    std::vector<Binding> bindings = FrameBindings([this] { ResetHover(); });
    const std::vector<skin::PictureButton> buttons = {
        {"Image9", "Shape6", skin::ButtonLooks::All, skin::ActsOn::Click, [this] { MinimizeWindow(); }},
        {"Image8", "Shape5", skin::ButtonLooks::All, skin::ActsOn::Click, [this] { Image8_Click(); }},
        {"Image2", "Shape1", skin::ButtonLooks::All, skin::ActsOn::Click, [this] { Image2_Click(); }},
        {"Image1", "Shape2", skin::ButtonLooks::All, skin::ActsOn::Click, [this] { Image1_Click(); }},
        {"Image3", "Shape3", skin::ButtonLooks::All, skin::ActsOn::Click, [this] { Image3_Click(); }},
        {"Image4", "Shape4", skin::ButtonLooks::All, skin::ActsOn::Click, [this] { Image4_Click(); }},
    };
    for (Binding& b : ButtonBindings(buttons))
        bindings.push_back(std::move(b));
    bindings.push_back({"Image5", Event::MouseMove, [this] { Image5_MouseMove(); }});
    bindings.push_back({"Image7", Event::MouseMove, [this] { Image7_MouseMove(); }});
    for (const Link& link : Links) {
        bindings.push_back({link.label, Event::Click, [this, &link] { FollowLink(link); }});
        bindings.push_back({link.label, Event::MouseMove, [this, &link] { HighlightLink(link); }});
    }
    Bind(std::move(bindings));
}

void Form3::ShowPage(std::initializer_list<std::string_view> shown,
                     std::initializer_list<std::string_view> hidden) {
    for (std::string_view item : shown)
        Ctl(item).SetVisible(true);
    for (std::string_view item : hidden)
        Ctl(item).SetVisible(false);
}

// The page pictures lie in front of the title and About labels, so a page that leaves them shown
// still covers them; only About hides the title page.
void Form3::Image1_Click() {
    ShowPage(
        {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label8", "Label9", "Label10"},
        {"Label11", "Label12", "Label13", "Label14", "Label15", "Label16", "Label17", "Label18", "Label19",
         "Label21", "Image5", "Image6", "Image7"});
}

void Form3::Image2_Click() {
    ShowPage({"Image6", "Label18", "Label19"},
             {"Label15", "Label16", "Label17", "Label21", "Image5", "Image7"});
}

void Form3::Image3_Click() {
    ShowPage({"Image5", "Label14", "Label15", "Label16", "Label17"},
             {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label8", "Label9",
              "Label10", "Label18", "Label19", "Label21", "Image6", "Image7"});
}

// The Help page picture covers whatever the other pages left shown, except a band along its top.
void Form3::Image4_Click() {
    ShowPage({"Image7", "Label21"}, {});
}

void Form3::Image8_Click() {
    if (browserWindow)
        skin::SwitchToWindow(skin::HandOver::HelpToBrowser, *this, browserWindow());
}

void Form3::ResetHover() {
    ResetFrames({"Shape5", "Shape6"});
    Rest(Ctl("Label21"));
    Rest(Ctl("Label15"));
    Ctl("Label16").SetFontBold(false);
    Ctl("Label16").SetForeColor(LinkRestColor);
    Rest(Ctl("Label17"));
    Rest(Ctl("Label14"));
    ResetFrames({"Shape1", "Shape2", "Shape3", "Shape4"});
}

// The links on the Download page picture: a pointer that leaves one onto the picture undoes its
// hover look, and only the weight the hover set returns to regular.
void Form3::Image5_MouseMove() {
    Rest(Ctl("Label15"));
    Ctl("Label16").SetForeColor(LinkRestColor);
    Ctl("Label17").SetForeColor(LinkRestColor);
    Rest(Ctl("Label14"));
}

void Form3::Image7_MouseMove() {
    Ctl("Label21").SetFontBold(false);
    Ctl("Label21").SetForeColor(LinkRestColor);
}

void Form3::HighlightLink(const Link& link) {
    forms::Control& label = Ctl(link.label);
    if (link.hover == HoverWeight::BoldBeforeColour)
        label.SetFontBold(true);
    label.SetForeColor(LinkHoverColor);
    if (link.hover == HoverWeight::BoldAfterColour)
        label.SetFontBold(true);
}

// The shell call runs to its end inside the click, under the busy pointer; whatever it did, the
// pointer returns to the default.
void Form3::FollowLink(const Link& link) {
    SetMousePointer(BusyPointer);
    OpenLink(*this, std::string(link.address));
    SetMousePointer(DefaultPointer);
}

void Form3::OpenLink(forms::Form& window, std::string address) {
    const platform::HWND handle = window.hWnd();
    const std::string operation = platform::Utf8ToWindows1252("open");
    const std::string file = platform::Utf8ToWindows1252(address);
    const std::string none;
    platform::ShellExecuteA(handle, operation.c_str(), file.c_str(), none.c_str(), none.c_str(),
                            platform::SW_SHOW);
}

} // namespace shell
