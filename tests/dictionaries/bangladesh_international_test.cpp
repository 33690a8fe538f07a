// Shape of the Bangladesh and international dictionary tables as the program compiles them in.
#include "tests/dictionaries/TableChecks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using dictionaries::AbbreviationEntry;
using dictionaries::Dictionary;
using dictionaries::DictionaryId;
using dictionaries::DictionaryTable;
using tablechecks::FirstMatch;
using Groups = std::vector<std::vector<int>>;

struct Shape {
    DictionaryId id;
    int rows;
    std::size_t distinctAbbreviations;
    Groups duplicates;       // equal abbreviations
    Groups sharedDuplicates; // the duplicates that also share one elaboration
    Groups sharedElaborations;
    std::size_t abbreviationMin, abbreviationMax;
    std::size_t elaborationMin, elaborationMax;
    int longestElaborationRow;
    std::vector<std::pair<int, std::size_t>> blankRuns; // row, longest run of blanks in its elaboration
    std::vector<int> elaborationsWithoutFullStop;
    std::string groupLetters;
    std::size_t outOfOrderPairs;
    // Rows that typing their own abbreviation does not select, because an earlier row matches it.
    std::vector<int> unreachableByTyping;
};

const Shape kShapes[] = {
    {DictionaryId::BangladeshDictionary,
     275,
     263,
     {{9, 49},
      {10, 74},
      {12, 44},
      {19, 70},
      {22, 23},
      {33, 41},
      {57, 99},
      {130, 139},
      {166, 171},
      {208, 209},
      {224, 235},
      {239, 244}},
     {{19, 70}, {33, 41}, {239, 244}},
     {{19, 70}, {33, 41}, {40, 42}, {185, 200}, {239, 244}},
     2,
     7,
     15,
     98,
     30,
     {},
     {},
     "ABCDEFGHIJKLMNOPRSTUVW",
     96,
     {23,  41,  44,  49,  63,  70,  74,  75,  99,  117, 129, 131,
      139, 142, 162, 171, 199, 205, 207, 209, 213, 235, 244}},
    {DictionaryId::InternationalDictionary,
     226,
     216,
     {{63, 70},
      {78, 80},
      {94, 106},
      {99, 112},
      {107, 119},
      {166, 168},
      {178, 187},
      {193, 196},
      {207, 210},
      {217, 223}},
     {{63, 70}, {99, 112}, {193, 196}, {207, 210}, {217, 223}},
     {{63, 70}, {99, 112}, {193, 196}, {207, 210}, {217, 223}},
     2,
     8,
     11,
     77,
     3,
     {{182, 2}},
     {3},
     "ABCDEFGHIJKLMNOPRSTUVW",
     66,
     {7, 70, 80, 106, 112, 119, 168, 187, 196, 210, 223}},
};

struct GivenRow {
    DictionaryId id;
    int position;
    std::string_view abbreviation;
    std::string_view elaboration;
};

const GivenRow kGivenRows[] = {
    {DictionaryId::BangladeshDictionary, 0, "ADP", "Annual Developement Programme."},
    {DictionaryId::BangladeshDictionary, 19, "BWDB", "Bangladesh Water Development Board."},
    {DictionaryId::BangladeshDictionary, 70, "BWDB", "Bangladesh Water Development Board."},
    {DictionaryId::BangladeshDictionary, 22, "BMA", "Bangladesh Medical Association."},
    {DictionaryId::BangladeshDictionary, 23, "BMA", "Bangaldesh Malitary Accademy."},
    {DictionaryId::BangladeshDictionary, 30, "BIRDEM",
     "Bangladesh Institute of Research and Rehabilitation in Diabetes Endocrine and metabalic Disorders."},
    {DictionaryId::BangladeshDictionary, 40, "BARC", "Bangladesh Agricultural Research Institute."},
    {DictionaryId::BangladeshDictionary, 42, "BARI", "Bangladesh Agricultural Research Institute."},
    {DictionaryId::BangladeshDictionary, 274, "WVB", "World Vision of Bangladesh."},
    {DictionaryId::InternationalDictionary, 0, "ADB", "Asian Development Bank."},
    {DictionaryId::InternationalDictionary, 3, "ANZUS",
     "australia, Newzaland and United States Defence Pact (Pacific Security Treaty)"},
    {DictionaryId::InternationalDictionary, 78, "FRCP", "Fellow of the Royal College of Physicians."},
    {DictionaryId::InternationalDictionary, 80, "FRCP", "Fellow of the Royal Society."},
    {DictionaryId::InternationalDictionary, 182, "SAYE", "Save As  you Earn."},
    {DictionaryId::InternationalDictionary, 225, "WTC", "World Trade Centre."},
};

