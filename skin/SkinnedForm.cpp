#include "skin/SkinnedForm.h"

#include "forms/Numeric.h"
#include "forms/Runtime.h"
#include "platform/core/User32.h"

namespace skin {
namespace {

struct Box {
    double left, top, right, bottom;
};

// A square of side min(W, H) in the middle of the shape's box, its inset rounded to whole twips.
Box CentredSquare(double L, double T, double W, double H) {
    if (W > H) {
        double d = forms::CInt(forms::Divide(W - H, 2));
        return {forms::Add(L, d), T, forms::Add(L, W) - d, forms::Add(T, H)};
    }
    double d = forms::CInt(forms::Divide(H - W, 2));
    return {L, forms::Add(T, d), forms::Add(L, W), forms::Add(T, H) - d};
}

std::int32_t ToPixels(double edge, double twipsPerPixel, std::int16_t offset) {
    return forms::CLng(forms::Add(forms::Divide(edge, twipsPerPixel), offset));
}

} // namespace

platform::HRGN SkinnedForm::MakeBorderRegion(float XScale, float YScale, std::int16_t XOffset,
                                             std::int16_t YOffset) {
    // The scales are accepted for the callers' sake; the outline is never scaled.
    (void)XScale;
    (void)YScale;
    BorderRegion = platform::CreateRectRgn(0, 0, 0, 0);
    const platform::HRGN scratch = platform::CreateRectRgn(0, 0, 0, 0);
    const std::int16_t lower = LBound("shpborder");
    const std::int16_t upper = UBound("shpborder");
    for (std::int16_t i = lower; i <= upper; i = forms::CInt(std::int64_t{i} + 1)) {
        forms::Control& shape = Ctl("shpborder", i);
        std::int16_t kind = shape.Shape();
        if (kind != 0 && kind != 1 && kind != 3 && kind != 4 && kind != 5) {
            shape.SetShape(2);
            kind = 2;
        }
        const double L = shape.Left(), T = shape.Top(), W = shape.Width(), H = shape.Height();
        const double tx = App().TwipsPerPixelX(), ty = App().TwipsPerPixelY();
        const bool square = kind == 1 || kind == 3 || kind == 5;
        const Box box = square ? CentredSquare(L, T, W, H) : Box{L, T, forms::Add(L, W), forms::Add(T, H)};
        const std::int32_t x1 = ToPixels(box.left, tx, XOffset), y1 = ToPixels(box.top, ty, YOffset);
        const std::int32_t x2 = ToPixels(box.right, tx, XOffset), y2 = ToPixels(box.bottom, ty, YOffset);
        platform::HRGN region = 0;
        if (kind == 0 || kind == 1)
            region = platform::CreateRectRgn(x1, y1, x2, y2);
        else if (kind == 4 || kind == 5)
            region = platform::CreateRoundRectRgn(x1, y1, x2, y2, 28, 28);
        else
            region = platform::CreateEllipticRgn(x1, y1, x2, y2);
        platform::CombineRgn(scratch, BorderRegion, BorderRegion, platform::RGN_COPY);
        platform::CombineRgn(BorderRegion, scratch, region, platform::RGN_OR);
        platform::DeleteObject(region);
    }
    platform::DeleteObject(scratch);
    return BorderRegion;
}

void SkinnedForm::ApplyBorderRegion() {
    const platform::HWND window = hWnd();
    const platform::HRGN region = MakeBorderRegion(1.0f, 1.0f, 0, 0);
    platform::SetWindowRgn(window, region, true);
}

void SkinnedForm::ReleaseBorderRegion() {
    // The region belongs to the window and goes with it.
}

void SkinnedForm::DragWindow() {
    platform::ReleaseCapture();
    const platform::HWND window = hWnd();
    std::int32_t noPosition = 0;
    platform::SendMessageA(window, platform::WM_NCLBUTTONDOWN, platform::HTCAPTION,
                           reinterpret_cast<platform::LPARAM>(&noPosition));
}

void SkinnedForm::MinimizeWindow() {
    SetWindowState(1);
}

void SkinnedForm::ExitProgram() {
    App().End();
}

void SkinnedForm::ShowPressed(std::string_view button) {
    Ctl(button).SetBorderStyle(1);
}

void SkinnedForm::ShowReleased(std::string_view button) {
    Ctl(button).SetBorderStyle(0);
}

void SkinnedForm::HighlightFrame(std::string_view frame) {
    Ctl(frame).SetBorderColor(FrameHoverColor);
}

void SkinnedForm::ResetFrames(std::initializer_list<std::string_view> frames) {
    for (std::string_view frame : frames)
        Ctl(frame).SetBorderColor(FrameRestColor);
}

std::vector<forms::Form::Binding> SkinnedForm::FrameBindings(std::function<void()> resetHover) {
    std::vector<Binding> bindings = {
        {"", forms::Event::Load, [this] { ApplyBorderRegion(); }},
        {"", forms::Event::Unload, [this] { ReleaseBorderRegion(); }},
        {"", forms::Event::MouseDown, [this] { DragWindow(); }},
    };
    if (resetHover)
        bindings.push_back({"", forms::Event::MouseMove, std::move(resetHover)});
    return bindings;
}

std::vector<forms::Form::Binding> SkinnedForm::ButtonBindings(const std::vector<PictureButton>& buttons) {
    std::vector<Binding> bindings;
    for (const PictureButton& b : buttons) {
        std::string_view button = b.button, frame = b.frame;
        if (b.actsOn == ActsOn::MouseDown)
            bindings.push_back({button, forms::Event::MouseDown, b.action});
        else if (b.looks == ButtonLooks::All)
            bindings.push_back({button, forms::Event::MouseDown, [this, button] { ShowPressed(button); }});
        bindings.push_back({button, forms::Event::MouseMove, [this, frame] { HighlightFrame(frame); }});
        bindings.push_back({button, forms::Event::MouseUp, [this, button] { ShowReleased(button); }});
        if (b.actsOn == ActsOn::Click)
            bindings.push_back({button, forms::Event::Click, b.action});
    }
    return bindings;
}

} // namespace skin
