#pragma once

#include <functional>
#include <string_view>

#include "dictionaries/Dictionary.h"
#include "skin/SkinnedForm.h"

namespace shell {

const forms::FormDesign& Form1Design();

// One entry of the start menu: a white label on a painted bar that names a dictionary.
struct MenuEntry {
    std::string_view label;
    dictionaries::DictionaryId dictionary;
    std::string_view tip;    // what the tips label says while the pointer is over the entry
    std::string_view marker; // the browser window's marker that a click on the entry shows
};

// The five entries in screen order, top to bottom; the label numbers do not follow it.
inline constexpr MenuEntry MenuEntries[] = {
    {"Label1", dictionaries::DictionaryId::OxfordDictionary,
     "it is an Oxford Abbreviation Dictionary, will be founded Elaboration of Abbreviation. Collected From "
     "Oxford Advanced Learners Dictionary.",
     "Image9"},
    {"Label5", dictionaries::DictionaryId::ComputerDictionary,
     "It is a Computer Abbreviation Dictionary, You can find many essential computer Elaboration of "
     "Abbreviation.",
     "Image10"},
    {"Label4", dictionaries::DictionaryId::HardwareDictionary,
     "It is the most potentials hardware dictionary, You will be get many essential Computer hardware "
     "Elaboration of Abbreviation.",
     "Image11"},
    {"Label3", dictionaries::DictionaryId::BangladeshDictionary,
     "It is an Abbreviation Dictionary, You will get many Bangladesh Elaboration of Abbreviation.Those are "
     "Bangladesh related.",
     "Image12"},
    {"Label2", dictionaries::DictionaryId::InternationalDictionary,
     "It is an Abbreviation Dictionary, You will get many International Elaboration of Abbreviation. those "
     "are international related.",
     "Image13"},
};

// The start menu: five menu entries that explain their dictionaries under the pointer and open the
// browser window with the chosen dictionary's marker.
class Form1 : public skin::SkinnedForm {
public:
    explicit Form1(forms::Runtime& runtime);

    // The window that a menu entry hands over to; the entries do nothing until it is given.
    std::function<forms::Form&()> browserWindow;

private:
    void ShowTip(const MenuEntry& entry);
    void ResetHover();
    void OpenBrowser(const MenuEntry& entry);

    void Label1_MouseMove();
    void Label2_MouseMove();
    void Label3_MouseMove();
    void Label4_MouseMove();
    void Label5_MouseMove();
    void Label1_Click();
    void Label2_Click();
    void Label3_Click();
    void Label4_Click();
    void Label5_Click();
    void Form_MouseMove();
    void Image3_Click();
    void Image1_Click();
};

} // namespace shell
