#include "TableChecks.h"

#include "platform/core/SutonnyMj.h"
#include "platform/core/Windows1252.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using tablechecks::Bytes;

constexpr int kRows = 764;

class HardwareTableTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(table.RowCount(), kRows) << "the hardware dictionary's row count"; }

    std::string_view Abbreviation(int row) const { return table.Entry(row)->Abbreviation; }
    std::string Elaboration(int row) const { return Bytes(table.Entry(row)->Elaboration); }

    // The index of the row with this abbreviation, or -1.
    int Find(std::string_view abbreviation) const {
        for (int i = 0; i < kRows; ++i) {
            if (Abbreviation(i) == abbreviation)
                return i;
        }
        return -1;
    }

    const dictionaries::DictionaryTable& table =
        dictionaries::Dictionary(dictionaries::DictionaryId::HardwareDictionary);
};

std::size_t LeadingBlanks(std::string_view text) {
    std::size_t n = 0;
    while (n < text.size() && text[n] == ' ')
        ++n;
    return n;
}

std::size_t TrailingBlanks(std::string_view text) {
    std::size_t n = 0;
    while (n < text.size() && text[text.size() - 1 - n] == ' ')
        ++n;
    return n;
}

// The first-letter group of an abbreviation, letter case ignored.
char Group(std::string_view abbreviation) {
    return abbreviation.empty()
               ? '\0'
               : static_cast<char>(std::toupper(static_cast<unsigned char>(abbreviation[0])));
}

bool StartsWithDigit(std::string_view abbreviation) {
    return !abbreviation.empty() && std::isdigit(static_cast<unsigned char>(abbreviation[0])) != 0;
}

// One line of dictionaries/spelling.tsv: a spelling the table uses and those it does not.
struct Spelling {
    int line;
    std::string used;
    std::vector<std::string> notUsed;
};

std::vector<Spelling> ReadSpellingList() {
    std::vector<Spelling> list;
    std::ifstream in(LUMITRA_SPELLING_LIST, std::ios::binary);
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        if (text.empty() || text[0] == '#')
            continue;
        const auto tab = text.find('\t');
        const auto tab2 = text.find('\t', tab + 1);
        Spelling spelling{line, text.substr(0, tab), {}};
        const std::string others = text.substr(tab + 1, tab2 == std::string::npos ? tab2 : tab2 - tab - 1);
        for (std::size_t start = 0;;) {
            const auto bar = others.find(" | ", start);
            spelling.notUsed.push_back(others.substr(start, bar == std::string::npos ? bar : bar - start));
            if (bar == std::string::npos)
                break;
            start = bar + 3;
        }
        if (tab == std::string::npos || spelling.used.empty())
            spelling.notUsed.clear();
        list.push_back(std::move(spelling));
    }
    return list;
}

bool IsBengaliLetter(char32_t c) {
    return (c >= 0x0980 && c <= 0x09FF) || c == 0x200C || c == 0x200D;
}

// Where a spelling of the list stands in a text, as [start, end) ranges: a whole word, or with
// further letters where the spelling has a "*".
std::vector<std::pair<std::size_t, std::size_t>> Occurrences(const std::u32string& text,
                                                             std::string_view spelling) {
    std::u32string core = platform::DecodeUtf8(spelling);
    const bool openStart = !core.empty() && core.front() == U'*';
    const bool openEnd = core.size() > 1 && core.back() == U'*';
    core = core.substr(openStart ? 1 : 0, core.size() - (openStart ? 1 : 0) - (openEnd ? 1 : 0));
    std::vector<std::pair<std::size_t, std::size_t>> found;
    for (std::size_t at = text.find(core); !core.empty() && at != std::u32string::npos;
         at = text.find(core, at + 1)) {
        const std::size_t end = at + core.size();
        if ((openStart || at == 0 || !IsBengaliLetter(text[at - 1])) &&
            (openEnd || end == text.size() || !IsBengaliLetter(text[end])))
            found.emplace_back(at, end);
    }
    return found;
}

