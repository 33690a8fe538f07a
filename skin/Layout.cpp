#include "skin/Layout.h"

#include "skin/SkinnedForm.h"

namespace skin {

using forms::ControlDesign;
using forms::ControlKind;

namespace {

// The shape a frame and an outline are drawn as: a rounded rectangle.
constexpr int kRoundedRectangle = 4;

} // namespace

ControlDesign ButtonImage(std::string_view name, float left, float top, float width, float height,
                          std::string_view picture, std::string_view toolTip) {
    return {.kind = ControlKind::Image,
            .name = name,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .stretch = true,
            .appearance = 0,
            .picture = picture,
            .toolTip = toolTip};
}

ControlDesign HoverFrame(std::string_view name, float left, float top, float width, float height,
                         int lineWidth) {
    return {.kind = ControlKind::Shape,
            .name = name,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .borderColor = FrameRestColor,
            .borderWidth = lineWidth,
            .shape = kRoundedRectangle};
}

ControlDesign TitleBarButton(std::string_view name, float left, std::string_view picture,
                             std::string_view toolTip) {
    return ButtonImage(name, left, 120, 330, 240, picture, toolTip);
}

ControlDesign TitleBarFrame(std::string_view name, float left) {
    return HoverFrame(name, left, 120, 330, 255);
}

ControlDesign TransparentLabel(std::string_view name, std::string_view caption, float left, float top,
                               float width, float height, forms::FontDesign font, forms::Color color) {
    return {.kind = ControlKind::Label,
            .name = name,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .caption = caption,
            .foreColor = color,
            .backStyle = 0,
            .font = font};
}

ControlDesign OutlineShape(float width, float height) {
    return {.kind = ControlKind::Shape,
            .name = "shpborder",
            .index = 0,
            .width = width,
            .height = height,
            .visible = false,
            .shape = kRoundedRectangle};
}

} // namespace skin
