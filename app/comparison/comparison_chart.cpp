#include "comparison/comparison_chart.h"

#include <cmath>
#include <optional>

#include "analysis/result_format.h"
#include "comparison/comparison_scenario.h"
#include "comparison/layout_drawing.h"

namespace tavrel::comparison {

namespace {

// Each full scale lies a little above the largest value the table holds for
// the quantity, so the tallest bar nearly fills the chart.
constexpr QuantityFacts kQuantityFacts[kQuantityCount] = {
    {"Peak Dwl. Br. Stress", {"Dowel", "Bearing", "Stress"}, "psi", 5500.0f, 0},
    {"Peak Edge Stress", {"Peak", "Edge", "Stress"}, "psi", 400.0f, 0},
    {"Peak Edge Deflect.", {"Peak", "Edge", "Deflection"}, "in.", 0.015f, 3},
    {"Peak Crnr. Deflect.", {"Peak", "Corner", "Deflection"}, "in.", 0.03f, 3},
};

// A bar's first line, as the layout's drawing counts it: the corner distance
// ("8\" Spac.") or the dowels across the lane ("10 Dowels").
std::string layoutBarCaption(Picture picture) {
    if (const std::optional<int> corner = cornerDistance(picture))
        return std::to_string(*corner) + "\" Spac.";
    return std::to_string(*laneDowelCount(picture)) + " Dowels";
}

}  // namespace

const QuantityFacts& quantityFacts(Quantity q) {
    return kQuantityFacts[indexOf(q)];
}

std::array<std::string, 4> axisTitle(Quantity q) {
    const QuantityFacts& facts = quantityFacts(q);
    std::string unit(1, '(');
    unit.append(facts.unit).push_back(')');
    return {facts.axisWords[0], facts.axisWords[1], facts.axisWords[2], unit};
}

std::string quantityName(Quantity q) {
    const QuantityFacts& facts = quantityFacts(q);
    return std::string(facts.axisWords[0]) + ' ' + facts.axisWords[1] + ' ' + facts.axisWords[2];
}

std::string baselineBarSubCaption() {
    return "(Baseline)";
}

BarCaptions barCaptions(AnalysisType a, LayoutVariant v) {
    std::string sub;
    if (v == LayoutVariant::Baseline)
        sub = baselineBarSubCaption();
    else if (a == AnalysisType::AlternateSpacings)
        sub = std::string("(Alt. ") + alternateLetter(v) + ")";
    return BarCaptions{layoutBarCaption(variantPicture(a, LayoutVariant::Baseline)),
                       layoutBarCaption(variantPicture(a, v)), sub};
}

std::string formatBarValue(float value, int decimals) {
    return formatHalfAwayFromZero(static_cast<double>(value), decimals);
}

int barHeight(float value, float fullScale, int fullHeight) {
    const double exact = fullHeight * static_cast<double>(value) / static_cast<double>(fullScale);
    return static_cast<int>(roundHalfToEven(exact));
}

std::string percentChangeText(float baseline, float alternative) {
    const std::string zero = "0%";
    if (baseline == 0.0f) {
        return zero;
    }
    const double b0 = baseline;
    const double b1 = alternative;
    // The sign is written here; the number is the size of the change.
    std::string text;
    if (b1 > b0) {
        text = '+';
        text += formatHalfAwayFromZero((b1 - b0) / b0 * 100.0, 0);
    } else if (b1 < b0) {
        text = '-';
        text += formatHalfAwayFromZero((b0 - b1) / b0 * 100.0, 0);
    } else {
        return zero;
    }
    text += '%';
    if (text == "+0%" || text == "-0%") {
        return zero;
    }
    return text;
}

ChartUpdate updateComparisonChart(const ComparisonTable& table, const ChartSelection& selection) {
    const auto [q, d, a, v] = selection;
    const QuantityFacts& facts = quantityFacts(q);
    ChartUpdate update{axisTitle(q), barCaptions(a, v), {}, {}, {}, facts.fullScale};
    update.bars = {comparisonValue(table, a, LayoutVariant::Baseline, d, q),
                   comparisonValue(table, a, v, d, q)};
    for (int side = 0; side < 2; ++side)
        update.valueTexts[side] = formatBarValue(update.bars[side], facts.decimals);
    update.percentText = percentChangeText(update.bars[0], update.bars[1]);
    return update;
}

}  // namespace tavrel::comparison
