#pragma once

#include <string_view>

#include "forms/Design.h"

// The controls every skinned window's layout is built from, in twips.
namespace skin {

// A picture button: a flat image control that stretches its picture to its size.
forms::ControlDesign ButtonImage(std::string_view name, float left, float top, float width, float height,
                                 std::string_view picture, std::string_view toolTip = {});

// The frame around a picture button: a rounded rectangle in the frames' rest colour, lit while the
// pointer is over its button.
forms::ControlDesign HoverFrame(std::string_view name, float left, float top, float width, float height,
                                int lineWidth = 2);

// The title-bar buttons stand 120 twips from the top, 330 x 240, in frames 15 twips taller.
forms::ControlDesign TitleBarButton(std::string_view name, float left, std::string_view picture,
                                    std::string_view toolTip);
forms::ControlDesign TitleBarFrame(std::string_view name, float left);

// A label that lets the window's background show around its caption.
forms::ControlDesign TransparentLabel(std::string_view name, std::string_view caption, float left, float top,
                                      float width, float height, forms::FontDesign font, forms::Color color);

// The hidden rounded rectangle that the window's outline is cut along: element 0 of "shpborder", at
// the window's top-left corner.
forms::ControlDesign OutlineShape(float width, float height);

} // namespace skin
