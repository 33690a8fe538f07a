#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "skin/SkinnedForm.h"

namespace shell {

inline constexpr forms::Color LinkRestColor = 0xFFFFFF;
inline constexpr forms::Color LinkHoverColor = 255;

const forms::FormDesign& Form3Design();

// How a link's weight changes when the pointer lights it up.
enum class HoverWeight { BoldAfterColour, BoldBeforeColour, ColourOnly };

// A link label of the help window and the web page it opens.
struct Link {
    std::string_view label;
    std::string_view address;
    HoverWeight hover;
};

// The help window: a title page, four pages chosen by the buttons along its bottom edge, and the
// links of the Download and Help pages, which open the maker's web pages.
class Form3 : public skin::SkinnedForm {
public:
    explicit Form3(forms::Runtime& runtime);

    // The window that the back button hands over to; the button does nothing until it is given.
    std::function<forms::Form&()> browserWindow;

private:
    void ShowPage(std::initializer_list<std::string_view> shown,
                  std::initializer_list<std::string_view> hidden);
    void Image1_Click();
    void Image2_Click();
    void Image3_Click();
    void Image4_Click();
    void Image8_Click();

    void ResetHover();
    void Image5_MouseMove();
    void Image7_MouseMove();
    void HighlightLink(const Link& link);
    void FollowLink(const Link& link);
    void OpenLink(forms::Form& window, std::string address);
};

} // namespace shell
