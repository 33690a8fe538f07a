#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "forms/Form.h"
#include "platform/core/Regions.h"

namespace skin {

inline constexpr forms::Color FrameRestColor = 192;
inline constexpr forms::Color FrameHoverColor = 255;

// Which looks a picture button has, and on which event it acts.
enum class ButtonLooks { All, HighlightOnly };
enum class ActsOn { Click, MouseDown };

// One picture button of a window, framed by its hover frame.
struct PictureButton {
    std::string_view button;
    std::string_view frame;
    ButtonLooks looks;
    ActsOn actsOn;
    std::function<void()> action;
};

// A window without a standard frame: cut to its rounded outline, moved by dragging its background,
// with picture buttons that light their frames under the pointer.
class SkinnedForm : public forms::Form {
public:
    using forms::Form::Form;

    // The outline region made by the last load; the window owns it once applied.
    platform::HRGN BorderRegion = 0;

protected:
    platform::HRGN MakeBorderRegion(float XScale, float YScale, std::int16_t XOffset, std::int16_t YOffset);

    void ApplyBorderRegion();
    void ReleaseBorderRegion();
    void DragWindow();
    void MinimizeWindow();
    void ExitProgram();

    void ShowPressed(std::string_view button);
    void ShowReleased(std::string_view button);
    void HighlightFrame(std::string_view frame);
    // Returns the frames to rest, in the order given.
    void ResetFrames(std::initializer_list<std::string_view> frames);

    // The bindings every window has: load, unload and the background's press. The background's
    // move handler is the window's own ResetHover, passed here.
    std::vector<Binding> FrameBindings(std::function<void()> resetHover);
    // The press, move, release and action bindings of picture buttons.
    std::vector<Binding> ButtonBindings(const std::vector<PictureButton>& buttons);
};

} // namespace skin
