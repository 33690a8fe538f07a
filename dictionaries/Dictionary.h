#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace dictionaries {

// One row of a dictionary. Both texts are UTF-8. The hardware dictionary's elaborations are held
// in their stored form: one Windows-1252 character per byte of the SutonnyMJ font, so that the
// elaboration box receives exactly the bytes the font draws.
struct AbbreviationEntry {
    std::string_view Abbreviation;
    std::string_view Elaboration;
};

// The five dictionaries, in screen order.
enum class DictionaryId {
    OxfordDictionary,
    ComputerDictionary,
    HardwareDictionary,
    BangladeshDictionary,
    InternationalDictionary,
};

inline constexpr DictionaryId AllDictionaries[] = {
    DictionaryId::OxfordDictionary,        DictionaryId::ComputerDictionary,
    DictionaryId::HardwareDictionary,      DictionaryId::BangladeshDictionary,
    DictionaryId::InternationalDictionary,
};

// A read-only table of rows. The position of a row is its only key.
class DictionaryTable {
public:
    constexpr explicit DictionaryTable(std::span<const AbbreviationEntry> rows) : rows_(rows) {}

    int RowCount() const { return static_cast<int>(rows_.size()); }

    // The row at a 0-based position, or nullptr for any position outside 0 to RowCount()-1.
    const AbbreviationEntry* Entry(int position) const {
        if (position < 0 || position >= RowCount())
            return nullptr;
        return &rows_[static_cast<std::size_t>(position)];
    }

    auto begin() const { return rows_.begin(); }
    auto end() const { return rows_.end(); }

private:
    std::span<const AbbreviationEntry> rows_;
};

const DictionaryTable& Dictionary(DictionaryId id);

std::string_view DictionaryName(DictionaryId id);

} // namespace dictionaries
