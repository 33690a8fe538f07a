#pragma once

// Helpers shared by the tests that check the shape of the dictionary tables.

#include "dictionaries/Dictionary.h"
#include "platform/core/Windows1252.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tablechecks {

using dictionaries::AbbreviationEntry;
using dictionaries::DictionaryId;
using dictionaries::DictionaryTable;

inline std::string Lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
    return out;
}

// The number of characters of a stored text (one per byte on the way to the screen).
inline std::size_t Characters(std::string_view utf8) {
    return platform::DecodeUtf8(utf8).size();
}

// The bytes that reach the screen: one Windows-1252 byte per stored character.
inline std::string Bytes(std::string_view utf8) {
    return platform::Utf8ToWindows1252(utf8);
}

// Neighbouring pairs (i, i+1) out of order, whole texts compared without regard to case. With
// withinGroups, only pairs whose abbreviations begin with the same letter (ignoring case) count.
inline std::vector<int> OutOfOrderPairs(const DictionaryTable& table, bool withinGroups) {
    std::vector<int> pairs;
    for (int i = 0; i + 1 < table.RowCount(); ++i) {
        std::string a = Lower(table.Entry(i)->Abbreviation), b = Lower(table.Entry(i + 1)->Abbreviation);
        if (withinGroups && a[0] != b[0])
            continue;
        if (a > b)
            pairs.push_back(i);
    }
    return pairs;
}

// Positions grouped by equal text of one field (exact comparison), only groups of two or more.
inline std::vector<std::vector<int>> EqualTexts(const DictionaryTable& table,
                                                std::string_view AbbreviationEntry::*field) {
    std::map<std::string_view, std::vector<int>> byText;
    for (int i = 0; i < table.RowCount(); ++i)
        byText[table.Entry(i)->*field].push_back(i);
    std::vector<std::vector<int>> groups;
    for (auto& [text, positions] : byText)
        if (positions.size() > 1)
            groups.push_back(positions);
    std::sort(groups.begin(), groups.end());
    return groups;
}

inline std::vector<std::vector<int>> DuplicateAbbreviations(const DictionaryTable& table) {
    return EqualTexts(table, &AbbreviationEntry::Abbreviation);
}

inline std::vector<std::vector<int>> SharedElaborations(const DictionaryTable& table) {
    return EqualTexts(table, &AbbreviationEntry::Elaboration);
}

// The longest run of blanks in a text.
inline std::size_t LongestBlankRun(std::string_view text) {
    std::size_t best = 0, run = 0;
    for (char c : text) {
        run = (c == ' ') ? run + 1 : 0;
        best = std::max(best, run);
    }
    return best;
}

// The first position, in table order, whose abbreviation begins with text without regard to case,
// or -1: the row that the list search selects for a typed text.
inline int FirstMatch(const DictionaryTable& table, std::string_view text) {
    const std::string wanted = Lower(text);
    for (int i = 0; i < table.RowCount(); ++i)
        if (Lower(table.Entry(i)->Abbreviation).starts_with(wanted))
            return i;
    return -1;
}

// Positions grouped by abbreviations equal without regard to case, only groups of two or more.
inline std::vector<std::vector<int>> CaseInsensitiveDuplicates(const DictionaryTable& table) {
    std::map<std::string, std::vector<int>> byText;
    for (int i = 0; i < table.RowCount(); ++i)
        byText[Lower(table.Entry(i)->Abbreviation)].push_back(i);
    std::vector<std::vector<int>> groups;
    for (auto& [text, positions] : byText)
        if (positions.size() > 1)
            groups.push_back(positions);
    std::sort(groups.begin(), groups.end());
    return groups;
}

// Positions of rows whose two neighbours begin with one letter (ignoring case) that is not the row's own.
inline std::vector<int> RowsInsideOtherGroups(const DictionaryTable& table) {
    auto first = [&](int i) { return Lower(table.Entry(i)->Abbreviation.substr(0, 1)); };
    std::vector<int> rows;
    for (int i = 1; i + 1 < table.RowCount(); ++i)
        if (first(i - 1) == first(i + 1) && first(i) != first(i - 1))
            rows.push_back(i);
    return rows;
}

// The first letters of the table's runs of rows that begin with one letter (ignoring case), in table
// order, in capitals: "ABC" for a table grouped A, B, C. A letter that comes back after another
// group appears again.
inline std::string FirstLetterRuns(const DictionaryTable& table) {
    std::string runs;
    for (const AbbreviationEntry& row : table) {
        const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(row.Abbreviation[0])));
        if (runs.empty() || runs.back() != letter)
            runs += letter;
    }
    return runs;
}

} // namespace tablechecks
