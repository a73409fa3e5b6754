#include "comparison/comparison_chart.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tavrel::comparison {
namespace {

ChartUpdate chartFor(int q, int d, int a, int v, ComparisonBars previous = {-1.0f, -1.0f}) {
    return updateComparisonChart(builtInComparisonTable(), {q, d, a, v}, previous);
}

TEST(ComparisonChart, DrawsTheSelectedComparison) {
    struct Case {
        int q, d, a, v;
        const char* baselineText;
        const char* alternativeText;
        int baselineHeight;
        int alternativeHeight;
        const char* percent;
    };
    const Case cases[] = {
        {0, 0, 0, 3, "4410", "5487", 2005, 2494, "+24%"},
        {1, 0, 1, 3, "271", "315", 1693, 1970, "+16%"},
        {1, 0, 0, 1, "271", "271", 1693, 1694, "0%"},  // +0.04% rounds to "+0%"
        // 0.03195f is just above the decimal's 2662.5 tie, so the double gives 2663.
        {3, 0, 1, 2, "0.032", "0.032", 2670, 2663, "0%"},  // -0.3% rounds to "-0%"
        {2, 2, 2, 3, "0.008", "0.008", 1353, 1375, "+2%"},
        {1, 2, 0, 0, "77", "77", 478, 478, "0%"},  // 76.5 exactly
        {1, 2, 2, 0, "77", "77", 478, 478, "0%"},
        {3, 0, 0, 3, "0.032", "0.033", 2670, 2711, "+2%"},  // the tallest bar of the table
        {0, 5, 2, 1, "1098", "1007", 499, 458, "-8%"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "q " << c.q << " d " << c.d << " a " << c.a << " v " << c.v);
        const ChartUpdate update = chartFor(c.q, c.d, c.a, c.v);
        ASSERT_TRUE(update.drawing.has_value());
        const BarsDrawing& drawing = *update.drawing;
        EXPECT_EQ(drawing.baseline.valueText, std::string(c.baselineText));
        EXPECT_EQ(drawing.alternative.valueText, std::string(c.alternativeText));
        EXPECT_EQ(drawing.baseline.height, c.baselineHeight);
        EXPECT_EQ(drawing.alternative.height, c.alternativeHeight);
        // Both bars stand on the foot, values above them, the change inside the right one.
        EXPECT_EQ(drawing.baseline.top + drawing.baseline.height, kBarFoot);
        EXPECT_EQ(drawing.alternative.top + drawing.alternative.height, kBarFoot);
        EXPECT_LT(drawing.baseline.valueTop, drawing.baseline.top);
        EXPECT_EQ(drawing.baseline.top - drawing.baseline.valueTop,
                  drawing.alternative.top - drawing.alternative.valueTop);
        EXPECT_GT(drawing.percentTop, drawing.alternative.top);
        EXPECT_EQ(drawing.percentText, std::string(c.percent));
    }
}

TEST(ComparisonChart, GeometryOfTheCornerSpacingExample) {
    const ChartUpdate update = chartFor(0, 0, 0, 3);
    EXPECT_EQ(update.bars, (ComparisonBars{4410.0f, 5487.0f}));
    ASSERT_TRUE(update.drawing.has_value());
    EXPECT_EQ(update.drawing->baseline.top, 4535);
    EXPECT_EQ(update.drawing->alternative.top, 4046);
    EXPECT_EQ(update.drawing->baseline.valueTop, 4235);
    EXPECT_EQ(update.drawing->alternative.valueTop, 3746);
    EXPECT_EQ(update.drawing->percentTop, 4196);
    EXPECT_EQ(update.baselineCaption, std::string("6\" Spac."));
    EXPECT_EQ(update.alternativeCaption, std::string("12\" Spac."));
    EXPECT_EQ(update.alternativeSubCaption, std::string());
}

TEST(ComparisonChart, CaptionsForEveryLayout) {
    struct Case {
        int a, v;
        const char* baseline;
        const char* alternative;
        const char* alternativeSub;
    };
    const Case cases[] = {
        {0, 0, "6\" Spac.", "6\" Spac.", "(Baseline)"},
        {0, 1, "6\" Spac.", "8\" Spac.", ""},
        {0, 2, "6\" Spac.", "10\" Spac.", ""},
        {0, 3, "6\" Spac.", "12\" Spac.", ""},
        {1, 0, "12 Dowels", "12 Dowels", "(Baseline)"},
        {1, 1, "12 Dowels", "10 Dowels", ""},
        {1, 2, "12 Dowels", "8 Dowels", ""},
        {1, 3, "12 Dowels", "6 Dowels", ""},
        {2, 0, "12 Dowels", "12 Dowels", "(Baseline)"},
        {2, 1, "12 Dowels", "11 Dowels", "(Alt. A)"},
        {2, 2, "12 Dowels", "9 Dowels", "(Alt. B)"},
        {2, 3, "12 Dowels", "8 Dowels", "(Alt. C)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "a " << c.a << " v " << c.v);
        const std::optional<BarCaptions> captions = barCaptions(c.a, c.v);
        ASSERT_TRUE(captions.has_value());
        EXPECT_EQ(captions->baseline, std::string(c.baseline));
        EXPECT_EQ(captions->alternative, std::string(c.alternative));
        EXPECT_EQ(captions->alternativeSub, std::string(c.alternativeSub));
        // The chart applies them whatever the quantity.
        for (int q = 0; q < 4; ++q) {
            const ChartUpdate update = chartFor(q, 1, c.a, c.v);
            EXPECT_EQ(update.baselineCaption, captions->baseline);
            EXPECT_EQ(update.alternativeCaption, captions->alternative);
            EXPECT_EQ(update.alternativeSubCaption, captions->alternativeSub);
        }
    }
    EXPECT_EQ(baselineBarSubCaption(), std::string("(Baseline)"));
    EXPECT_FALSE(barCaptions(3, 0).has_value());
    EXPECT_FALSE(barCaptions(0, 4).has_value());
}

// Each quantity's scale and precision suit the figures it plots: no bar of the
// table runs far past full height or is dwarfed by it, and no figure shows as zero.
TEST(ComparisonChart, ScalesAndDecimalsSuitTheTable) {
    for (int q = 0; q < kQuantityCount; ++q) {
        SCOPED_TRACE(q);
        const std::optional<QuantitySettings> settings = quantitySettings(q);
        ASSERT_TRUE(settings.has_value());
        EXPECT_EQ(chartFor(q, 0, 0, 0).axisTitle, settings->axisTitle);
        const std::string unit = settings->axisTitle[3];
        EXPECT_TRUE(unit == "(psi)" || unit == "(in.)") << unit;
        float tallest = 0;
        for (int a = 0; a < kAnalysisTypeCount; ++a) {
            for (int v = 0; v < kVariantCount; ++v) {
                for (int d = 0; d < kDowelCount; ++d) {
                    const float value = comparisonValue(a, v, d, q);
                    tallest = std::max(tallest, value);
                    const std::string text = formatBarValue(value, settings->decimals);
                    EXPECT_NE(text.find_first_of("123456789"), std::string::npos) << value;
                }
            }
        }
        // The corner deflections reach a little past full scale (2711 of 2500).
        EXPECT_LE(barHeight(tallest, settings->fullScale), kFullScaleBarHeight * 11 / 10);
        EXPECT_GE(barHeight(tallest, settings->fullScale), kFullScaleBarHeight / 2);
    }
    EXPECT_FALSE(quantitySettings(-1).has_value());
    EXPECT_FALSE(quantitySettings(4).has_value());
}

TEST(ComparisonChart, BarHeightRoundsTiesToEven) {
    EXPECT_EQ(barHeight(1.0f, 5000.0f), 0);  // 0.5
    EXPECT_EQ(barHeight(3.0f, 5000.0f), 2);  // 1.5
    EXPECT_EQ(barHeight(5.0f, 5000.0f), 2);  // 2.5
    EXPECT_EQ(barHeight(1.0f, 2000.0f), 1);  // 1.25
    EXPECT_EQ(barHeight(5500.0f, 5500.0f), 2500);
}

TEST(ComparisonChart, PercentChangeSignRules) {
    struct Case {
        float baseline;
        float alternative;
        const char* text;
    };
    const Case cases[] = {
        {4410.0f, 5487.0f, "+24%"}, {100.0f, 50.0f, "-50%"},    {100.0f, 100.0f, "0%"},
        {0.0f, 5.0f, "0%"},         {0.0f, 0.0f, "0%"},         {100.0f, 100.4f, "0%"},
        {100.0f, 99.6f, "0%"},      {100.0f, 99.4f, "-1%"},     {200.0f, 201.0f, "+1%"},
        {100.0f, 300.0f, "+200%"},  {0.03204f, 0.03195f, "0%"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(percentChangeText(c.baseline, c.alternative), std::string(c.text))
            << c.baseline << " -> " << c.alternative;
    }
}

TEST(ComparisonChart, MissingSelectionsKeepWhatTheyCannotDetermine) {
    const ComparisonBars previous{1000.0f, 2000.0f};

    // No analysis type: only the axis title changes, the previous bars are redrawn.
    ChartUpdate update = updateComparisonChart(builtInComparisonTable(), {0, 0, {}, {}}, previous);
    EXPECT_TRUE(update.axisTitle.has_value());
    EXPECT_FALSE(update.baselineCaption.has_value());
    EXPECT_FALSE(update.alternativeCaption.has_value());
    EXPECT_FALSE(update.alternativeSubCaption.has_value());
    EXPECT_EQ(update.bars, previous);
    ASSERT_TRUE(update.drawing.has_value());
    EXPECT_EQ(update.drawing->percentText, std::string("+100%"));

    // No variant: the baseline follows the type, the alternative value stays.
    update = updateComparisonChart(builtInComparisonTable(), {0, 0, 1, {}}, previous);
    EXPECT_EQ(update.bars, (ComparisonBars{4410.0f, 2000.0f}));
    EXPECT_EQ(update.baselineCaption, std::string("12 Dowels"));
    EXPECT_FALSE(update.alternativeCaption.has_value());
    EXPECT_EQ(update.alternativeSubCaption, std::string());  // cleared for types 0 and 1

    update = updateComparisonChart(builtInComparisonTable(), {0, 0, 2, {}}, previous);
    EXPECT_FALSE(update.alternativeSubCaption.has_value());  // the alternates keep theirs

    // A quantity outside the list: captions follow, nothing is read or drawn.
    update = updateComparisonChart(builtInComparisonTable(), {4, 0, 0, 2}, previous);
    EXPECT_FALSE(update.axisTitle.has_value());
    EXPECT_EQ(update.alternativeCaption, std::string("10\" Spac."));
    EXPECT_EQ(update.bars, previous);
    EXPECT_FALSE(update.drawing.has_value());

    // A dowel outside the list reads nothing but still draws.
    update = updateComparisonChart(builtInComparisonTable(), {0, -1, 0, 2}, previous);
    EXPECT_EQ(update.bars, previous);
    EXPECT_TRUE(update.drawing.has_value());
}

TEST(ComparisonChart, ReadsTheGivenTable) {
    ComparisonTable table{};
    table[comparisonTablePosition(1, 0, 4, 2)] = 0.01f;
    table[comparisonTablePosition(1, 2, 4, 2)] = 0.012f;
    const ChartUpdate update = updateComparisonChart(table, {2, 4, 1, 2}, {});
    EXPECT_EQ(update.bars, (ComparisonBars{0.01f, 0.012f}));
    ASSERT_TRUE(update.drawing.has_value());
    EXPECT_EQ(update.drawing->percentText, std::string("+20%"));
    EXPECT_EQ(update.drawing->alternative.valueText, std::string("0.012"));
}

}  // namespace
}  // namespace tavrel::comparison