// Abbreviations given without their elaboration.
const GivenRow kGivenAbbreviations[] = {
    {DictionaryId::BangladeshDictionary, 9, "BCIC", {}},
    {DictionaryId::BangladeshDictionary, 10, "BFDC", {}},
    {DictionaryId::BangladeshDictionary, 12, "BAU", {}},
    {DictionaryId::BangladeshDictionary, 33, "BARD", {}},
    {DictionaryId::BangladeshDictionary, 57, "BSC", {}},
    {DictionaryId::BangladeshDictionary, 130, "DMP", {}},
    {DictionaryId::BangladeshDictionary, 166, "FRI", {}},
    {DictionaryId::BangladeshDictionary, 185, "ICMA", {}},
    {DictionaryId::BangladeshDictionary, 200, "ICMAB", {}},
    {DictionaryId::BangladeshDictionary, 208, "KPM", {}},
    {DictionaryId::BangladeshDictionary, 224, "NSI", {}},
    {DictionaryId::BangladeshDictionary, 239, "PIB", {}},
    {DictionaryId::InternationalDictionary, 7, "AD", {}},
    {DictionaryId::InternationalDictionary, 63, "EFTA", {}},
    {DictionaryId::InternationalDictionary, 94, "ICAO", {}},
    {DictionaryId::InternationalDictionary, 99, "IRRI", {}},
    {DictionaryId::InternationalDictionary, 107, "ICC", {}},
    {DictionaryId::InternationalDictionary, 166, "PUK", {}},
    {DictionaryId::InternationalDictionary, 178, "SAPTA", {}},
    {DictionaryId::InternationalDictionary, 193, "TWA", {}},
    {DictionaryId::InternationalDictionary, 207, "UNESCO", {}},
    {DictionaryId::InternationalDictionary, 217, "WPC", {}},
};

std::string Name(DictionaryId id) {
    return std::string(dictionaries::DictionaryName(id));
}

std::string Row(DictionaryId id, int position) {
    return Name(id) + " row " + std::to_string(position);
}

bool InGroups(const Groups& groups, const std::vector<int>& group) {
    return std::find(groups.begin(), groups.end(), group) != groups.end();
}

bool IsAbbreviationCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || c == '&' || c == '-' || c == '.';
}

TEST(BangladeshInternationalTables, RowCountsAndDistinctAbbreviations) {
    for (const Shape& shape : kShapes) {
        const DictionaryTable& table = Dictionary(shape.id);
        EXPECT_EQ(table.RowCount(), shape.rows) << Name(shape.id) << ": row count";
        std::set<std::string_view> distinct;
        for (const AbbreviationEntry& row : table)
            distinct.insert(row.Abbreviation);
        EXPECT_EQ(distinct.size(), shape.distinctAbbreviations)
            << Name(shape.id) << ": distinct abbreviations";
    }
}

TEST(BangladeshInternationalTables, OnlyPositionsInsideTheTableHaveARow) {
    for (const Shape& shape : kShapes) {
        const DictionaryTable& table = Dictionary(shape.id);
        for (int position : {INT_MIN, -1, shape.rows, shape.rows + 1, INT_MAX})
            EXPECT_EQ(table.Entry(position), nullptr) << Row(shape.id, position) << ": should have no row";
        for (int position : {0, shape.rows - 1}) {
            const AbbreviationEntry* row = table.Entry(position);
            ASSERT_NE(row, nullptr) << Row(shape.id, position) << ": missing";
            EXPECT_FALSE(row->Elaboration.empty()) << Row(shape.id, position) << ": no elaboration";
        }
    }
}

TEST(BangladeshInternationalTables, GivenRowsStandAtTheirPositions) {
    for (const GivenRow& given : kGivenRows) {
        const AbbreviationEntry* row = Dictionary(given.id).Entry(given.position);
        ASSERT_NE(row, nullptr) << Row(given.id, given.position) << ": missing";
        EXPECT_EQ(row->Abbreviation, given.abbreviation) << Row(given.id, given.position) << ": abbreviation";
        EXPECT_EQ(row->Elaboration, given.elaboration) << Row(given.id, given.position) << ": elaboration";
    }
    for (const GivenRow& given : kGivenAbbreviations) {
        const AbbreviationEntry* row = Dictionary(given.id).Entry(given.position);
        ASSERT_NE(row, nullptr) << Row(given.id, given.position) << ": missing";
        EXPECT_EQ(row->Abbreviation, given.abbreviation) << Row(given.id, given.position) << ": abbreviation";
    }
}

