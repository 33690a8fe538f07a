#include "forms/Form.h"

#include "forms/Errors.h"
#include "forms/Runtime.h"

#include <algorithm>

namespace forms {

Form::Form(Runtime& runtime, const FormDesign& design) : runtime_(runtime), design_(design) {}

Form::~Form() {
    controls_.clear();
    if (hwnd_ != 0)
        platform::DestroyWindowHandle(hwnd_);
}

void Form::Bind(std::vector<Binding> bindings) {
    bindings_ = std::move(bindings);
}

void Form::Load() {
    if (state_ != LoadState::NotLoaded)
        return;
    // Windowed controls lie in front of every windowless one; within each kind the design's
    // order, front to back, holds.
    for (const ControlDesign& design : design_.controls)
        if (design.kind == ControlKind::ListBox || design.kind == ControlKind::TextBox)
            controls_.push_back(std::make_unique<Control>(*this, design));
    for (const ControlDesign& design : design_.controls)
        if (design.kind != ControlKind::ListBox && design.kind != ControlKind::TextBox)
            controls_.push_back(std::make_unique<Control>(*this, design));
    hwnd_ = platform::CreateWindowHandle(this);
    windowState_ = 0;
    mousePointer_ = 0;
    state_ = LoadState::LoadedHidden;
    ++loadCount_;
    runtime_.FormWasLoaded(*this);
    Raise(nullptr, Event::Load);
}

bool Form::Visible() {
    Load();
    return state_ == LoadState::Shown;
}

void Form::SetVisible(bool visible) {
    Load();
    // A window whose Form_Load unloaded it stays unloaded: there is nothing to show.
    if (state_ == LoadState::NotLoaded || visible == (state_ == LoadState::Shown))
        return;
    state_ = visible ? LoadState::Shown : LoadState::LoadedHidden;
    if (Display* display = runtime_.GetDisplay())
        visible ? display->FormShown(*this) : display->FormHidden(*this);
}

void Form::Unload() {
    // An Unload from inside the window's own Form_Unload is the one already under way.
    if (state_ == LoadState::NotLoaded || unloading_)
        return;
    unloading_ = true;
    try {
        Raise(nullptr, Event::Unload);
    } catch (...) {
        unloading_ = false;
        throw;
    }
    unloading_ = false;
    if (state_ == LoadState::NotLoaded)
        return;
    if (Display* display = runtime_.GetDisplay())
        display->FormUnloading(*this);
    controls_.clear();
    platform::DestroyWindowHandle(hwnd_);
    hwnd_ = 0;
    state_ = LoadState::NotLoaded;
}

Control* Form::Find(std::string_view name, int index) const {
    for (const auto& control : controls_)
        if (control->Name() == name && control->Index() == index)
            return control.get();
    return nullptr;
}

Control& Form::Ctl(std::string_view name, int index) {
    Load();
    if (Control* control = Find(name, index))
        return *control;
    bool isArray = std::any_of(controls_.begin(), controls_.end(),
                               [&](const auto& c) { return c->Name() == name && c->Index() >= 0; });
    RaiseError(isArray ? ErrControlArrayElementMissing : ErrPropertyNotFound);
}

std::int16_t Form::LBound(std::string_view arrayName) {
    Load();
    int bound = -1;
    for (const auto& control : controls_)
        if (control->Name() == arrayName && control->Index() >= 0)
            bound = bound < 0 ? control->Index() : std::min(bound, control->Index());
    if (bound < 0)
        RaiseError(ErrPropertyNotFound);
    return static_cast<std::int16_t>(bound);
}

std::int16_t Form::UBound(std::string_view arrayName) {
    Load();
    int bound = -1;
    for (const auto& control : controls_)
        if (control->Name() == arrayName && control->Index() >= 0)
            bound = std::max(bound, control->Index());
    if (bound < 0)
        RaiseError(ErrPropertyNotFound);
    return static_cast<std::int16_t>(bound);
}

platform::HWND Form::hWnd() {
    Load();
    return hwnd_;
}

std::string_view Form::Caption() {
    Load();
    return design_.caption;
}

std::int16_t Form::WindowState() {
    Load();
    return windowState_;
}

void Form::SetWindowState(std::int16_t state) {
    Load();
    if (state < 0 || state > 2)
        RaiseError(ErrInvalidPropertyValue);
    windowState_ = state;
    if (Display* display = runtime_.GetDisplay())
        display->FormChanged(*this, FormProperty::WindowState);
}

std::int16_t Form::MousePointer() {
    Load();
    return mousePointer_;
}

void Form::SetMousePointer(std::int16_t pointer) {
    Load();
    if (pointer < 0 || (pointer > 15 && pointer != 99))
        RaiseError(ErrInvalidPropertyValue);
    mousePointer_ = pointer;
    if (Display* display = runtime_.GetDisplay())
        display->FormChanged(*this, FormProperty::MousePointer);
}

Control* Form::ControlAt(float x, float y) const {
    for (const auto& control : controls_) {
        if (!control->Visible() || !control->TakesPointer())
            continue;
        if (x >= control->Left() && x < control->Left() + control->Width() && y >= control->Top() &&
            y < control->Top() + control->Height())
            return control.get();
    }
    return nullptr;
}

void Form::Raise(const Control* source, Event event) {
    if (!runtime_.Running())
        return;
    std::string_view name = source ? source->Name() : std::string_view();
    for (const Binding& binding : bindings_) {
        if (binding.event == event && binding.control == name) {
            binding.handler();
            return;
        }
    }
}

platform::LRESULT Form::WindowProc(std::uint32_t message, platform::WPARAM wParam, platform::LPARAM) {
    if (message == platform::WM_NCLBUTTONDOWN && wParam == platform::HTCAPTION) {
        if (Display* display = runtime_.GetDisplay())
            display->MoveRequested(*this);
    }
    return 0;
}

} // namespace forms