TEST_F(HardwareTableTest, EveryRowKeepsToTheSpellingList) {
    const std::vector<Spelling> list = ReadSpellingList();
    ASSERT_FALSE(list.empty()) << "no spelling list at " << LUMITRA_SPELLING_LIST;
    for (const Spelling& s : list)
        EXPECT_FALSE(s.notUsed.empty() || s.notUsed.front().empty())
            << "spelling list line " << s.line << ": not a used spelling, a tab and the others";
    std::vector<int> rowsUsing(list.size(), 0);
    for (int i = 0; i < kRows; ++i) {
        const std::u32string text = platform::DecodeUtf8(platform::DecodeSutonnyMj(Elaboration(i)));
        // A spelling used may hold one that is not ("কি না" holds "কি"); there it stands.
        std::vector<std::pair<std::size_t, std::size_t>> usedAt;
        for (std::size_t k = 0; k < list.size(); ++k) {
            const auto used = Occurrences(text, list[k].used);
            rowsUsing[k] += used.empty() ? 0 : 1;
            usedAt.insert(usedAt.end(), used.begin(), used.end());
        }
        for (const Spelling& s : list) {
            for (const std::string& other : s.notUsed) {
                for (const auto& [start, end] : Occurrences(text, other)) {
                    if (std::any_of(usedAt.begin(), usedAt.end(),
                                    [&](const auto& u) { return u.first <= start && end <= u.second; }))
                        continue;
                    const std::size_t from = start < 12 ? 0 : start - 12;
                    ADD_FAILURE() << "row " << i << ": \"" << other << "\" where the list uses \"" << s.used
                                  << "\": ..." << platform::EncodeUtf8(text.substr(from, end + 12 - from))
                                  << "...";
                }
            }
        }
    }
    for (std::size_t k = 0; k < list.size(); ++k)
        EXPECT_GT(rowsUsing[k], 0) << "spelling list line " << list[k].line << ": no row uses \""
                                   << list[k].used << "\"";
}

TEST_F(HardwareTableTest, DuplicateAbbreviations) {
    std::set<std::string_view> distinct;
    for (int i = 0; i < kRows; ++i)
        distinct.insert(Abbreviation(i));
    EXPECT_EQ(distinct.size(), 762u) << "distinct abbreviations";
    EXPECT_EQ(tablechecks::DuplicateAbbreviations(table),
              (std::vector<std::vector<int>>{{443, 444}, {650, 651}}))
        << "duplicate pairs";
    EXPECT_EQ(Abbreviation(443), "Memory board") << "row 443";
    EXPECT_EQ(Abbreviation(650), "Source") << "row 650";
}

TEST_F(HardwareTableTest, SharedElaboration) {
    EXPECT_EQ(tablechecks::SharedElaborations(table), (std::vector<std::vector<int>>{{382, 383}}))
        << "the only positions with equal elaborations";
    EXPECT_EQ(Abbreviation(382), "IP (internet protocol)") << "row 382";
    EXPECT_EQ(Abbreviation(383), "Internet Protocol") << "row 383";
    EXPECT_EQ(Elaboration(382).size(), 56u) << "row 382: elaboration length";
}

TEST_F(HardwareTableTest, AbbreviationLimits) {
    for (int i = 0; i < kRows; ++i) {
        std::string_view a = Abbreviation(i);
        EXPECT_GE(a.size(), 1u) << "row " << i << ": empty abbreviation";
        EXPECT_LE(a.size(), 60u) << "row " << i << ": abbreviation longer than 60 characters";
        for (char c : a) {
            EXPECT_TRUE(c >= 0x20 && c <= 0x7E) << "row " << i << ": abbreviation is not printable ASCII";
        }
        EXPECT_EQ(LeadingBlanks(a), 0u) << "row " << i << ": abbreviation starts with a blank";
        EXPECT_EQ(a.find("  "), std::string_view::npos)
            << "row " << i << ": run of blanks in the abbreviation";
        if (i == 320) {
            EXPECT_EQ(TrailingBlanks(a), 1u) << "row 320: one trailing blank";
        } else {
            EXPECT_EQ(TrailingBlanks(a), 0u) << "row " << i << ": trailing blank in the abbreviation";
        }
        if (i != 218) {
            EXPECT_LT(a.size(), 60u) << "row " << i << ": as long as row 218, the longest abbreviation";
        }
    }
}

