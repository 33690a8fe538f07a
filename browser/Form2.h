#pragma once

#include <functional>

#include "browser/DictionaryPanel.h"
#include "skin/SkinnedForm.h"

namespace browser {

inline constexpr forms::Color HintTextColor = 0x808080;
inline constexpr forms::Color TypedTextColor = 0;

const forms::FormDesign& Form2Design();

// The browser window: five dictionaries, each browsed in its list and searched by its first letters.
class Form2 : public skin::SkinnedForm {
public:
    explicit Form2(forms::Runtime& runtime);

    // The windows that the back and help buttons hand over to; a button does nothing until its
    // window is given.
    std::function<forms::Form&()> startMenu;
    std::function<forms::Form&()> helpWindow;

private:
    void SelectDictionary(const DictionaryPanel& panel);
    void ShowElaboration(const DictionaryPanel& panel);
    void TypeAheadSearch(const DictionaryPanel& panel);
    void ClearSearchBox(const DictionaryPanel& panel);
    void ResetHover();
    void Image14_Click();
    void Image8_MouseDown();
};

} // namespace browser
