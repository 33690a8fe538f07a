// The start menu as designed: every control, front to back, in twips.
#include "shell/Form1.h"

#include "skin/Layout.h"

namespace shell {
namespace {

using forms::Alignment;
using forms::ControlDesign;
using forms::ControlKind;
using forms::FontDesign;

constexpr FontDesign kSans975{.name = "MS Sans Serif", .size = 9.75};
constexpr forms::Color kWhite = 0xFFFFFF;
constexpr forms::Color kLightOrange = 0x0080C0FF;

ControlDesign Entry(std::string_view name, std::string_view caption, float left, float top, float width,
                    int tab) {
    ControlDesign entry = skin::TransparentLabel(name, caption, left, top, width, 375, kSans975, kWhite);
    entry.alignment = Alignment::Center;
    entry.tabIndex = tab;
    return entry;
}

} // namespace

const forms::FormDesign& Form1Design() {
    static const forms::FormDesign design{
        .name = "Form1",
        .caption = "Lumitra Abbreviation Dictionary",
        .clientWidth = 7815,
        .clientHeight = 6480,
        .picture = ":/menu/background.png",
        .icon = ":/common/icon.ico",
        .controls =
            {
                skin::TitleBarFrame("Shape2", 6510),
                skin::TitleBarButton("Image3", 6510, ":/menu/minimize.png", "Minimized"),
                skin::TitleBarFrame("Shape1", 7000),
                skin::TitleBarButton("Image1", 7010, ":/menu/exit.png", "Exit Appllication"),
                {.kind = ControlKind::Label,
                 .name = "Label6",
                 .left = 5400,
                 .top = 1880,
                 .width = 1575,
                 .height = 2415,
                 .visible = false,
                 .foreColor = kLightOrange,
                 .backStyle = 0,
                 .alignment = Alignment::Center,
                 .font = kSans975,
                 .toolTip = "Lumitra Tips Panel",
                 .tabIndex = 5},
                Entry("Label5", "Computer Abbreviation Dictionary", 840, 2070, 3735, 4),
                Entry("Label4", "Complete Hardware Dictionary", 960, 2760, 3495, 3),
                Entry("Label3", "Abbreviation of Bangladesh", 1005, 3490, 3495, 2),
                Entry("Label2", "Abbreviation of International", 960, 4170, 3495, 1),
                Entry("Label1", "Oxford Abbreviation Dictionary", 960, 1370, 3495, 0),
                skin::OutlineShape(7520, 6270),
            },
    };
    return design;
}

} // namespace shell