TEST_F(HardwareTableTest, LengthsReachBothEndsOfTheirRanges) {
    // One character of an elaboration is one byte of the font.
    const tablechecks::LengthEnds abbreviations = tablechecks::ExpectLengthsSpan(
        table, "HardwareDictionary", &dictionaries::AbbreviationEntry::Abbreviation, "abbreviation", 1, 60);
    tablechecks::ExpectLengthsSpan(table, "HardwareDictionary", &dictionaries::AbbreviationEntry::Elaboration,
                                   "elaboration", 10, 355);
    EXPECT_EQ(abbreviations.shortest, std::vector<int>{395}) << "the one-character term";
}

TEST_F(HardwareTableTest, TypingReachesEveryRowButTheHigherOfADuplicatePair) {
    const std::vector<std::vector<int>> pairs = {{443, 444}, {650, 651}};
    EXPECT_EQ(tablechecks::CaseInsensitiveDuplicates(table), pairs)
        << "abbreviations equal without regard to case";
    tablechecks::ExpectTypeAheadReach(table, "HardwareDictionary", pairs, {444, 651});
}

TEST_F(HardwareTableTest, ElaborationLengths) {
    for (int i = 0; i < kRows; ++i) {
        std::string e = Elaboration(i);
        EXPECT_GE(e.size(), 10u) << "row " << i << ": elaboration shorter than 10 bytes";
        EXPECT_LE(e.size(), 355u) << "row " << i << ": elaboration longer than 355 bytes";
        if (i != 401) {
            EXPECT_LT(e.size(), 355u) << "row " << i << ": as long as row 401, the longest elaboration";
        }
    }
    EXPECT_EQ(Elaboration(401).size(), 355u) << "row 401: the longest elaboration";
}

TEST_F(HardwareTableTest, NamedRows) {
    struct Named {
        int row;
        std::string_view abbreviation;
        std::size_t bytes; // 0: not fixed
    };
    const Named kNamed[] = {
        {0, "A:", 83},
        {73, "Warmboot", 0},
        {218, "EEPROM (Electrically Erasable Programmable Read Only Memory)", 236},
        {309, "G(Giga)", 0},
        {320, "Hard Disk ", 67},
        {321, "Hard Disk Controller", 0},
        {382, "IP (internet protocol)", 56},
        {383, "Internet Protocol", 56},
        {395, "K", 0},
        {400, "Kilobyte", 0},
        {401, "Lan Manager", 355},
        {440, "Megahertz (MHz)", 29},
        {740, "Wafer", 0},
        {742, "Warm Boot", 0},
        {763, "ZIF Socket", 190},
    };
    for (const Named& n : kNamed) {
        EXPECT_EQ(Abbreviation(n.row), n.abbreviation) << "row " << n.row << ": abbreviation";
        if (n.bytes != 0) {
            EXPECT_EQ(Elaboration(n.row).size(), n.bytes) << "row " << n.row << ": elaboration length";
        }
    }
    EXPECT_EQ(Abbreviation(218).size(), 60u) << "row 218: abbreviation length";
    // The one-letter term heads its letter group, so typing it selects it.
    EXPECT_EQ(tablechecks::FirstMatch(table, "k"), 395) << "typing \"k\"";
    const std::string kMegahertz = {'\x63', '\xD6', '\x77', '\x5A', '\x20', '\x86', '\x6D', '\x87',
                                    '\x4B', '\x87', '\xDB', '\x20', '\x47', '\x4B', '\x20', '\x77',
                                    '\x67', '\x77', '\x6A', '\x71', '\x62', '\x20', '\x6D', '\x76',
                                    '\x42', '\x87', '\x4B', '\x6A', '\x7C'};
    EXPECT_EQ(Elaboration(440), kMegahertz) << "row 440: elaboration bytes";
    // The i-kar of "কাঙ্ক্ষিত" stands before the glyph it is drawn against, after the hasanta.
    EXPECT_NE(Elaboration(39).find("\x4B\x76\x4F\x26\x77\xB6\x5A"), std::string::npos)
        << "row 39: the bytes of \"কাঙ্ক্ষিত\"";
    EXPECT_NE(Group(Abbreviation(739)), 'W') << "row 740 is the first of the W group";
}