TEST(BangladeshInternationalTables, DuplicateAbbreviationsAreExactlyTheListedPairs) {
    for (const Shape& shape : kShapes) {
        const DictionaryTable& table = Dictionary(shape.id);
        EXPECT_EQ(tablechecks::DuplicateAbbreviations(table), shape.duplicates)
            << Name(shape.id) << ": duplicate abbreviations";
        for (const std::vector<int>& pair : shape.duplicates) {
            const AbbreviationEntry* lower = table.Entry(pair[0]);
            const AbbreviationEntry* higher = table.Entry(pair[1]);
            ASSERT_NE(lower, nullptr) << Row(shape.id, pair[0]) << ": missing";
            ASSERT_NE(higher, nullptr) << Row(shape.id, pair[1]) << ": missing";
            const bool shared = InGroups(shape.sharedDuplicates, pair);
            EXPECT_EQ(lower->Elaboration == higher->Elaboration, shared)
                << Row(shape.id, pair[1]) << ": duplicate of row " << pair[0] << " should "
                << (shared ? "share its elaboration" : "have an elaboration of its own");
        }
    }
}

TEST(BangladeshInternationalTables, SharedElaborationsAreExactlyTheListedPairs) {
    for (const Shape& shape : kShapes)
        EXPECT_EQ(tablechecks::SharedElaborations(Dictionary(shape.id)), shape.sharedElaborations)
            << Name(shape.id) << ": positions with equal elaborations";
}

TEST(BangladeshInternationalTables, TextLengthsStayWithinTheirLimitsAndReachThem) {
    for (const Shape& shape : kShapes) {
        const DictionaryTable& table = Dictionary(shape.id);
        tablechecks::ExpectLengthsSpan(table, Name(shape.id), &AbbreviationEntry::Abbreviation,
                                       "abbreviation", shape.abbreviationMin, shape.abbreviationMax);
        const tablechecks::LengthEnds elaborations =
            tablechecks::ExpectLengthsSpan(table, Name(shape.id), &AbbreviationEntry::Elaboration,
                                           "elaboration", shape.elaborationMin, shape.elaborationMax);
        EXPECT_EQ(elaborations.longest, std::vector<int>{shape.longestElaborationRow})
            << Name(shape.id) << ": rows with the longest elaboration";
    }
}

TEST(BangladeshInternationalTables, TextsAreSingleLinePrintableAscii) {
    std::set<char> punctuation;
    for (const Shape& shape : kShapes) {
        const DictionaryTable& table = Dictionary(shape.id);
        for (int i = 0; i < table.RowCount(); ++i) {
            const AbbreviationEntry& row = *table.Entry(i);
            for (char c : row.Abbreviation) {
                EXPECT_TRUE(IsAbbreviationCharacter(c))
                    << Row(shape.id, i) << ": abbreviation character '" << c << "'";
                if (c < 'A' || c > 'Z')
                    punctuation.insert(c);
            }
            for (char c : row.Elaboration)
                EXPECT_TRUE(c >= 0x20 && c <= 0x7E) << Row(shape.id, i) << ": elaboration byte "
                                                    << static_cast<int>(static_cast<unsigned char>(c));
        }
    }
    EXPECT_EQ(punctuation, (std::set<char>{'&', '-', '.'}))
        << "BangladeshDictionary and InternationalDictionary: ampersand, hyphen and full stop in "
           "abbreviations";
}

