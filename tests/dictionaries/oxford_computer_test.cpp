// Shape of the Oxford and computer dictionary tables as the program compiles them in.
#include "tests/dictionaries/TableChecks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

using dictionaries::AbbreviationEntry;
using dictionaries::Dictionary;
using dictionaries::DictionaryId;
using dictionaries::DictionaryTable;
using tablechecks::Characters;
using tablechecks::FirstMatch;
using Groups = std::vector<std::vector<int>>;

struct Shape {
    DictionaryId id;
    int rows;
    std::size_t distinctAbbreviations;
    Groups duplicates; // equal abbreviations
    Groups equalIgnoringCase;
    Groups sharedElaborations;
    std::size_t abbreviationMin, abbreviationMax;
    std::size_t elaborationMin, elaborationMax;
    std::vector<int> trailingBlankElaborations;
    // Rows that typing their own abbreviation does not select, because an earlier row matches it.
    std::vector<int> unreachableByTyping;
};

const Shape kShapes[] = {
    {DictionaryId::OxfordDictionary,
     440,
     438,
     {{8, 9}, {118, 119}},
     {{8, 9}, {27, 28}, {86, 87}, {118, 119}},
     {{100, 295}},
     1,
     16,
     4,
     99,
     {129, 205, 250},
     {9, 28, 87, 119, 379}},
    {DictionaryId::ComputerDictionary, 96, 96, {}, {}, {}, 2, 6, 12, 50, {0}, {}},
};

std::string Name(DictionaryId id) {
    return std::string(dictionaries::DictionaryName(id));
}

bool Contains(const std::vector<int>& positions, int position) {
    return std::find(positions.begin(), positions.end(), position) != positions.end();
}

bool InGroups(const Groups& groups, const std::vector<int>& group) {
    return std::find(groups.begin(), groups.end(), group) != groups.end();
}

const DictionaryTable& Oxford() {
    return Dictionary(DictionaryId::OxfordDictionary);
}
const DictionaryTable& Computer() {
    return Dictionary(DictionaryId::ComputerDictionary);
}

TEST(OxfordComputerTables, RowCountsAndDistinctAbbreviations) {
    for (const Shape& shape : kShapes) {
        const DictionaryTable& table = Dictionary(shape.id);
        EXPECT_EQ(table.RowCount(), shape.rows) << Name(shape.id) << ": row count";
        std::set<std::string_view> distinct;
        for (const auto& row : table)
            distinct.insert(row.Abbreviation);
        EXPECT_EQ(distinct.size(), shape.distinctAbbreviations)
            << Name(shape.id) << ": distinct abbreviations";
    }
}

TEST(OxfordComputerTables, PositionsOutsideTheTableNameNoRow) {
    for (const Shape& shape : kShapes) {
        const DictionaryTable& table = Dictionary(shape.id);
        const int n = table.RowCount();
        for (int position : {INT_MIN, -2, -1, n, n + 1, INT_MAX})
            EXPECT_EQ(table.Entry(position), nullptr)
                << Name(shape.id) << " row " << position << ": names a row";
        for (int position : {0, n - 1}) {
            const auto* entry = table.Entry(position);
            ASSERT_NE(entry, nullptr) << Name(shape.id) << " row " << position << ": no row";
            EXPECT_FALSE(entry->Elaboration.empty())
                << Name(shape.id) << " row " << position << ": no elaboration";
        }
    }
}

struct GivenRow {
    DictionaryId id;
    int position;
    std::string_view abbreviation;
    const char* elaboration; // nullptr where only the abbreviation is fixed
};

