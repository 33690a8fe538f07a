#include "shell/Form4.h"

#include "skin/HandOver.h"

namespace shell {

using forms::Event;

Form4::Form4(forms::Runtime& runtime) : SkinnedForm(runtime, Form4Design()) {
    // Load, unload and the background's press are the skinned frame's; with no picture buttons
    // there is no hover to reset.
    std::vector<Binding> bindings = FrameBindings({});
    bindings.push_back({"Timer1", Event::Timer, [this] { Timer1_Timer(); }});
    bindings.push_back({"Timer2", Event::Timer, [this] { Timer2_Timer(); }});
    bindings.push_back({"Timer3", Event::Timer, [this] { Timer3_Timer(); }});
    bindings.push_back({"Timer4", Event::Timer, [this] { Timer4_Timer(); }});
    Bind(std::move(bindings));
}

void Form4::Timer1_Timer() {
    Ctl("Image1").SetVisible(true);
}

void Form4::Timer2_Timer() {
    Ctl("Image2").SetVisible(true);
}

void Form4::Timer3_Timer() {
    Ctl("Image3").SetVisible(true);
}

void Form4::Timer4_Timer() {
    if (startMenu)
        skin::SwitchToWindow(skin::HandOver::SplashToMenu, *this, startMenu());
}

} // namespace shell