TEST_F(HardwareTableTest, RelatedTermsStandTogether) {
    int boot = Find("Boot");
    ASSERT_GE(boot, 0) << "no row \"Boot\"";
    EXPECT_EQ(Abbreviation(boot + 1), "Cold Boot")
        << "row " << boot + 1 << ": \"Cold Boot\" follows \"Boot\"";
    EXPECT_EQ(Abbreviation(boot + 2), "Warmboot")
        << "row " << boot + 2 << ": \"Warmboot\" follows \"Cold Boot\"";
    int atapi = Find("ATAPI");
    ASSERT_GE(atapi, 0) << "no row \"ATAPI\"";
    EXPECT_EQ(Abbreviation(atapi + 1), "Fast ATA")
        << "row " << atapi + 1 << ": \"Fast ATA\" follows \"ATAPI\"";
    EXPECT_EQ(Abbreviation(atapi + 2), "Fast ATA-2")
        << "row " << atapi + 2 << ": \"Fast ATA-2\" follows \"Fast ATA\"";
}

TEST_F(HardwareTableTest, DigitTermsStandInsideTheESAndTGroups) {
    int digitRows = 0;
    for (int i = 0; i < kRows; ++i) {
        if (!StartsWithDigit(Abbreviation(i)))
            continue;
        ++digitRows;
        int before = i - 1, after = i + 1;
        while (before >= 0 && StartsWithDigit(Abbreviation(before)))
            --before;
        while (after < kRows && StartsWithDigit(Abbreviation(after)))
            ++after;
        ASSERT_TRUE(before >= 0 && after < kRows) << "row " << i << ": a digit term at the edge of the table";
        char group = Group(Abbreviation(before));
        EXPECT_EQ(Group(Abbreviation(after)), group) << "row " << i << ": a digit term between rows "
                                                     << before << " and " << after << " of two groups";
        EXPECT_TRUE(group == 'E' || group == 'S' || group == 'T')
            << "row " << i << ": a digit term inside the " << group << " group";
    }
    EXPECT_GT(digitRows, 0) << "no abbreviation begins with a digit";
}

TEST_F(HardwareTableTest, OutOfOrderPairsWithinGroups) {
    EXPECT_EQ(tablechecks::OutOfOrderPairs(table, true).size(), 57u)
        << "neighbouring pairs out of order within groups";
}

TEST_F(HardwareTableTest, GroupsFollowTheAlphabet) {
    const std::set<std::string_view> kPlacedByRelatedTerm = {"Cold Boot", "Warmboot", "Fast ATA",
                                                             "Fast ATA-2"};
    char previous = 'A';
    int previousRow = -1;
    for (int i = 0; i < kRows; ++i) {
        std::string_view a = Abbreviation(i);
        if (StartsWithDigit(a) || kPlacedByRelatedTerm.count(a))
            continue;
        char group = Group(a);
        EXPECT_TRUE(group >= 'A' && group <= 'Z')
            << "row " << i << ": abbreviation begins with neither letter nor digit";
        EXPECT_GE(group, previous) << "row " << i << ": " << group << " group after the " << previous
                                   << " group of row " << previousRow;
        previous = group;
        previousRow = i;
    }
}