const GivenRow kGivenRows[] = {
    {DictionaryId::OxfordDictionary, 0, "AA", "Automibile Association, Alcholics Anonymous."},
    {DictionaryId::OxfordDictionary, 8, "AC", "air conditioning"},
    {DictionaryId::OxfordDictionary, 9, "AC", "alternating current"},
    {DictionaryId::OxfordDictionary, 11, "AD, A.D.", "Anno Domini"},
    {DictionaryId::OxfordDictionary, 27, "arr", nullptr},
    {DictionaryId::OxfordDictionary, 28, "ARR", nullptr},
    {DictionaryId::OxfordDictionary, 86, "ct, ct.", nullptr},
    {DictionaryId::OxfordDictionary, 87, "CT, CT.", nullptr},
    {DictionaryId::OxfordDictionary, 100, "DPhil", "Doctor of Philosophy"},
    {DictionaryId::OxfordDictionary, 118, "ESOL", nullptr},
    {DictionaryId::OxfordDictionary, 119, "ESOL", nullptr},
    {DictionaryId::OxfordDictionary, 129, "FBI", "Federal Bureau of Investigation "},
    {DictionaryId::OxfordDictionary, 295, "PhD, Ph.D", "Doctor of Philosophy"},
    {DictionaryId::OxfordDictionary, 377, "TBA", nullptr},
    {DictionaryId::OxfordDictionary, 379, "TB", nullptr},
    {DictionaryId::OxfordDictionary, 384, "TESOL",
     "teaching English to speakers of other languages; teachers of English to Speakers of other languages"},
    {DictionaryId::OxfordDictionary, 439, "YWCA", "Young Women's Christian Association"},
    {DictionaryId::ComputerDictionary, 0, "ABC", "Atanasoff Berry Computer "},
    {DictionaryId::ComputerDictionary, 6, "ASII", "American Standard Code for information Interchange"},
    {DictionaryId::ComputerDictionary, 13, "CD", "Compact Disk"},
    {DictionaryId::ComputerDictionary, 95, "WWW", "World Wide Web"},
};

TEST(OxfordComputerTables, GivenRowsStandAtTheirPositions) {
    for (const GivenRow& given : kGivenRows) {
        const auto* entry = Dictionary(given.id).Entry(given.position);
        ASSERT_NE(entry, nullptr) << Name(given.id) << " row " << given.position << ": missing";
        EXPECT_EQ(entry->Abbreviation, given.abbreviation)
            << Name(given.id) << " row " << given.position << ": abbreviation";
        if (given.elaboration) {
            EXPECT_EQ(entry->Elaboration, given.elaboration)
                << Name(given.id) << " row " << given.position << ": elaboration";
        }
    }
}

TEST(OxfordComputerTables, DuplicatePairs) {
    for (const Shape& shape : kShapes) {
        const DictionaryTable& table = Dictionary(shape.id);
        EXPECT_EQ(tablechecks::DuplicateAbbreviations(table), shape.duplicates)
            << Name(shape.id) << ": duplicate abbreviations";
        for (const auto& pair : shape.duplicates) {
            const bool shared = table.Entry(pair[0])->Elaboration == table.Entry(pair[1])->Elaboration;
            EXPECT_EQ(shared, InGroups(shape.sharedElaborations, pair))
                << Name(shape.id) << " rows " << pair[0] << " and " << pair[1]
                << ": duplicate pair sharing its elaboration or not as marked";
        }
    }
}

TEST(OxfordComputerTables, PairsThatDifferOnlyInLetterCase) {
    for (const Shape& shape : kShapes) {
        const DictionaryTable& table = Dictionary(shape.id);
        EXPECT_EQ(tablechecks::CaseInsensitiveDuplicates(table), shape.equalIgnoringCase)
            << Name(shape.id) << ": abbreviations equal without regard to case";
        for (const auto& pair : shape.equalIgnoringCase) {
            if (InGroups(shape.duplicates, pair))
                continue;
            EXPECT_NE(table.Entry(pair[0])->Abbreviation, table.Entry(pair[1])->Abbreviation)
                << Name(shape.id) << " rows " << pair[0] << " and " << pair[1] << ": not a case-only pair";
            EXPECT_NE(table.Entry(pair[0])->Elaboration, table.Entry(pair[1])->Elaboration)
                << Name(shape.id) << " rows " << pair[0] << " and " << pair[1]
                << ": case-only pair with one elaboration";
        }
    }
}

TEST(OxfordComputerTables, SharedElaborations) {
    for (const Shape& shape : kShapes)
        EXPECT_EQ(tablechecks::SharedElaborations(Dictionary(shape.id)), shape.sharedElaborations)
            << Name(shape.id) << ": positions with equal elaborations";
}

TEST(OxfordComputerTables, FieldLengths) {
    for (const Shape& shape : kShapes) {
        const DictionaryTable& table = Dictionary(shape.id);
        tablechecks::ExpectLengthsSpan(table, Name(shape.id), &AbbreviationEntry::Abbreviation,
                                       "abbreviation", shape.abbreviationMin, shape.abbreviationMax);
        tablechecks::ExpectLengthsSpan(table, Name(shape.id), &AbbreviationEntry::Elaboration, "elaboration",
                                       shape.elaborationMin, shape.elaborationMax);
    }
}

