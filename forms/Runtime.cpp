#include "forms/Runtime.h"

#include <algorithm>
#include <limits>

namespace forms {

Runtime::Runtime() = default;

Runtime::~Runtime() {
    // Windows go before the runtime they belong to; none of their unload handlers runs.
    order_.clear();
    forms_.clear();
}

std::vector<Form*> Runtime::LoadedForms() const {
    std::vector<Form*> loaded;
    for (Form* form : order_)
        if (form->IsLoaded())
            loaded.push_back(form);
    return loaded;
}

void Runtime::SetTwipsPerPixel(float x, float y) {
    twipsPerPixelX_ = x;
    twipsPerPixelY_ = y;
}

void Runtime::Start(Form& startup) {
    Dispatch([&] { startup.SetVisible(true); });
}

void Runtime::End() {
    throw EndRequest{};
}

void Runtime::Dispatch(const std::function<void()>& action) {
    if (!running_)
        return;
    ++depth_;
    try {
        action();
    } catch (const EndRequest&) {
        running_ = false;
    } catch (const RuntimeError& error) {
        running_ = false;
        error_ = error;
        exitCode_ = 1;
    }
    --depth_;
    // Dispatched from inside another handler: the end stops that handler too.
    if (!running_ && depth_ > 0)
        throw EndRequest{};
    if (depth_ == 0 && running_ && LoadedForms().empty())
        running_ = false;
    if (!running_ && depth_ == 0 && display_)
        display_->ProgramEnded();
}

void Runtime::FormWasLoaded(Form& form) {
    for (const auto& control : form.Controls())
        if (control->Kind() == ControlKind::Timer)
            control->nextTick = now_ + control->Interval();
    if (display_)
        display_->FormLoaded(form);
}

void Runtime::Advance(std::int64_t milliseconds) {
    const std::int64_t until = now_ + std::max<std::int64_t>(milliseconds, 0);
    while (running_) {
        // The next timer due by then; among timers due together, the earlier window and control.
        Form* dueForm = nullptr;
        const Control* due = nullptr;
        std::int64_t when = std::numeric_limits<std::int64_t>::max();
        for (Form* form : LoadedForms()) {
            for (const auto& control : form->Controls()) {
                if (control->Kind() != ControlKind::Timer || control->Interval() <= 0)
                    continue;
                if (control->nextTick <= until && control->nextTick < when) {
                    when = control->nextTick;
                    due = control.get();
                    dueForm = form;
                }
            }
        }
        if (!due)
            break;
        now_ = when;
        const_cast<Control*>(due)->nextTick += due->Interval();
        Dispatch([&] { dueForm->Raise(due, Event::Timer); });
    }
    now_ = until;
}

Runtime::Target Runtime::TargetAt(Form& form, float x, float y) const {
    Target target{&form, form.LoadCount(), {}, -1, true};
    if (Control* control = form.ControlAt(x, y)) {
        target.name = control->Name();
        target.index = control->Index();
        target.background = false;
    }
    return target;
}

Control* Runtime::Resolve(const Target& target) const {
    if (!target.form || target.background || !target.form->IsLoaded() ||
        target.form->LoadCount() != target.load)
        return nullptr;
    for (const auto& control : target.form->Controls())
        if (control->Name() == target.name && control->Index() == target.index)
            return control.get();
    return nullptr;
}

void Runtime::Send(const Target& target, Event event) {
    if (!target.form->IsLoaded() || target.form->LoadCount() != target.load)
        return;
    if (target.background) {
        target.form->Raise(nullptr, event);
    } else if (Control* control = Resolve(target)) {
        target.form->Raise(control, event);
    }
}

bool Runtime::Held(Form& form) const {
    return captured_ && captured_->form == &form && captured_->load == form.LoadCount() &&
           platform::GetCapture() == form.hWnd();
}

void Runtime::Press(Form& form, float x, float y, bool secondOfDouble) {
    Dispatch([&] {
        if (!form.IsLoaded())
            return;
        Target target = TargetAt(form, x, y);
        const bool doubleClick = secondOfDouble && lastPress_ == target;
        captured_ = target;
        doubleClicked_ = doubleClick;
        // A double-click ends the pair: the press after it begins a new one.
        lastPress_ = doubleClick ? std::nullopt : std::optional<Target>(target);
        platform::SetCapture(form.hWnd());
        Send(target, doubleClick ? Event::DblClick : Event::MouseDown);
    });
}

void Runtime::MouseDown(Form& form, float x, float y) {
    Press(form, x, y, false);
}

void Runtime::MouseDoubleClick(Form& form, float x, float y) {
    Press(form, x, y, true);
}

void Runtime::MouseMove(Form& form, float x, float y) {
    Dispatch([&] {
        if (!form.IsLoaded())
            return;
        // While a button is held the pressed target keeps the pointer, unless its window gave it up.
        Send(Held(form) ? *captured_ : TargetAt(form, x, y), Event::MouseMove);
    });
}

void Runtime::MouseUp(Form& form, float x, float y) {
    Dispatch([&] {
        if (!form.IsLoaded()) {
            captured_.reset();
            return;
        }
        const bool held = Held(form);
        if (held)
            platform::ReleaseCapture();
        std::optional<Target> pressed = captured_;
        captured_.reset();
        Target target = held ? *pressed : TargetAt(form, x, y);
        Send(target, Event::MouseUp);
        if (!held || target.background || doubleClicked_)
            return;
        // A release over the pressed label, image or text box is its click; a list's click is the
        // choice of an item.
        Control* control = Resolve(target);
        if (control && control->Visible() && form.ControlAt(x, y) == control &&
            control->Kind() != ControlKind::ListBox)
            form.Raise(control, Event::Click);
    });
}

void Runtime::Click(Control& control) {
    Form& form = control.Parent();
    float x = control.Left() + control.Width() / 2, y = control.Top() + control.Height() / 2;
    MouseDown(form, x, y);
    MouseUp(form, x, y);
}

void Runtime::DoubleClick(Control& control) {
    Form& form = control.Parent();
    float x = control.Left() + control.Width() / 2, y = control.Top() + control.Height() / 2;
    MouseDown(form, x, y);
    MouseUp(form, x, y);
    MouseDoubleClick(form, x, y);
    MouseUp(form, x, y);
}

void Runtime::Hover(Control& control) {
    MouseMove(control.Parent(), control.Left() + control.Width() / 2, control.Top() + control.Height() / 2);
}

void Runtime::SelectItem(Control& list, int index) {
    Dispatch([&] { list.SetListIndex(static_cast<std::int16_t>(index)); });
}

void Runtime::TypeText(Control& box, std::string text, std::int32_t caret) {
    Dispatch([&] { box.EditText(std::move(text), caret); });
}

void Runtime::MoveCaret(Control& box, std::int32_t place) {
    Dispatch([&] { box.SetSelStart(place); });
}

} // namespace forms
