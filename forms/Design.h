#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace forms {

// A window's designed layout: what loading a window builds, control by control.

enum class ControlKind { Label, Image, Shape, Timer, ListBox, TextBox };

using Color = std::uint32_t; // blue-green-red; 0x800000nn is system colour nn

constexpr Color SystemColor(std::uint32_t index) {
    return 0x80000000u | index;
}

struct FontDesign {
    std::string_view name = "MS Sans Serif";
    double size = 8.25;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int charset = 0;
};

enum class Alignment { Left = 0, Right = 1, Center = 2 };

// One control of a layout. Positions and sizes are in twips.
struct ControlDesign {
    ControlKind kind = ControlKind::Label;
    std::string_view name = {};
    int index = -1; // element of the control array `name`, or -1 for a plain control
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    bool visible = true;
    std::string_view caption = {}; // a label's caption or a text box's text
    Color foreColor = SystemColor(18);
    Color backColor = SystemColor(15);
    int backStyle = 1; // 0 transparent, 1 opaque
    Alignment alignment = Alignment::Left;
    FontDesign font = {};
    bool wordWrap = true;
    int borderStyle = 0;   // an image's or box's border: 0 none, 1 fixed single
    Color borderColor = 0; // a shape's outline
    int borderWidth = 1;
    int shape = 0;
    bool stretch = false;
    int appearance = 1;
    std::string_view picture = {};
    std::string_view toolTip = {};
    bool multiLine = false;
    bool locked = false;
    int scrollBars = 0; // 0 none, 1 horizontal, 2 vertical, 3 both
    int interval = 0;
    int mousePointer = 0;            // 0 the window's pointer, 99 the picture `mouseIcon`
    std::string_view mouseIcon = {}; // a cursor picture, or an icon picture used as a pointer
    int mouseIconHotX = -1;          // the cursor's hot spot in pixels; -1: an icon's centre
    int mouseIconHotY = -1;
    int tabIndex = -1;
};

struct FormDesign {
    std::string_view name = {};
    std::string_view caption = {};
    float clientWidth = 0;
    float clientHeight = 0;
    std::string_view picture = {};
    std::string_view icon = {};
    std::vector<ControlDesign> controls = {}; // front to back
};

} // namespace forms
