#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "forms/Design.h"
#include "platform/core/User32.h"

namespace forms {

class Form;

enum class Event { Click, DblClick, MouseDown, MouseMove, MouseUp, Change, Load, Unload, Timer };

// The properties whose changes the display is told of.
enum class Property {
    Visible,
    Caption,
    Text,
    ForeColor,
    FontBold,
    BorderStyle,
    BorderColor,
    Shape,
    Position,
    ListIndex,
    List,
    SelStart,
};

// One control of a loaded window. It lives from its window's load to its unload.
class Control : public platform::WindowProcedure {
public:
    Control(Form& form, const ControlDesign& design);
    ~Control() override;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlKind Kind() const { return design_.kind; }
    std::string_view Name() const { return design_.name; }
    int Index() const { return design_.index; }
    const ControlDesign& Design() const { return design_; }
    Form& Parent() const { return form_; }
    // Windowed controls (lists and text boxes) lie in front of every windowless one.
    bool IsWindowed() const;
    // Whether the pointer's events can go to this control while it is shown.
    bool TakesPointer() const;

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);

    // A label's caption.
    const std::string& Caption() const { return text_; }
    void SetCaption(std::string caption);

    // A text box's text; for a list, the selected item's text (empty with no selection).
    std::string Text() const;
    // Raises the text box's Change when the new text differs. The caret goes to the start.
    void SetText(std::string text);
    // The user's editing leaves this text, and the caret at this place (-1: the end). Raises Change
    // when the text differs, with the caret already there.
    void EditText(std::string text, std::int32_t caret);
    // A text box's caret, or the start of its selection, in characters (UTF-16 units) from the
    // start of its text: 0 at load. A place beyond the text is its end.
    std::int32_t SelStart() const;
    void SetSelStart(std::int32_t start);

    Color ForeColor() const { return foreColor_; }
    void SetForeColor(Color color);
    bool FontBold() const { return fontBold_; }
    void SetFontBold(bool bold);
    int BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(int style);
    Color BorderColor() const { return borderColor_; }
    void SetBorderColor(Color color);
    std::int16_t Shape() const { return shape_; }
    void SetShape(std::int16_t shape);

    float Left() const { return left_; }
    float Top() const { return top_; }
    float Width() const { return width_; }
    float Height() const { return height_; }
    void SetLeft(float v);
    void SetTop(float v);
    void SetWidth(float v);
    void SetHeight(float v);

    // List boxes.
    std::int16_t ListIndex() const { return listIndex_; }
    // Selects an item (-1: none) and raises the list's Click.
    void SetListIndex(std::int16_t index);
    void AddItem(std::string item);
    int ListCount() const { return static_cast<int>(items_.size()); }
    const std::string& List(int index) const;

    int Interval() const { return design_.interval; }

    // Lists and text boxes have a window handle; other controls raise an error.
    platform::HWND hWnd() const;

    platform::LRESULT WindowProc(std::uint32_t message, platform::WPARAM wParam,
                                 platform::LPARAM lParam) override;

    // The clock time of this timer's next tick.
    std::int64_t nextTick = 0;

private:
    void Changed(Property property);
    void Require(ControlKind kind) const;
    void Require(ControlKind a, ControlKind b) const;

    Form& form_;
    const ControlDesign& design_;
    bool visible_;
    std::string text_;
    Color foreColor_;
    bool fontBold_;
    int borderStyle_;
    Color borderColor_;
    std::int16_t shape_;
    float left_, top_, width_, height_;
    std::vector<std::string> items_;
    std::vector<std::string> items8_; // the items' 8-bit copies, for the list's search
    std::int16_t listIndex_ = -1;
    std::int32_t selStart_ = 0;
    platform::HWND hwnd_ = 0;
};

} // namespace forms
