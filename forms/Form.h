#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "forms/Control.h"
#include "forms/Design.h"
#include "platform/core/User32.h"

namespace forms {

class Runtime;

enum class LoadState { NotLoaded, LoadedHidden, Shown };

// One window class's only instance. Touching any of its properties or controls while it is not
// loaded loads it first, in its designed state, and runs its Form_Load.
class Form : public platform::WindowProcedure {
public:
    Form(Runtime& runtime, const FormDesign& design);
    ~Form() override;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    Runtime& App() const { return runtime_; }
    const FormDesign& Design() const { return design_; }
    std::string_view Name() const { return design_.name; }
    LoadState State() const { return state_; }
    bool IsLoaded() const { return state_ != LoadState::NotLoaded; }

    void Load();
    bool Visible();
    // True loads the window if needed, then shows it.
    void SetVisible(bool visible);
    // Runs Form_Unload, then destroys the window and its controls; the instance stays.
    void Unload();

    Control& Ctl(std::string_view name, int index = -1);
    // Bounds of a control array.
    virtual std::int16_t LBound(std::string_view arrayName);
    virtual std::int16_t UBound(std::string_view arrayName);

    platform::HWND hWnd();
    std::string_view Caption();
    std::int16_t WindowState();
    void SetWindowState(std::int16_t state);
    std::int16_t MousePointer();
    void SetMousePointer(std::int16_t pointer);

    // The loaded controls, front to back: the windowed ones first, then the windowless ones.
    const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }
    // The control that takes the pointer at a point in twips, or nullptr for the background.
    Control* ControlAt(float x, float y) const;
    // How many times the window has been loaded; tells a control of this load from an earlier one.
    int LoadCount() const { return loadCount_; }

    // Runs the handler bound to the event of a control, or of the window itself for nullptr.
    void Raise(const Control* source, Event event);

    platform::LRESULT WindowProc(std::uint32_t message, platform::WPARAM wParam,
                                 platform::LPARAM lParam) override;

protected:
    struct Binding {
        std::string_view control; // empty: the window itself
        Event event;
        std::function<void()> handler;
    };
    // Ties the window's handlers to its controls' events, once, when the instance is made.
    void Bind(std::vector<Binding> bindings);

private:
    Control* Find(std::string_view name, int index) const;

    Runtime& runtime_;
    const FormDesign& design_;
    LoadState state_ = LoadState::NotLoaded;
    std::vector<std::unique_ptr<Control>> controls_;
    std::vector<Binding> bindings_;
    platform::HWND hwnd_ = 0;
    std::int16_t windowState_ = 0;
    std::int16_t mousePointer_ = 0;
    int loadCount_ = 0;
    bool unloading_ = false;
};

} // namespace forms
