#pragma once

#include <string_view>

#include "dictionaries/Dictionary.h"

namespace browser {

// The controls that show one dictionary in the browser window.
struct DictionaryPanel {
    dictionaries::DictionaryId dictionary;
    std::string_view button;
    std::string_view marker;
    std::string_view list;
    std::string_view searchBox;
    std::string_view elaborationBox;
    std::string_view abbreviationBox;
    bool hardwareLayout;
    std::string_view caption; // the selection caption
};

inline constexpr DictionaryPanel Panels[] = {
    {dictionaries::DictionaryId::OxfordDictionary, "Image2", "Image9", "List20", "Text4", "Text5", "Text6",
     false, "Selected : Oxford Abbreviation Dictionary"},
    {dictionaries::DictionaryId::ComputerDictionary, "Image4", "Image10", "List16", "Text3", "Text1", "Text2",
     false, "Selected : Lumitra Computer Abbreviation Dictionary"},
    {dictionaries::DictionaryId::HardwareDictionary, "Image5", "Image11", "List1", "Text9", "Text7", "Text8",
     true, "Selected : Lumitra Complete Hardware Abbreviation Dictionary"},
    {dictionaries::DictionaryId::BangladeshDictionary, "Image6", "Image12", "List8", "Text11", "Text10",
     "Text12", false, "Selected : Lumitra Abbreviation of Bangladesh Dictionary"},
    {dictionaries::DictionaryId::InternationalDictionary, "Image7", "Image13", "List7", "Text15", "Text13",
     "Text14", false, "Selected : Lumita Abbreviation of International Dictionary"},
};

const DictionaryPanel& PanelOf(dictionaries::DictionaryId dictionary);

// The panel frames and headings of each layout.
inline constexpr std::string_view BothLayouts[] = {"Shape4", "Shape3"};
inline constexpr std::string_view StandardLayout[] = {"Label2", "Shape1", "Shape2"};
inline constexpr std::string_view HardwareLayout[] = {"Label4", "Label5", "Shape13", "Shape14"};

} // namespace browser