TEST_F(HardwareTableTest, BlanksInElaborations) {
    int trailing = 0, runs = 0;
    std::size_t longestRun = 0;
    for (int i = 0; i < kRows; ++i) {
        std::string e = Elaboration(i);
        std::size_t t = TrailingBlanks(e);
        EXPECT_LE(t, 1u) << "row " << i << ": more than one trailing blank";
        trailing += t > 0 ? 1 : 0;
        if (i == 99 || i == 199) {
            EXPECT_EQ(LeadingBlanks(e), 1u) << "row " << i << ": one leading blank";
        } else {
            EXPECT_EQ(LeadingBlanks(e), 0u) << "row " << i << ": leading blank in the elaboration";
        }
        std::size_t run = tablechecks::LongestBlankRun(e);
        runs += run >= 2 ? 1 : 0;
        if (i != 531) {
            EXPECT_LT(run, 22u) << "row " << i << ": a run of blanks as long as row 531's";
        }
        longestRun = std::max(longestRun, run);
    }
    EXPECT_EQ(trailing, 11) << "elaborations with a trailing blank";
    EXPECT_EQ(runs, 26) << "elaborations with a run of two or more blanks";
    EXPECT_EQ(tablechecks::LongestBlankRun(Elaboration(531)), 22u) << "row 531: the longest run of blanks";
    EXPECT_EQ(longestRun, 22u) << "the longest run of blanks";
}

TEST_F(HardwareTableTest, ByteRepertoire) {
    const std::set<int> allowed = {0x82, 0x84, 0x85, 0x86, 0x87, 0x88, 0x89, 0x8A, 0x8B,
                                   0x8C, 0x91, 0x92, 0x94, 0x99, 0x9A, 0x9B, 0x9C};
    std::set<int> used;
    for (int i = 0; i < kRows; ++i) {
        bool high = false;
        for (char32_t c : platform::DecodeUtf8(table.Entry(i)->Elaboration)) {
            auto byte = platform::CodePointToWindows1252(c);
            if (!byte) {
                ADD_FAILURE() << "row " << i << ": character U+" << std::hex << unsigned(c)
                              << " has no Windows-1252 byte";
                continue;
            }
            int b = *byte;
            EXPECT_TRUE(platform::Windows1252ToCodePoint(*byte).has_value())
                << "row " << i << ": unassigned Windows-1252 code " << std::hex << b;
            EXPECT_TRUE(b >= 0x20 && b != 0x7F) << "row " << i << ": control code " << std::hex << b;
            if (b >= 0x80 && b <= 0x9F) {
                EXPECT_TRUE(allowed.count(b))
                    << "row " << i << ": code " << std::hex << b << " outside the 17 allowed of 0x80-0x9F";
                used.insert(b);
            }
            high = high || b >= 0x80;
        }
        if (i == 309 || i == 400) {
            EXPECT_FALSE(high) << "row " << i << ": a byte of 0x80 or above";
        } else {
            EXPECT_TRUE(high) << "row " << i << ": no byte of 0x80 or above";
        }
    }
    std::vector<int> unused;
    std::set_difference(allowed.begin(), allowed.end(), used.begin(), used.end(), std::back_inserter(unused));
    for (int b : unused)
        ADD_FAILURE() << "code " << std::hex << b << " of the 17 of 0x80-0x9F occurs in no row";
}

TEST_F(HardwareTableTest, EveryElaborationReadsBackToItsBytes) {
    for (int i = 0; i < kRows; ++i) {
        std::string bytes = Elaboration(i);
        try {
            EXPECT_EQ(platform::EncodeSutonnyMj(platform::DecodeSutonnyMj(bytes)), bytes)
                << "row " << i << ": the bytes do not read back";
        } catch (const platform::SutonnyMjEncodeError& e) {
            ADD_FAILURE() << "row " << i << ": the decoded text does not encode: " << e.what();
        }
    }
}

} // namespace
