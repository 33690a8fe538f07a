// The browser window as designed: every control, front to back, in twips.
#include "browser/Form2.h"

#include "skin/Layout.h"

namespace browser {
namespace {

using forms::Alignment;
using forms::ControlDesign;
using forms::ControlKind;
using forms::FontDesign;

constexpr FontDesign kSans12{.name = "MS Sans Serif", .size = 12};
constexpr FontDesign kSans975{.name = "MS Sans Serif", .size = 9.75};
constexpr FontDesign kSutonny{.name = "SutonnyMJ", .size = 15.75};
constexpr forms::Color kWindowText = forms::SystemColor(8);
constexpr forms::Color kWindowBack = forms::SystemColor(5);
constexpr forms::Color kWhite = 0xFFFFFF;

ControlDesign List(std::string_view name, int tab) {
    return {.kind = ControlKind::ListBox,
            .name = name,
            .left = 360,
            .top = 2280,
            .width = 2175,
            .height = 3330,
            .visible = false,
            .foreColor = kWindowText,
            .backColor = kWindowBack,
            .font = kSans12,
            .toolTip = "Abbreviation",
            .tabIndex = tab};
}

ControlDesign SearchBox(std::string_view name, int tab) {
    return {.kind = ControlKind::TextBox,
            .name = name,
            .left = 360,
            .top = 1320,
            .width = 2175,
            .height = 420,
            .visible = false,
            .caption = "Click to Search",
            .foreColor = HintTextColor,
            .backColor = kWindowBack,
            .font = kSans12,
            .borderStyle = 1,
            .toolTip = "Click here to Searh",
            .tabIndex = tab};
}

ControlDesign ElaborationBox(std::string_view name, float left, float top, int tab) {
    return {.kind = ControlKind::TextBox,
            .name = name,
            .left = left,
            .top = top,
            .width = 3495,
            .height = 615,
            .visible = false,
            .foreColor = kWindowText,
            .backColor = kWindowBack,
            .font = kSans975,
            .borderStyle = 1,
            .toolTip = "Elaboration",
            .multiLine = true,
            .locked = true,
            .scrollBars = 1,
            .tabIndex = tab};
}

ControlDesign AbbreviationBox(std::string_view name, float left, float top, int tab) {
    return {.kind = ControlKind::TextBox,
            .name = name,
            .left = left,
            .top = top,
            .width = 3500,
            .height = 420,
            .visible = false,
            .foreColor = kWindowText,
            .backColor = kWindowBack,
            .alignment = Alignment::Center,
            .font = kSans12,
            .borderStyle = 1,
            .toolTip = "Selected Abbreviation",
            .multiLine = true,
            .locked = true,
            .tabIndex = tab};
}

ControlDesign Marker(std::string_view name, float left, float top) {
    return {.kind = ControlKind::Image,
            .name = name,
            .left = left,
            .top = top,
            .width = 2160,
            .height = 945,
            .visible = false,
            .appearance = 0,
            .picture = ":/browser/marker.png"};
}

ControlDesign Heading(std::string_view name, std::string_view caption, float left, float top, float width,
                      float height, int tab) {
    ControlDesign heading = skin::TransparentLabel(name, caption, left, top, width, height, kSans12, kWhite);
    heading.visible = false;
    heading.tabIndex = tab;
    return heading;
}

ControlDesign PanelFrame(std::string_view name, float left, float top, float width, float height,
                         int lineWidth) {
    return {.kind = ControlKind::Shape,
            .name = name,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .visible = false,
            .borderColor = 255,
            .borderWidth = lineWidth,
            .shape = 0};
}

} // namespace

const forms::FormDesign& Form2Design() {
    static const forms::FormDesign design{
        .name = "Form2",
        .caption = "Lumitra Abbreviation Dictionary V 1.0.0",
        .clientWidth = 10005,
        .clientHeight = 8790,
        .picture = ":/browser/background.png",
        .icon = ":/common/icon.ico",
        .controls =
            {
                SearchBox("Text15", 24),
                AbbreviationBox("Text14", 4440, 3280, 23),
                ElaborationBox("Text13", 4440, 2170, 22),
                List("List7", 21),
                AbbreviationBox("Text12", 4440, 3280, 20),
                SearchBox("Text11", 19),
                ElaborationBox("Text10", 4440, 2180, 18),
                List("List8", 17),
                SearchBox("Text9", 16),
                AbbreviationBox("Text8", 3360, 5280, 15),
                List("List1", 13),
                {.kind = ControlKind::TextBox,
                 .name = "Text7",
                 .left = 3360,
                 .top = 2280,
                 .width = 4455,
                 .height = 2535,
                 .visible = false,
                 .foreColor = kWindowText,
                 .backColor = kWindowBack,
                 .font = kSutonny,
                 .borderStyle = 1,
                 .multiLine = true,
                 .locked = true,
                 .scrollBars = 2,
                 .tabIndex = 11},
                AbbreviationBox("Text6", 4440, 3285, 10),
                ElaborationBox("Text5", 4440, 2185, 9),
                SearchBox("Text4", 8),
                List("List20", 7),
                SearchBox("Text3", 3),
                List("List16", 2),
                AbbreviationBox("Text2", 4440, 3280, 1),
                ElaborationBox("Text1", 4440, 2195, 0),

                {.kind = ControlKind::Image,
                 .name = "Image15",
                 .left = 1680,
                 .top = 2280,
                 .width = 4350,
                 .height = 4350,
                 .appearance = 0,
                 .picture = ":/browser/emblem.png"},
                skin::HoverFrame("Shape15", 345, 6360, 1080, 330, 2),
                skin::ButtonImage("Image14", 360, 6360, 1050, 315, ":/browser/back.png", "Back"),
                Marker("Image13", 5880, 6000),
                Marker("Image12", 5810, 4920),
                Marker("Image11", 5880, 3600),
                Marker("Image10", 5880, 2400),
                Marker("Image9", 5880, 1200),
                {.kind = ControlKind::Label,
                 .name = "Label7",
                 .left = 360,
                 .top = 5850,
                 .width = 7455,
                 .height = 495,
                 .foreColor = 0x0080FF,
                 .backStyle = 0,
                 .font = kSans12,
                 .tabIndex = 25},
                PanelFrame("Shape14", 3340, 5260, 3525, 480, 2),
                Heading("Label5", "Selected Abbreviation is :", 3360, 4920, 3255, 270, 14),
                PanelFrame("Shape13", 3340, 2265, 4495, 2590, 2),
                Heading("Label4", "Elaboration", 3360, 1920, 3255, 270, 12),
                skin::HoverFrame("Shape12", 8280, 7110, 975, 930, 3),
                skin::ButtonImage("Image8", 8310, 7130, 930, 885, ":/browser/help.png", "Help"),
                skin::HoverFrame("Shape11", 8280, 5990, 975, 930, 3),
                skin::ButtonImage("Image7", 8310, 6000, 930, 885, ":/browser/international.png",
                                  "Abbreviation of International Dictionary"),
                skin::HoverFrame("Shape10", 8280, 4790, 975, 930, 3),
                skin::ButtonImage("Image6", 8310, 4800, 930, 885, ":/browser/bangladesh.png",
                                  "Abbreviation of Bangladesh Dictionary"),
                skin::HoverFrame("Shape9", 8260, 3575, 975, 930, 3),
                skin::ButtonImage("Image5", 8290, 3600, 930, 885, ":/browser/hardware.png",
                                  "Complete Hardware Dictionary"),
                skin::HoverFrame("Shape8", 8260, 2370, 975, 930, 3),
                skin::ButtonImage("Image4", 8280, 2400, 930, 885, ":/browser/computer.png",
                                  "Computer Abbreviation Dictionary"),
                skin::HoverFrame("Shape7", 8280, 1170, 975, 935, 3),
                skin::ButtonImage("Image2", 8310, 1200, 930, 885, ":/browser/oxford.png",
                                  "Oxford Abbreviation Dictionary"),
                skin::TitleBarFrame("Shape6", 8760),
                skin::TitleBarButton("Image3", 8760, ":/browser/minimize.png", "Minimized"),
                skin::TitleBarFrame("Shape5", 9240),
                skin::TitleBarButton("Image1", 9240, ":/browser/exit.png", "Exit Appllication"),
                Heading("Label3", "Selected Abbreviation is :", 4440, 2880, 3255, 270, 6),
                Heading("Label2", "Elaboration", 4440, 1755, 3255, 265, 5),
                Heading("Label1", "Abbreviation", 360, 1820, 2175, 375, 4),
                PanelFrame("Shape4", 340, 1320, 2205, 445, 2),
                PanelFrame("Shape3", 340, 2270, 2205, 3385, 2),
                PanelFrame("Shape2", 4420, 3270, 3520, 475, 2),
                PanelFrame("Shape1", 4410, 2160, 3540, 680, 1),
                skin::OutlineShape(9770, 8570),
            },
    };
    return design;
}

} // namespace browser
