#include "forms/Control.h"

#include "forms/Errors.h"
#include "forms/Form.h"
#include "forms/Runtime.h"
#include "platform/core/Windows1252.h"

#include <algorithm>
#include <cstring>

namespace forms {
namespace {

// Upper case of a Windows-1252 letter, as the list's search compares letters.
unsigned char Upper(unsigned char c) {
    if (c >= 'a' && c <= 'z')
        return static_cast<unsigned char>(c - 32);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return static_cast<unsigned char>(c - 32);
    if (c == 0x9A || c == 0x9C || c == 0x9E)
        return static_cast<unsigned char>(c - 16);
    if (c == 0xFF)
        return 0x9F;
    return c;
}

// The length of a UTF-8 text in UTF-16 units, as a box counts its characters.
std::int32_t Utf16Length(const std::string& text) {
    std::int32_t units = 0;
    for (char32_t c : platform::DecodeUtf8(text))
        units += c > 0xFFFF ? 2 : 1; // beyond the 16-bit plane: a pair of units
    return units;
}

bool BeginsWith(const std::string& text, const char* prefix) {
    std::size_t n = std::strlen(prefix);
    if (text.size() < n)
        return false;
    for (std::size_t i = 0; i < n; ++i)
        if (Upper(static_cast<unsigned char>(text[i])) != Upper(static_cast<unsigned char>(prefix[i])))
            return false;
    return true;
}

} // namespace

Control::Control(Form& form, const ControlDesign& design)
    : form_(form), design_(design), visible_(design.visible), text_(design.caption),
      foreColor_(design.foreColor), fontBold_(design.font.bold), borderStyle_(design.borderStyle),
      borderColor_(design.borderColor), shape_(static_cast<std::int16_t>(design.shape)), left_(design.left),
      top_(design.top), width_(design.width), height_(design.height) {
    if (IsWindowed())
        hwnd_ = platform::CreateWindowHandle(this);
}

Control::~Control() {
    if (hwnd_ != 0)
        platform::DestroyWindowHandle(hwnd_);
}

bool Control::IsWindowed() const {
    return design_.kind == ControlKind::ListBox || design_.kind == ControlKind::TextBox;
}

bool Control::TakesPointer() const {
    return design_.kind != ControlKind::Shape && design_.kind != ControlKind::Timer;
}

void Control::Require(ControlKind kind) const {
    if (design_.kind != kind)
        RaiseError(ErrPropertyNotFound);
}

void Control::Require(ControlKind a, ControlKind b) const {
    if (design_.kind != a && design_.kind != b)
        RaiseError(ErrPropertyNotFound);
}

void Control::Changed(Property property) {
    if (Display* display = form_.App().GetDisplay())
        display->ControlChanged(*this, property);
}

void Control::SetVisible(bool visible) {
    visible_ = visible;
    Changed(Property::Visible);
}

void Control::SetCaption(std::string caption) {
    Require(ControlKind::Label);
    text_ = std::move(caption);
    Changed(Property::Caption);
}

std::string Control::Text() const {
    if (design_.kind == ControlKind::ListBox)
        return listIndex_ < 0 ? std::string() : items_[static_cast<std::size_t>(listIndex_)];
    Require(ControlKind::TextBox);
    return text_;
}

void Control::SetText(std::string text) {
    Require(ControlKind::TextBox);
    if (text == text_)
        return;
    text_ = std::move(text);
    selStart_ = 0;
    Changed(Property::Text);
    form_.Raise(this, Event::Change);
}

void Control::EditText(std::string text, std::int32_t caret) {
    Require(ControlKind::TextBox);
    const bool changed = text != text_;
    text_ = std::move(text);
    const std::int32_t length = Utf16Length(text_);
    const std::int32_t place = caret < 0 || caret > length ? length : caret;
    const bool moved = place != selStart_;
    selStart_ = place;
    // A change of the text tells the display of the caret with it.
    if (changed)
        Changed(Property::Text);
    else if (moved)
        Changed(Property::SelStart);
    if (changed)
        form_.Raise(this, Event::Change);
}

std::int32_t Control::SelStart() const {
    Require(ControlKind::TextBox);
    return selStart_;
}

void Control::SetSelStart(std::int32_t start) {
    Require(ControlKind::TextBox);
    if (start < 0)
        RaiseError(ErrInvalidPropertyValue);
    const std::int32_t place = std::min(start, Utf16Length(text_));
    if (place == selStart_)
        return;
    selStart_ = place;
    Changed(Property::SelStart);
}

void Control::SetForeColor(Color color) {
    foreColor_ = color;
    Changed(Property::ForeColor);
}

void Control::SetFontBold(bool bold) {
    fontBold_ = bold;
    Changed(Property::FontBold);
}

void Control::SetBorderStyle(int style) {
    // A shape's line style runs from 0 (none) to 6 (inside solid); a label's, picture's or box's
    // border is none (0) or fixed single (1); lists and timers have no border style.
    if (design_.kind == ControlKind::ListBox || design_.kind == ControlKind::Timer)
        RaiseError(ErrPropertyNotFound);
    const int most = design_.kind == ControlKind::Shape ? 6 : 1;
    if (style < 0 || style > most)
        RaiseError(ErrInvalidPropertyValue);
    borderStyle_ = style;
    Changed(Property::BorderStyle);
}

void Control::SetBorderColor(Color color) {
    borderColor_ = color;
    Changed(Property::BorderColor);
}

void Control::SetShape(std::int16_t shape) {
    Require(ControlKind::Shape);
    if (shape < 0 || shape > 5)
        RaiseError(ErrInvalidPropertyValue);
    shape_ = shape;
    Changed(Property::Shape);
}

void Control::SetLeft(float v) {
    left_ = v;
    Changed(Property::Position);
}
void Control::SetTop(float v) {
    top_ = v;
    Changed(Property::Position);
}
void Control::SetWidth(float v) {
    if (v < 0)
        RaiseError(ErrInvalidPropertyValue);
    width_ = v;
    Changed(Property::Position);
}
void Control::SetHeight(float v) {
    if (v < 0)
        RaiseError(ErrInvalidPropertyValue);
    height_ = v;
    Changed(Property::Position);
}

void Control::SetListIndex(std::int16_t index) {
    Require(ControlKind::ListBox);
    if (index < -1 || index >= ListCount())
        RaiseError(ErrInvalidPropertyValue);
    listIndex_ = index;
    Changed(Property::ListIndex);
    form_.Raise(this, Event::Click);
}

void Control::AddItem(std::string item) {
    Require(ControlKind::ListBox);
    if (items_.size() >= 32767)
        RaiseError(ErrOverflow);
    items8_.push_back(platform::Utf8ToWindows1252(item));
    items_.push_back(std::move(item));
    Changed(Property::List);
}

const std::string& Control::List(int index) const {
    Require(ControlKind::ListBox);
    if (index < 0 || index >= ListCount())
        RaiseError(ErrInvalidPropertyValue);
    return items_[static_cast<std::size_t>(index)];
}

platform::HWND Control::hWnd() const {
    if (hwnd_ == 0)
        RaiseError(ErrPropertyNotFound);
    return hwnd_;
}

platform::LRESULT Control::WindowProc(std::uint32_t message, platform::WPARAM wParam,
                                      platform::LPARAM lParam) {
    if (message != platform::LB_FINDSTRING || design_.kind != ControlKind::ListBox)
        return 0;
    if (lParam == 0)
        return platform::LB_ERR;
    // The first item, from the one after wParam onward and round to the start, whose text begins
    // with the 8-bit text, letters compared without regard to case.
    const char* prefix = reinterpret_cast<const char*>(lParam);
    const int count = ListCount();
    if (count == 0)
        return platform::LB_ERR;
    int start = (wParam < -1 || wParam >= count) ? 0 : static_cast<int>(wParam) + 1;
    for (int k = 0; k < count; ++k) {
        int i = (start + k) % count;
        if (BeginsWith(items8_[static_cast<std::size_t>(i)], prefix))
            return i;
    }
    return platform::LB_ERR;
}

} // namespace forms
