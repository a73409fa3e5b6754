// The precomputed responses behind the layout comparison: 288 single-precision
// values for each analysis type a, layout variant v, dowel selection d and
// response quantity q. They describe one fixed pavement (see the About page), so
// they never depend on the design inputs.
#ifndef TAVREL_COMPARISON_COMPARISON_TABLE_H
#define TAVREL_COMPARISON_COMPARISON_TABLE_H

#include <array>
#include <cstddef>
#include <optional>

namespace tavrel::comparison {

enum class AnalysisType { CornerSpacing, CentreLeaveOut, AlternateSpacings };
// The baseline, then the type's three alternatives: 8, 10 and 12 in. corner
// spacing; 10, 8 and 6 dowels; alternates A, B and C.
enum class LayoutVariant { Baseline, First, Second, Third };
// The items of the dowel selection list: three round bars, then three
// elliptical ones of matching stiffness.
enum class DowelSelection {
    Round1,
    Round125,
    Round15,
    SmallElliptical,
    MediumElliptical,
    LargeElliptical
};
// The items of the plotted-quantity list.
enum class Quantity { DowelBearingStress, EdgeStress, EdgeDeflection, CornerDeflection };

inline constexpr std::array kAnalysisTypes = {
    AnalysisType::CornerSpacing, AnalysisType::CentreLeaveOut, AnalysisType::AlternateSpacings};
inline constexpr std::array kLayoutVariants = {LayoutVariant::Baseline, LayoutVariant::First,
                                               LayoutVariant::Second, LayoutVariant::Third};
inline constexpr std::array kDowelSelections = {
    DowelSelection::Round1,           DowelSelection::Round125,
    DowelSelection::Round15,          DowelSelection::SmallElliptical,
    DowelSelection::MediumElliptical, DowelSelection::LargeElliptical};
inline constexpr std::array kQuantities = {Quantity::DowelBearingStress, Quantity::EdgeStress,
                                           Quantity::EdgeDeflection, Quantity::CornerDeflection};

inline constexpr int kAnalysisTypeCount = static_cast<int>(kAnalysisTypes.size());
inline constexpr int kVariantCount = static_cast<int>(kLayoutVariants.size());
inline constexpr int kDowelCount = static_cast<int>(kDowelSelections.size());
inline constexpr int kQuantityCount = static_cast<int>(kQuantities.size());
inline constexpr int kRowCount = kVariantCount * kDowelCount;
inline constexpr std::size_t kComparisonTableSize =
    static_cast<std::size_t>(kAnalysisTypeCount * kRowCount * kQuantityCount);

// A choice's place in its list.
template <class Choice>
constexpr int indexOf(Choice choice) {
    return static_cast<int>(choice);
}

// The choice at `index` of `all`, for a number from outside (a file, the web
// page); nothing outside the list.
template <class Choice, std::size_t N>
constexpr std::optional<Choice> choiceAt(const std::array<Choice, N>& all, int index) {
    if (index < 0 || index >= static_cast<int>(N)) return std::nullopt;
    return all[static_cast<std::size_t>(index)];
}

// Flat layout, a varying fastest: a + 3 * ((6v + d) + 24q).
using ComparisonTable = std::array<float, kComparisonTableSize>;

constexpr std::size_t comparisonTablePosition(AnalysisType a, LayoutVariant v, DowelSelection d,
                                              Quantity q) {
    return static_cast<std::size_t>(
        indexOf(a) +
        kAnalysisTypeCount * ((kDowelCount * indexOf(v) + indexOf(d)) + kRowCount * indexOf(q)));
}

// The built-in values, constant for the life of the program.
const ComparisonTable& builtInComparisonTable();

// Fills a window-owned table with the built-in values (the window's start-up step).
void loadComparisonTable(ComparisonTable& table);

inline float comparisonValue(const ComparisonTable& table, AnalysisType a, LayoutVariant v,
                             DowelSelection d, Quantity q) {
    return table[comparisonTablePosition(a, v, d, q)];
}

// The built-in table's value.
inline float comparisonValue(AnalysisType a, LayoutVariant v, DowelSelection d, Quantity q) {
    return comparisonValue(builtInComparisonTable(), a, v, d, q);
}

}  // namespace tavrel::comparison

#endif  // TAVREL_COMPARISON_COMPARISON_TABLE_H