struct ExtremeElaboration {
    DictionaryId id;
    int position;
    bool longest; // otherwise the shortest
};

TEST(OxfordComputerTables, NamedLongestAndShortestElaborationsStandAlone) {
    const ExtremeElaboration cases[] = {
        {DictionaryId::OxfordDictionary, 384, true},
        {DictionaryId::ComputerDictionary, 6, true},
        {DictionaryId::ComputerDictionary, 13, false},
    };
    for (const auto& c : cases) {
        const DictionaryTable& table = Dictionary(c.id);
        const std::size_t extreme = Characters(table.Entry(c.position)->Elaboration);
        for (int i = 0; i < table.RowCount(); ++i) {
            if (i == c.position)
                continue;
            const std::size_t length = Characters(table.Entry(i)->Elaboration);
            EXPECT_TRUE(c.longest ? length < extreme : length > extreme)
                << Name(c.id) << " row " << i << ": elaboration of " << length << " characters rivals row "
                << c.position << (c.longest ? ", the longest" : ", the shortest");
        }
    }
}

TEST(OxfordComputerTables, FieldsArePrintableAscii) {
    for (const Shape& shape : kShapes) {
        const DictionaryTable& table = Dictionary(shape.id);
        for (int i = 0; i < table.RowCount(); ++i) {
            for (std::string_view field : {table.Entry(i)->Abbreviation, table.Entry(i)->Elaboration}) {
                EXPECT_FALSE(field.empty()) << Name(shape.id) << " row " << i << ": empty field";
                EXPECT_TRUE(
                    std::all_of(field.begin(), field.end(), [](char c) { return c >= 0x20 && c <= 0x7E; }))
                    << Name(shape.id) << " row " << i << ": character outside printable ASCII in \"" << field
                    << "\"";
            }
        }
    }
}

bool IsUpper(char c) {
    return c >= 'A' && c <= 'Z';
}
bool IsLower(char c) {
    return c >= 'a' && c <= 'z';
}

TEST(OxfordComputerTables, OxfordAbbreviationCharacters) {
    const std::string_view punctuation = "./&- 2,";
    bool upper = false, lower = false;
    std::set<char> seen;
    for (int i = 0; i < Oxford().RowCount(); ++i) {
        for (char c : Oxford().Entry(i)->Abbreviation) {
            upper = upper || IsUpper(c);
            lower = lower || IsLower(c);
            if (punctuation.find(c) != std::string_view::npos)
                seen.insert(c);
            EXPECT_TRUE(IsUpper(c) || IsLower(c) || punctuation.find(c) != std::string_view::npos)
                << "OxfordDictionary row " << i << ": character '" << c << "' in an abbreviation";
        }
    }
    EXPECT_TRUE(upper) << "OxfordDictionary: no capital letter in any abbreviation";
    EXPECT_TRUE(lower) << "OxfordDictionary: no small letter in any abbreviation";
    for (char c : punctuation)
        EXPECT_TRUE(seen.count(c)) << "OxfordDictionary: no abbreviation holds '" << c << "'";
}

TEST(OxfordComputerTables, ComputerAbbreviationsAreCapitalsWithOneTwo) {
    std::vector<int> withDigit;
    for (int i = 0; i < Computer().RowCount(); ++i) {
        const std::string_view abbreviation = Computer().Entry(i)->Abbreviation;
        for (char c : abbreviation)
            EXPECT_TRUE(IsUpper(c) || c == '2')
                << "ComputerDictionary row " << i << ": character '" << c << "' in an abbreviation";
        if (abbreviation.find('2') != std::string_view::npos)
            withDigit.push_back(i);
    }
    ASSERT_EQ(withDigit.size(), 1u) << "ComputerDictionary: rows holding the digit 2";
    EXPECT_EQ(Computer().Entry(withDigit[0])->Abbreviation, "B2C")
        << "ComputerDictionary row " << withDigit[0] << ": the row with the digit";
}

