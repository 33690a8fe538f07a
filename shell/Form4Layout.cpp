// The splash window as designed: every control, front to back, in twips; the timers last.
#include "shell/Form4.h"

#include "skin/Layout.h"

namespace shell {
namespace {

using forms::ControlDesign;
using forms::ControlKind;

// The progress pictures are drawn at their own size, 230 x 30 pixels, which is their controls' size.
ControlDesign ProgressPicture(std::string_view name, float left, float top, bool visible,
                              std::string_view picture) {
    return {.kind = ControlKind::Image,
            .name = name,
            .left = left,
            .top = top,
            .width = 3450,
            .height = 450,
            .visible = visible,
            .picture = picture};
}

ControlDesign Timer(std::string_view name, int interval) {
    return {.kind = ControlKind::Timer, .name = name, .interval = interval};
}

} // namespace

const forms::FormDesign& Form4Design() {
    static const forms::FormDesign design{
        .name = "Form4",
        .caption = "Lumitra Abbreviation Dictionary",
        .clientWidth = 4860,
        .clientHeight = 4290,
        .picture = ":/splash/background.png",
        .icon = ":/common/icon.ico",
        .controls =
            {
                ProgressPicture("Image3", 630, 2550, false, ":/splash/progress-full.png"),
                ProgressPicture("Image2", 630, 2550, false, ":/splash/progress-two-thirds.png"),
                {.kind = ControlKind::Shape,
                 .name = "Shape1",
                 .left = 600,
                 .top = 2520,
                 .width = 3485,
                 .height = 495,
                 .borderColor = 192,
                 .borderWidth = 3,
                 .shape = 4},
                ProgressPicture("Image1", 610, 2520, true, ":/splash/progress-short.png"),
                skin::OutlineShape(4635, 4050),
                Timer("Timer1", 100),
                Timer("Timer2", 2000),
                Timer("Timer3", 1500),
                Timer("Timer4", 3600),
            },
    };
    return design;
}

} // namespace shell
