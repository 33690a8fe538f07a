#pragma once

// Helpers shared by the tests that check the shape of the dictionary tables.

#include "dictionaries/Dictionary.h"
#include "platform/core/Windows1252.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <map>
#include <set>
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

inline std::string Upper(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); });
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

// The rows whose field is as short as the shortest and as long as the longest.
struct LengthEnds {
    std::vector<int> shortest, longest;
};

// Checks that every row's field (what: "abbreviation" or "elaboration") has from min to max
// characters, and that rows reach both ends.
inline LengthEnds ExpectLengthsSpan(const DictionaryTable& table, std::string_view name,
                                    std::string_view AbbreviationEntry::*field, std::string_view what,
                                    std::size_t min, std::size_t max) {
    std::size_t shortest = SIZE_MAX, longest = 0;
    std::vector<std::size_t> lengths;
    for (int i = 0; i < table.RowCount(); ++i) {
        const std::size_t length = Characters(table.Entry(i)->*field);
        EXPECT_TRUE(length >= min && length <= max)
            << name << " row " << i << ": " << what << " of " << length << " characters";
        shortest = std::min(shortest, length);
        longest = std::max(longest, length);
        lengths.push_back(length);
    }
    EXPECT_EQ(shortest, min) << name << ": the shortest " << what;
    EXPECT_EQ(longest, max) << name << ": the longest " << what;
    LengthEnds ends;
    for (int i = 0; i < table.RowCount(); ++i) {
        if (lengths[static_cast<std::size_t>(i)] == shortest)
            ends.shortest.push_back(i);
        if (lengths[static_cast<std::size_t>(i)] == longest)
            ends.longest.push_back(i);
    }
    return ends;
}

// Checks what the type-ahead search (the first row in table order whose abbreviation begins with
// the typed text, letter case ignored) can reach. Typing a row's abbreviation selects that row,
// except for the rows outOfReach, where an earlier row takes it. No typed text selects an
// out-of-reach row: every beginning of its abbreviation selects an earlier row, and for the higher
// row of each pair (two positions whose abbreviations are equal without regard to case) the
// lower row or one before it, typed as written, in small letters or in capitals alike.
inline void ExpectTypeAheadReach(const DictionaryTable& table, std::string_view name,
                                 const std::vector<std::vector<int>>& pairs,
                                 const std::vector<int>& outOfReach) {
    const std::set<int> hidden(outOfReach.begin(), outOfReach.end());
    for (int i = 0; i < table.RowCount(); ++i) {
        const int selected = FirstMatch(table, table.Entry(i)->Abbreviation);
        if (hidden.count(i)) {
            EXPECT_LT(selected, i) << name << " row " << i << ": reached by typing its abbreviation";
        } else {
            EXPECT_EQ(selected, i) << name << " row " << i << ": typing its abbreviation selects row "
                                   << selected;
        }
    }
    // Any text that selects a row is a beginning of its abbreviation, so trying every beginning covers all.
    for (int row : hidden) {
        const std::string_view text = table.Entry(row)->Abbreviation;
        for (std::size_t length = 1; length <= text.size(); ++length)
            EXPECT_LT(FirstMatch(table, text.substr(0, length)), row)
                << name << " row " << row << ": selected by typing \"" << text.substr(0, length) << "\"";
    }
    for (const std::vector<int>& pair : pairs) {
        const std::string_view text = table.Entry(pair[1])->Abbreviation;
        for (std::size_t length = 1; length <= text.size(); ++length) {
            const std::string_view typed = text.substr(0, length);
            const int selected = FirstMatch(table, typed);
            EXPECT_TRUE(selected >= 0 && selected <= pair[0])
                << name << " row " << pair[1] << ": typing \"" << typed << "\" selects row " << selected
                << ", after row " << pair[0];
            EXPECT_EQ(FirstMatch(table, Lower(typed)), selected)
                << name << " row " << pair[1] << ": typing \"" << Lower(typed) << "\"";
            EXPECT_EQ(FirstMatch(table, Upper(typed)), selected)
                << name << " row " << pair[1] << ": typing \"" << Upper(typed) << "\"";
        }
    }
}

} // namespace tablechecks