TEST(OxfordComputerTables, BlanksOnlyWhereTheyBelong) {
    for (const Shape& shape : kShapes) {
        const DictionaryTable& table = Dictionary(shape.id);
        for (int i = 0; i < table.RowCount(); ++i) {
            const auto& row = *table.Entry(i);
            EXPECT_NE(row.Abbreviation.front(), ' ') << Name(shape.id) << " row " << i << ": leading blank";
            EXPECT_NE(row.Abbreviation.back(), ' ') << Name(shape.id) << " row " << i << ": trailing blank";
            EXPECT_LE(tablechecks::LongestBlankRun(row.Abbreviation), 1u)
                << Name(shape.id) << " row " << i << ": run of blanks in the abbreviation";
            EXPECT_NE(row.Elaboration.front(), ' ')
                << Name(shape.id) << " row " << i << ": leading blank in the elaboration";
            EXPECT_LE(tablechecks::LongestBlankRun(row.Elaboration), 1u)
                << Name(shape.id) << " row " << i << ": run of blanks in the elaboration";
            EXPECT_EQ(row.Elaboration.back() == ' ', Contains(shape.trailingBlankElaborations, i))
                << Name(shape.id) << " row " << i
                << ": trailing blank in the elaboration, or none where one belongs";
        }
    }
}

TEST(OxfordComputerTables, ComputerRowsStrictlyAscendingByCharacterCode) {
    for (int i = 0; i + 1 < Computer().RowCount(); ++i)
        EXPECT_LT(Computer().Entry(i)->Abbreviation, Computer().Entry(i + 1)->Abbreviation)
            << "ComputerDictionary row " << i << ": not before row " << i + 1;
    EXPECT_TRUE(tablechecks::OutOfOrderPairs(Computer(), false).empty())
        << "ComputerDictionary: neighbouring pairs out of order";
}

TEST(OxfordComputerTables, OxfordGroupedByFirstLetterFromAToY) {
    const std::vector<int> strays = tablechecks::RowsInsideOtherGroups(Oxford());
    EXPECT_EQ(strays, (std::vector<int>{54, 205})) << "OxfordDictionary: rows inside another letter's group";
    char previous = 'a';
    for (int i = 0; i < Oxford().RowCount(); ++i) {
        if (Contains(strays, i))
            continue;
        const char first = tablechecks::Lower(Oxford().Entry(i)->Abbreviation.substr(0, 1))[0];
        EXPECT_TRUE(first >= previous && first <= 'y')
            << "OxfordDictionary row " << i << ": '" << first << "' out of its letter group";
        previous = std::max(previous, first);
    }
    EXPECT_EQ(previous, 'y') << "OxfordDictionary: the last group";
    EXPECT_EQ(tablechecks::OutOfOrderPairs(Oxford(), true).size(), 27u)
        << "OxfordDictionary: neighbouring pairs out of order within groups";
}

struct Typed {
    DictionaryId id;
    std::string_view text;
    int selected;
};

TEST(OxfordComputerTables, TypedTextSelectsTheFirstMatchingRow) {
    const Typed cases[] = {
        {DictionaryId::OxfordDictionary, "TB", 377},        {DictionaryId::OxfordDictionary, "tb", 377},
        {DictionaryId::OxfordDictionary, "TBA", 377},       {DictionaryId::OxfordDictionary, "AC", 8},
        {DictionaryId::OxfordDictionary, "ac", 8},          {DictionaryId::OxfordDictionary, "ARR", 27},
        {DictionaryId::OxfordDictionary, "CT, CT.", 86},    {DictionaryId::OxfordDictionary, "DPhil", 100},
        {DictionaryId::OxfordDictionary, "ESOL", 118},      {DictionaryId::OxfordDictionary, "PhD", 295},
        {DictionaryId::OxfordDictionary, "PhD, Ph.D", 295}, {DictionaryId::OxfordDictionary, "TESOL", 384},
        {DictionaryId::OxfordDictionary, "tesol", 384},     {DictionaryId::OxfordDictionary, "YWCA", 439},
        {DictionaryId::OxfordDictionary, "zz", -1},         {DictionaryId::ComputerDictionary, "ABC", 0},
        {DictionaryId::ComputerDictionary, "ASII", 6},      {DictionaryId::ComputerDictionary, "cd", 13},
        {DictionaryId::ComputerDictionary, "WWW", 95},      {DictionaryId::ComputerDictionary, "zz", -1},
    };
    for (const Typed& c : cases)
        EXPECT_EQ(FirstMatch(Dictionary(c.id), c.text), c.selected)
            << Name(c.id) << " row " << c.selected << ": typing \"" << c.text << "\"";
}

TEST(OxfordComputerTables, TypingReachesEveryRowButTheHigherOfAPairAndThoseAnEarlierRowBeginsWith) {
    for (const Shape& shape : kShapes)
        tablechecks::ExpectTypeAheadReach(Dictionary(shape.id), Name(shape.id), shape.equalIgnoringCase,
                                          shape.unreachableByTyping);
}

} // namespace
