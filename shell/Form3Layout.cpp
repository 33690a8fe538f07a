// The help window as designed: every control, front to back, in twips.
#include "shell/Form3.h"

#include "skin/Layout.h"

namespace shell {
namespace {

using forms::Alignment;
using forms::Color;
using forms::ControlDesign;
using forms::ControlKind;
using forms::FontDesign;

constexpr FontDesign kSans975{.name = "MS Sans Serif", .size = 9.75};
constexpr FontDesign kSans12{.name = "MS Sans Serif", .size = 12};
constexpr FontDesign kSans12Bold{.name = "MS Sans Serif", .size = 12, .bold = true};
constexpr FontDesign kSans12Underlined{.name = "MS Sans Serif", .size = 12, .underline = true};
constexpr FontDesign kSans135{.name = "MS Sans Serif", .size = 13.5};
constexpr FontDesign kSans135Underlined{.name = "MS Sans Serif", .size = 13.5, .underline = true};
constexpr FontDesign kTimes12{.name = "Times New Roman", .size = 12};
constexpr FontDesign kTimes12Bold{.name = "Times New Roman", .size = 12, .bold = true};
constexpr FontDesign kCorsiva24{.name = "Monotype Corsiva", .size = 24, .italic = true};

constexpr Color kHighlightText = forms::SystemColor(14);
constexpr Color kOrange = 0x0080FF;
constexpr Color kLightGrey = 0xE0E0E0;
constexpr Color kLightRed = 0x8080FF;
constexpr Color kWhite = 0xFFFFFF;

constexpr std::string_view kSupportMail = "help@lumitrasoftware.com";

// A pointing hand whose fingertip is the hot spot, and an icon (32 x 32 and 16 x 16, held at its
// centre) of a hand holding a pointer stick.
constexpr std::string_view kHandPointer = ":/help/hand.png";
constexpr std::string_view kStickPointer = ":/help/stick.ico";

ControlDesign Text(std::string_view name, std::string_view caption, float left, float top, float width,
                   float height, FontDesign font, Color color, Alignment alignment, bool visible = false) {
    ControlDesign text = skin::TransparentLabel(name, caption, left, top, width, height, font, color);
    text.visible = visible;
    text.alignment = alignment;
    return text;
}

ControlDesign ClickHere(std::string_view name, float left, float top, float width) {
    ControlDesign link =
        Text(name, "Click here", left, top, width, 315, kSans12Bold, kHighlightText, Alignment::Left);
    link.mousePointer = 99;
    link.mouseIcon = kStickPointer;
    return link;
}

ControlDesign PagePicture(std::string_view name, float top, std::string_view picture) {
    return {.kind = ControlKind::Image,
            .name = name,
            .left = 720,
            .top = top,
            .width = 6675,
            .height = 4395,
            .visible = false,
            .picture = picture};
}

} // namespace

const forms::FormDesign& Form3Design() {
    static const forms::FormDesign design{
        .name = "Form3",
        .caption = "Help",
        .clientWidth = 8460,
        .clientHeight = 6585,
        .picture = ":/help/background.png",
        .icon = ":/help/icon.ico",
        .controls =
            {
                skin::TitleBarFrame("Shape6", 6960),
                skin::TitleBarButton("Image9", 6960, ":/help/minimize.png", "Minimized"),
                skin::TitleBarFrame("Shape5", 7440),
                skin::TitleBarButton("Image8", 7440, ":/help/back.png", "Back to Dictionary"),
                Text("Label21", "Lumitra Support Center", 3240, 2880, 3135, 375, kTimes12, kHighlightText,
                     Alignment::Center),
                PagePicture("Image7", 840, ":/help/helppage.png"),
                Text("Label19", kSupportMail, 1920, 3620, 3135, 375, kTimes12Bold, kHighlightText,
                     Alignment::Center),
                Text("Label18", kSupportMail, 1920, 2640, 3135, 375, kTimes12Bold, kHighlightText,
                     Alignment::Center),
                PagePicture("Image6", 720, ":/help/termspage.png"),
                ClickHere("Label17", 5575, 4010, 1335),
                ClickHere("Label16", 5960, 4455, 1335),
                ClickHere("Label15", 3960, 3570, 1575),
                [] {
                    ControlDesign link = Text("Label14", "Lumitra Software", 1560, 1560, 4695, 375, kSans135,
                                              kHighlightText, Alignment::Center);
                    link.mousePointer = 99;
                    link.mouseIcon = kHandPointer;
                    link.mouseIconHotX = 12;
                    link.mouseIconHotY = 1;
                    return link;
                }(),
                PagePicture("Image5", 720, ":/help/downloadpage.png"),
                Text("Label13", "Lumitra International Edition Ver.: 1.0.0", 2400, 2760, 3615, 375, kSans975,
                     kOrange, Alignment::Center, true),
                Text("Label12", "Member of Lumtra Encyclopedia", 2760, 2400, 3375, 255, kSans975, kLightGrey,
                     Alignment::Left, true),
                Text("Label11", "Lumtra Abbreviation Dictionary", 1200, 1800, 5895, 615, kCorsiva24,
                     kHighlightText, Alignment::Center, true),
                Text("Label10", "Author of \"Computer Words\"", 2640, 4440, 2655, 255, kSans975, kLightRed,
                     Alignment::Center),
                Text("Label9", "Prof. Abdul Karim", 2640, 4080, 2655, 255, kSans12, kHighlightText,
                     Alignment::Center),
                Text("Label8", "Senior Programmer, Lumitra Software, Dhaka", 1800, 3720, 4575, 255, kSans975,
                     kLightRed, Alignment::Left),
                Text("Label7", "Lecturer in English, Dhaka City College", 2160, 3000, 3615, 255, kSans975,
                     kLightRed, Alignment::Center),
                Text("Label6", "Kamrul Islam Chowdhury", 2400, 3360, 3255, 375, kSans12, kHighlightText,
                     Alignment::Center),
                Text("Label5", "Farhana Rahman", 2880, 2640, 2295, 375, kSans12, kHighlightText,
                     Alignment::Center),
                Text("Label4", "Gratitude", 2640, 2280, 2535, 375, kSans12Underlined, kOrange,
                     Alignment::Center),
                Text("Label3", "Tanvir Ahmed Khan", 2400, 1800, 3135, 375, kSans12, kWhite,
                     Alignment::Center),
                Text("Label2", "About ", 2760, 840, 2295, 375, kSans135Underlined, kOrange,
                     Alignment::Center),
                Text("Label1", "Developed ,Design and Programmer", 1920, 1320, 4215, 375, kSans12Underlined,
                     kOrange, Alignment::Center),
                skin::HoverFrame("Shape4", 5985, 5400, 1710, 390),
                skin::HoverFrame("Shape3", 4060, 5400, 1710, 390),
                skin::HoverFrame("Shape2", 2150, 5400, 1710, 390),
                skin::HoverFrame("Shape1", 220, 5400, 1710, 385),
                skin::ButtonImage("Image4", 6000, 5400, 1665, 390, ":/help/helpbutton.png"),
                skin::ButtonImage("Image3", 4080, 5400, 1665, 390, ":/help/download.png"),
                skin::ButtonImage("Image2", 240, 5400, 1665, 390, ":/help/terms.png"),
                skin::ButtonImage("Image1", 2160, 5400, 1665, 390, ":/help/about.png"),
                skin::OutlineShape(7950, 6375),
            },
    };
    return design;
}

} // namespace shell
