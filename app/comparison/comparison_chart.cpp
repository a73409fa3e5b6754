#include "comparison/comparison_chart.h"

#include <cmath>

#include "analysis/result_format.h"

namespace tavrel::comparison {

namespace {

struct QuantityRow {
    const char* listItem;
    const char* axisTitle[4];
    float fullScale;
    int decimals;
};

constexpr QuantityRow kQuantities[kQuantityCount] = {
    {"Peak Dwl. Br. Stress", {"Dowel", "Bearing", "Stress", "(psi)"}, 5500.0f, 0},
    {"Peak Edge Stress", {"Peak", "Edge", "Stress", "(psi)"}, 400.0f, 0},
    {"Peak Edge Deflect.", {"Peak", "Edge", "Deflection", "(in.)"}, 0.015f, 3},
    {"Peak Crnr. Deflect.", {"Peak", "Corner", "Deflection", "(in.)"}, 0.03f, 3},
};

// Baseline caption per type, then the alternative's two lines per (type, variant).
constexpr const char* kBaselineCaption[kAnalysisTypeCount] = {"6\" Spac.", "12 Dowels",
                                                              "12 Dowels"};
constexpr const char* kAlternativeCaption[kAnalysisTypeCount][kVariantCount][2] = {
    {{"6\" Spac.", "(Baseline)"}, {"8\" Spac.", ""}, {"10\" Spac.", ""}, {"12\" Spac.", ""}},
    {{"12 Dowels", "(Baseline)"}, {"10 Dowels", ""}, {"8 Dowels", ""}, {"6 Dowels", ""}},
    {{"12 Dowels", "(Baseline)"},
     {"11 Dowels", "(Alt. A)"},
     {"9 Dowels", "(Alt. B)"},
     {"8 Dowels", "(Alt. C)"}},
};

BarGeometry barGeometry(float value, const QuantitySettings& settings) {
    const int height = barHeight(value, settings.fullScale);
    const int top = kBarFoot - height;
    return {top, height, top - kValueLabelRise, formatBarValue(value, settings.decimals)};
}

}  // namespace

std::optional<QuantitySettings> quantitySettings(int q) {
    if (q < 0 || q >= kQuantityCount) {
        return std::nullopt;
    }
    const QuantityRow& row = kQuantities[q];
    return QuantitySettings{{std::string(row.axisTitle[0]), std::string(row.axisTitle[1]),
                             std::string(row.axisTitle[2]), std::string(row.axisTitle[3])},
                            row.fullScale,
                            row.decimals,
                            std::string(row.listItem)};
}

std::string baselineBarSubCaption() {
    return "(Baseline)";
}

std::optional<BarCaptions> barCaptions(int a, int v) {
    if (a < 0 || a >= kAnalysisTypeCount || v < 0 || v >= kVariantCount) {
        return std::nullopt;
    }
    return BarCaptions{std::string(kBaselineCaption[a]), std::string(kAlternativeCaption[a][v][0]),
                       std::string(kAlternativeCaption[a][v][1])};
}

std::string formatBarValue(float value, int decimals) {
    return formatHalfAwayFromZero(static_cast<double>(value), decimals);
}

int barHeight(float value, float fullScale) {
    const double exact =
        kFullScaleBarHeight * static_cast<double>(value) / static_cast<double>(fullScale);
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

std::optional<BarsDrawing> drawComparisonBars(const ComparisonBars& bars, int q) {
    const std::optional<QuantitySettings> settings = quantitySettings(q);
    if (!settings) {
        return std::nullopt;
    }
    BarsDrawing drawing{barGeometry(bars[0], *settings), barGeometry(bars[1], *settings), 0,
                        percentChangeText(bars[0], bars[1])};
    drawing.percentTop = drawing.alternative.top + kPercentLabelDrop;
    return drawing;
}

ChartUpdate updateComparisonChart(const ComparisonTable& table, const ChartSelection& selection,
                                  const ComparisonBars& previous) {
    ChartUpdate update{};
    update.bars = previous;
    if (const std::optional<QuantitySettings> settings = quantitySettings(selection.q)) {
        update.axisTitle = settings->axisTitle;
    }
    const bool canRead = selection.q >= 0 && selection.q < kQuantityCount && selection.d >= 0 &&
                         selection.d < kDowelCount;

    const std::optional<int> a = selection.a;
    if (a && *a >= 0 && *a < kAnalysisTypeCount) {
        update.baselineCaption = barCaptions(*a, 0)->baseline;
        if (*a != 2) {
            update.alternativeSubCaption = std::string();
        }
        if (canRead) {
            update.bars[0] = comparisonValue(table, *a, 0, selection.d, selection.q);
        }
        const std::optional<int> v = selection.v;
        if (v && *v >= 0 && *v < kVariantCount) {
            const BarCaptions captions = *barCaptions(*a, *v);
            update.alternativeCaption = captions.alternative;
            update.alternativeSubCaption = captions.alternativeSub;
            if (canRead) {
                update.bars[1] = comparisonValue(table, *a, *v, selection.d, selection.q);
            }
        }
    }
    update.drawing = drawComparisonBars(update.bars, selection.q);
    return update;
}

}  // namespace tavrel::comparison
