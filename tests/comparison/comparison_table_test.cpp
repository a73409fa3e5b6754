#include "comparison/comparison_table.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <sstream>
#include <string>

namespace tavrel::comparison {
namespace {

// The table's value and place at the lists' positions a, v, d and q.
float valueAt(int a, int v, int d, int q) {
    return comparisonValue(kAnalysisTypes[a], kLayoutVariants[v], kDowelSelections[d],
                           kQuantities[q]);
}
std::size_t positionAt(int a, int v, int d, int q) {
    return comparisonTablePosition(kAnalysisTypes[a], kLayoutVariants[v], kDowelSelections[d],
                                   kQuantities[q]);
}

// The published results, one line per (q, d), columns: baseline, corner 8/10/12 in.,
// 10/8/6 dowels, alternates A/B/C. Kept as text so each entry is checked against
// the float nearest to the printed decimal.
constexpr const char* kPublished = R"(
0 0 | 4410 4770 5130 5487 4439 4482 4648 4126 4331 4341
0 1 | 2717 2962 3210 3453 2752 2747 2972 2528 2647 2657
0 2 | 1542 1695 1862 2025 1531 1570 1769 1416 1469 1460
0 3 | 3641 3924 4212 4495 3665 3695 3839 3409 3581 3588
0 4 | 1943 2122 2300 2478 1969 1965 2129 1807 1892 1898
0 5 | 1098 1209 1329 1445 1089 1125 1272 1007 1046 1041
1 0 | 270.9 271 271.2 271.2 280.6 296.6 315.2 274.9 282.1 288.8
1 1 | 169.7 169.7 169.7 169.8 175.3 184 194.6 171.9 176.5 180.5
1 2 | 76.5 77 77 76.8 78.2 80.5 83.2 77.3 78.8 79.9
1 3 | 264.3 264.4 264.5 264.6 273.6 289.1 307.3 268.1 275 281.6
1 4 | 171.5 171.5 171.6 171.5 177.2 185.9 196.5 173.8 178.4 182.3
1 5 | 77.4 77.8 77.7 77.6 79 81.1 83.7 78.1 79.5 80.5
2 0 | 0.01333 0.01333 0.01333 0.01332 0.01355 0.01394 0.01461 0.01341 0.01359 0.01376
2 1 | 0.01082 0.01082 0.01081 0.01082 0.01094 0.01114 0.01146 0.01087 0.01097 0.01107
2 2 | 0.00812 0.00813 0.00814 0.00813 0.00818 0.00825 0.00838 0.00815 0.0082 0.00825
2 3 | 0.0132 0.0132 0.0132 0.01319 0.01339 0.01373 0.01433 0.01326 0.01342 0.01357
2 4 | 0.01086 0.01086 0.01085 0.01085 0.01099 0.0112 0.01154 0.01091 0.01102 0.01112
2 5 | 0.00815 0.00818 0.00817 0.00816 0.00822 0.0083 0.00844 0.00817 0.00824 0.00829
3 0 | 0.03204 0.0322 0.03235 0.03253 0.03198 0.03195 0.03204 0.03205 0.0323 0.03229
3 1 | 0.02367 0.02374 0.02383 0.02394 0.02365 0.02367 0.02379 0.0237 0.02387 0.0239
3 2 | 0.01484 0.01487 0.01492 0.01496 0.01493 0.01498 0.01515 0.01487 0.015 0.01507
3 3 | 0.03153 0.03166 0.03182 0.03196 0.03149 0.03144 0.03152 0.03153 0.03175 0.03175
3 4 | 0.02382 0.02391 0.02399 0.02411 0.0238 0.02382 0.02395 0.02385 0.02405 0.02406
3 5 | 0.01495 0.01501 0.01505 0.01509 0.01504 0.01514 0.01531 0.01498 0.01514 0.01522
)";

struct PublishedEntry {
    int a;
    int v;
    int d;
    int q;
    std::string text;
};

std::vector<PublishedEntry> publishedEntries() {
    std::vector<PublishedEntry> entries;
    std::istringstream lines(kPublished);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.empty()) {
            continue;
        }
        std::istringstream fields(line);
        int q = 0;
        int d = 0;
        std::string bar;
        std::string columns[10];
        fields >> q >> d >> bar;
        for (std::string& column : columns) {
            fields >> column;
        }
        for (int a = 0; a < kAnalysisTypeCount; ++a) {
            entries.push_back({a, 0, d, q, columns[0]});
        }
        for (int a = 0; a < kAnalysisTypeCount; ++a) {
            for (int v = 1; v < kVariantCount; ++v) {
                entries.push_back({a, v, d, q, columns[1 + 3 * a + (v - 1)]});
            }
        }
    }
    return entries;
}

TEST(ComparisonTable, EveryEntryIsTheFloatOfThePublishedDecimal) {
    const std::vector<PublishedEntry> entries = publishedEntries();
    ASSERT_EQ(entries.size(), kComparisonTableSize);
    std::set<std::size_t> positions;
    for (const PublishedEntry& e : entries) {
        const std::size_t position = positionAt(e.a, e.v, e.d, e.q);
        positions.insert(position);
        const float expected = std::strtof(e.text.c_str(), nullptr);
        EXPECT_EQ(valueAt(e.a, e.v, e.d, e.q), expected)
            << "a " << e.a << " v " << e.v << " d " << e.d << " q " << e.q << " (" << e.text << ")";
    }
    EXPECT_EQ(positions.size(), kComparisonTableSize);  // every position is reached once
}

TEST(ComparisonTable, WorkedPositions) {
    struct Case {
        int a, v, d, q;
        std::size_t position;
        float value;
    };
    const Case cases[] = {
        {0, 0, 0, 0, 0, 4410.0f},
        {1, 3, 0, 1, 127, 315.2f},
        {2, 1, 5, 3, 251, 0.01498f},
        {2, 3, 5, 3, 287, 0.01522f},
    };
    const ComparisonTable& table = builtInComparisonTable();
    for (const Case& c : cases) {
        EXPECT_EQ(positionAt(c.a, c.v, c.d, c.q), c.position);
        EXPECT_EQ(table[c.position], c.value);
    }
}

TEST(ComparisonTable, BaselineIsTheSameForEveryAnalysisType) {
    for (int q = 0; q < kQuantityCount; ++q) {
        for (int d = 0; d < kDowelCount; ++d) {
            EXPECT_EQ(valueAt(1, 0, d, q), valueAt(0, 0, d, q));
            EXPECT_EQ(valueAt(2, 0, d, q), valueAt(0, 0, d, q));
        }
    }
}

TEST(ComparisonTable, LoadCopiesTheBuiltInValues) {
    ComparisonTable table{};
    loadComparisonTable(table);
    EXPECT_EQ(table, builtInComparisonTable());
}

}  // namespace
}  // namespace tavrel::comparison