TEST(BangladeshInternationalTables, BlanksStandOnlyWhereTheTextHasThem) {
    for (const Shape& shape : kShapes) {
        const DictionaryTable& table = Dictionary(shape.id);
        for (int i = 0; i < table.RowCount(); ++i) {
            const AbbreviationEntry& row = *table.Entry(i);
            EXPECT_EQ(row.Abbreviation.find(' '), std::string_view::npos)
                << Row(shape.id, i) << ": blank in abbreviation";
            EXPECT_NE(row.Elaboration.front(), ' ') << Row(shape.id, i) << ": leading blank";
            EXPECT_NE(row.Elaboration.back(), ' ') << Row(shape.id, i) << ": trailing blank";
            const std::size_t run = tablechecks::LongestBlankRun(row.Elaboration);
            auto listed = std::find_if(shape.blankRuns.begin(), shape.blankRuns.end(),
                                       [i](const auto& entry) { return entry.first == i; });
            if (listed != shape.blankRuns.end())
                EXPECT_EQ(run, listed->second) << Row(shape.id, i) << ": longest run of blanks";
            else
                EXPECT_LE(run, 1u) << Row(shape.id, i) << ": run of blanks";
        }
    }
    const AbbreviationEntry* saye = Dictionary(DictionaryId::InternationalDictionary).Entry(182);
    ASSERT_NE(saye, nullptr);
    EXPECT_NE(saye->Elaboration.find("As  you"), std::string_view::npos)
        << "InternationalDictionary row 182: two blanks between \"As\" and \"you\"";
}

TEST(BangladeshInternationalTables, ElaborationsEndInAFullStop) {
    for (const Shape& shape : kShapes) {
        const DictionaryTable& table = Dictionary(shape.id);
        for (int i = 0; i < table.RowCount(); ++i) {
            const bool expected =
                std::find(shape.elaborationsWithoutFullStop.begin(), shape.elaborationsWithoutFullStop.end(),
                          i) == shape.elaborationsWithoutFullStop.end();
            EXPECT_EQ(table.Entry(i)->Elaboration.ends_with('.'), expected)
                << Row(shape.id, i) << ": full stop at the end of the elaboration";
        }
    }
}

TEST(BangladeshInternationalTables, RowsAreGroupedByFirstLetterFromAToW) {
    for (const Shape& shape : kShapes) {
        const DictionaryTable& table = Dictionary(shape.id);
        EXPECT_EQ(tablechecks::FirstLetterRuns(table), shape.groupLetters)
            << Name(shape.id) << ": letter groups";
        const std::vector<int> all = tablechecks::OutOfOrderPairs(table, false);
        EXPECT_EQ(all.size(), shape.outOfOrderPairs) << Name(shape.id) << ": neighbouring pairs out of order";
        EXPECT_EQ(all, tablechecks::OutOfOrderPairs(table, true))
            << Name(shape.id) << ": a pair across a group boundary is out of order";
    }
    // Within a group the rows follow no alphabetical order: "ADP" stands before "ADAB".
    const DictionaryTable& bangladesh = Dictionary(DictionaryId::BangladeshDictionary);
    int adp = -1, adab = -1;
    for (int i = 0; i < bangladesh.RowCount(); ++i) {
        if (bangladesh.Entry(i)->Abbreviation == "ADP")
            adp = i;
        if (bangladesh.Entry(i)->Abbreviation == "ADAB")
            adab = i;
    }
    EXPECT_GE(adp, 0) << "BangladeshDictionary: no row \"ADP\"";
    EXPECT_GT(adab, adp) << "BangladeshDictionary: \"ADAB\" should stand after \"ADP\"";
}

TEST(BangladeshInternationalTables,
     TypingReachesEveryRowButTheHigherOfADuplicatePairAndThoseAnEarlierRowBeginsWith) {
    for (const Shape& shape : kShapes) {
        const DictionaryTable& table = Dictionary(shape.id);
        EXPECT_EQ(tablechecks::CaseInsensitiveDuplicates(table), shape.duplicates)
            << Name(shape.id) << ": abbreviations equal without regard to case";
        tablechecks::ExpectTypeAheadReach(table, Name(shape.id), shape.duplicates, shape.unreachableByTyping);
    }
}

TEST(BangladeshInternationalTables, AnEarlierLongerAbbreviationTakesTheTypedText) {
    const DictionaryTable& international = Dictionary(DictionaryId::InternationalDictionary);
    EXPECT_EQ(international.Entry(7)->Abbreviation, "AD");
    EXPECT_EQ(FirstMatch(international, "AD"), 0) << "InternationalDictionary: typing \"AD\"";
    EXPECT_EQ(FirstMatch(international, "ad"), 0) << "InternationalDictionary: typing \"ad\"";
    EXPECT_EQ(FirstMatch(international, "ADB"), 0) << "InternationalDictionary: typing \"ADB\"";
}

} // namespace
