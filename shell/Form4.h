#pragma once

#include <functional>

#include "skin/SkinnedForm.h"

namespace shell {

const forms::FormDesign& Form4Design();

// The splash window: the program's first window, a progress bar moved on by four timers, and after
// 3.6 seconds the start menu in its place. It has no buttons; it can only be dragged.
class Form4 : public skin::SkinnedForm {
public:
    explicit Form4(forms::Runtime& runtime);

    // The window that the fourth timer hands over to; until it is given, the splash window stays.
    std::function<forms::Form&()> startMenu;

private:
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer4_Timer();
};

} // namespace shell
