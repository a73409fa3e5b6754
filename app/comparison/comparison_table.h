// The precomputed responses behind the layout comparison: 288 single-precision
// values indexed by analysis type a, layout variant v, dowel selection d and
// response quantity q. They describe one fixed pavement (see the About page), so
// they never depend on the design inputs.
#ifndef TAVREL_COMPARISON_COMPARISON_TABLE_H
#define TAVREL_COMPARISON_COMPARISON_TABLE_H

#include <array>
#include <cstddef>

namespace tavrel::comparison {

inline constexpr int kAnalysisTypeCount = 3;  // a: corner spacing, leave-out, alternates
inline constexpr int kVariantCount = 4;       // v: 0 is the baseline layout
inline constexpr int kDowelCount = 6;         // d: the items of the dowel selection list
inline constexpr int kQuantityCount = 4;      // q: the items of the plotted-quantity list
inline constexpr int kRowCount = kVariantCount * kDowelCount;
inline constexpr std::size_t kComparisonTableSize =
    static_cast<std::size_t>(kAnalysisTypeCount * kRowCount * kQuantityCount);

// Flat layout, a varying fastest: a + 3 * ((6v + d) + 24q).
using ComparisonTable = std::array<float, kComparisonTableSize>;

// True when every index lies in its range, i.e. the position is inside the table.
constexpr bool isValidComparisonIndex(int a, int v, int d, int q) {
    return a >= 0 && a < kAnalysisTypeCount && v >= 0 && v < kVariantCount && d >= 0 &&
           d < kDowelCount && q >= 0 && q < kQuantityCount;
}

// Position of (a, v, d, q) in the flat table; the indices must be valid.
constexpr std::size_t comparisonTablePosition(int a, int v, int d, int q) {
    return static_cast<std::size_t>(a +
                                    kAnalysisTypeCount * ((kDowelCount * v + d) + kRowCount * q));
}

// The built-in values, constant for the life of the program.
const ComparisonTable& builtInComparisonTable();

// Fills a window-owned table with the built-in values (the window's start-up step).
void loadComparisonTable(ComparisonTable& table);

// value(a, v, d, q) of a table; the indices must be valid.
inline float comparisonValue(const ComparisonTable& table, int a, int v, int d, int q) {
    return table[comparisonTablePosition(a, v, d, q)];
}

// value(a, v, d, q) of the built-in table; the indices must be valid.
inline float comparisonValue(int a, int v, int d, int q) {
    return comparisonValue(builtInComparisonTable(), a, v, d, q);
}

}  // namespace tavrel::comparison

#endif  // TAVREL_COMPARISON_COMPARISON_TABLE_H
