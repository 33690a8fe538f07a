#include "dictionaries/Dictionary.h"

#include <span>

namespace dictionaries {

// Each table is compiled from dictionaries/data/<name>.tsv by tools/dictgen.
extern const std::span<const AbbreviationEntry> OxfordDictionaryRows;
extern const std::span<const AbbreviationEntry> ComputerDictionaryRows;
extern const std::span<const AbbreviationEntry> HardwareDictionaryRows;
extern const std::span<const AbbreviationEntry> BangladeshDictionaryRows;
extern const std::span<const AbbreviationEntry> InternationalDictionaryRows;

const DictionaryTable& Dictionary(DictionaryId id) {
    static const DictionaryTable oxford(OxfordDictionaryRows);
    static const DictionaryTable computer(ComputerDictionaryRows);
    static const DictionaryTable hardware(HardwareDictionaryRows);
    static const DictionaryTable bangladesh(BangladeshDictionaryRows);
    static const DictionaryTable international(InternationalDictionaryRows);
    switch (id) {
    case DictionaryId::OxfordDictionary:
        return oxford;
    case DictionaryId::ComputerDictionary:
        return computer;
    case DictionaryId::HardwareDictionary:
        return hardware;
    case DictionaryId::BangladeshDictionary:
        return bangladesh;
    case DictionaryId::InternationalDictionary:
        break;
    }
    return international;
}

std::string_view DictionaryName(DictionaryId id) {
    switch (id) {
    case DictionaryId::OxfordDictionary:
        return "OxfordDictionary";
    case DictionaryId::ComputerDictionary:
        return "ComputerDictionary";
    case DictionaryId::HardwareDictionary:
        return "HardwareDictionary";
    case DictionaryId::BangladeshDictionary:
        return "BangladeshDictionary";
    case DictionaryId::InternationalDictionary:
        break;
    }
    return "InternationalDictionary";
}

} // namespace dictionaries
