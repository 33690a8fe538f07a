#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <typeindex>
#include <unordered_map>
#include <vector>

#include "forms/Control.h"
#include "forms/Errors.h"
#include "forms/Form.h"

namespace forms {

enum class FormProperty { WindowState, MousePointer };

// What shows the windows: told of every change the program makes, so that it can keep the screen
// in step. The headless runtime has none.
class Display {
public:
    virtual ~Display() = default;
    virtual void FormLoaded(Form&) {}
    virtual void FormShown(Form&) {}
    virtual void FormHidden(Form&) {}
    // Called before the window's controls are destroyed.
    virtual void FormUnloading(Form&) {}
    virtual void FormChanged(Form&, FormProperty) {}
    virtual void ControlChanged(Control&, Property) {}
    // The window manager is asked to move the window with the pointer.
    virtual void MoveRequested(Form&) {}
    virtual void ProgramEnded() {}
};

// The forms runtime: the window instances, the dispatch of events, the clock of the timers and the
// end of the program.
class Runtime {
public:
    Runtime();
    ~Runtime();
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;

    // The one instance of a window class, made on first reference.
    template <class F> F& Instance() {
        auto& slot = forms_[std::type_index(typeid(F))];
        if (!slot) {
            slot = std::make_unique<F>(*this);
            order_.push_back(slot.get());
        }
        return static_cast<F&>(*slot);
    }
    std::vector<Form*> Instances() const { return order_; }
    std::vector<Form*> LoadedForms() const;

    void SetDisplay(Display* display) { display_ = display; }
    Display* GetDisplay() const { return display_; }

    float TwipsPerPixelX() const { return twipsPerPixelX_; }
    float TwipsPerPixelY() const { return twipsPerPixelY_; }
    void SetTwipsPerPixel(float x, float y);

    // Starts the program by showing its startup window.
    void Start(Form& startup);
    // Stops the program at once: no further handler runs, no Form_Unload among them.
    [[noreturn]] void End();
    bool Running() const { return running_; }
    int ExitCode() const { return exitCode_; }
    const std::optional<RuntimeError>& Error() const { return error_; }

    // Runs one event from outside the program (the user, a timer) to its end. A run-time error or
    // End stops the program; so does the return of the last handler with no window loaded.
    void Dispatch(const std::function<void()>& action);

    // The timers' clock, in milliseconds: the display advances it in real time, tests by hand.
    std::int64_t Now() const { return now_; }
    void Advance(std::int64_t milliseconds);

    // The user's pointer, at a point of a window's client area in twips. A press captures the
    // pointer for its target until the release; a release over the pressed label, image or text
    // box clicks it.
    void MouseDown(Form& form, float x, float y);
    // A press that the desktop counts as the second of a double-click. On the target of the press
    // before it, it raises DblClick in place of MouseDown, and its release raises MouseUp but no
    // Click; anywhere else (another control, another window, a window loaded since) it is a plain
    // press.
    void MouseDoubleClick(Form& form, float x, float y);
    void MouseMove(Form& form, float x, float y);
    void MouseUp(Form& form, float x, float y);
    // The pointer pressed and released on the middle of a control.
    void Click(Control& control);
    // Two such clicks in the desktop's double-click time.
    void DoubleClick(Control& control);
    // The pointer moved over the middle of a control.
    void Hover(Control& control);
    // The user picks an item of a list (-1: none).
    void SelectItem(Control& list, int index);
    // The user's editing leaves this text in a text box, with the caret at this place (-1: the end).
    void TypeText(Control& box, std::string text, std::int32_t caret = -1);
    // The user moves a text box's caret, or the start of its selection, to this place.
    void MoveCaret(Control& box, std::int32_t place);

private:
    friend class Form;
    friend class Control;
    void FormWasLoaded(Form& form);

    struct Target {
        Form* form = nullptr;
        int load = 0;
        std::string_view name;
        int index = -1;
        bool background = true;
        bool operator==(const Target&) const = default;
    };
    Target TargetAt(Form& form, float x, float y) const;
    // Whether the target pressed last still holds the pointer: its window has the capture.
    bool Held(Form& form) const;
    Control* Resolve(const Target& target) const;
    void Send(const Target& target, Event event);
    void Press(Form& form, float x, float y, bool secondOfDouble);

    std::unordered_map<std::type_index, std::unique_ptr<Form>> forms_;
    std::vector<Form*> order_;
    Display* display_ = nullptr;
    float twipsPerPixelX_ = 15;
    float twipsPerPixelY_ = 15;
    bool running_ = true;
    int exitCode_ = 0;
    std::optional<RuntimeError> error_;
    int depth_ = 0;
    std::int64_t now_ = 0;
    std::optional<Target> captured_;  // the target of the last press, while its window has the capture
    bool doubleClicked_ = false;      // that press was the second of a double-click
    std::optional<Target> lastPress_; // the target of the last press that can begin a double-click
};

struct EndRequest {};

} // namespace forms
