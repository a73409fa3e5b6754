#include "comparison/comparison_chart.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tavrel::comparison {
namespace {

// The chart at the lists' positions q, d, a and v.
ChartUpdate chartFor(int q, int d, int a, int v) {
    return updateComparisonChart(builtInComparisonTable(), {kQuantities[q], kDowelSelections[d],
                                                            kAnalysisTypes[a], kLayoutVariants[v]});
}

constexpr int kFullHeight = 2500;

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
        EXPECT_EQ(update.valueTexts[0], std::string(c.baselineText));
        EXPECT_EQ(update.valueTexts[1], std::string(c.alternativeText));
        EXPECT_EQ(barHeight(update.bars[0], update.fullScale, kFullHeight), c.baselineHeight);
        EXPECT_EQ(barHeight(update.bars[1], update.fullScale, kFullHeight), c.alternativeHeight);
        EXPECT_EQ(update.percentText, std::string(c.percent));
    }
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
        // The chart shows them whatever the quantity.
        for (int q = 0; q < kQuantityCount; ++q) {
            const BarCaptions captions = chartFor(q, 1, c.a, c.v).captions;
            EXPECT_EQ(captions.baseline, std::string(c.baseline));
            EXPECT_EQ(captions.alternative, std::string(c.alternative));
            EXPECT_EQ(captions.alternativeSub, std::string(c.alternativeSub));
        }
    }
    EXPECT_EQ(baselineBarSubCaption(), std::string("(Baseline)"));
}

// Each quantity's scale and precision suit the figures it plots: no bar of the
// table runs far past full height or is dwarfed by it, and no figure shows as zero.
TEST(ComparisonChart, ScalesAndDecimalsSuitTheTable) {
    for (Quantity q : kQuantities) {
        SCOPED_TRACE(quantityName(q));
        const QuantityFacts& facts = quantityFacts(q);
        const std::string unit = facts.unit;
        EXPECT_TRUE(unit == "psi" || unit == "in.") << unit;
        EXPECT_EQ(axisTitle(q)[3], "(" + unit + ")");
        float tallest = 0;
        for (AnalysisType a : kAnalysisTypes) {
            for (LayoutVariant v : kLayoutVariants) {
                for (DowelSelection d : kDowelSelections) {
                    const float value = comparisonValue(a, v, d, q);
                    tallest = std::max(tallest, value);
                    const std::string text = formatBarValue(value, facts.decimals);
                    EXPECT_NE(text.find_first_of("123456789"), std::string::npos) << value;
                }
            }
        }
        // The corner deflections reach a little past full scale (2711 of 2500).
        EXPECT_LE(barHeight(tallest, facts.fullScale, kFullHeight), kFullHeight * 11 / 10);
        EXPECT_GE(barHeight(tallest, facts.fullScale, kFullHeight), kFullHeight / 2);
    }
}

TEST(ComparisonChart, BarHeightRoundsTiesToEven) {
    EXPECT_EQ(barHeight(1.0f, 5000.0f, kFullHeight), 0);  // 0.5
    EXPECT_EQ(barHeight(3.0f, 5000.0f, kFullHeight), 2);  // 1.5
    EXPECT_EQ(barHeight(5.0f, 5000.0f, kFullHeight), 2);  // 2.5
    EXPECT_EQ(barHeight(1.0f, 2000.0f, kFullHeight), 1);  // 1.25
    EXPECT_EQ(barHeight(5500.0f, 5500.0f, kFullHeight), 2500);
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

TEST(ComparisonChart, ReadsTheGivenTable) {
    ComparisonTable table{};
    const Quantity q = Quantity::EdgeDeflection;
    const DowelSelection d = DowelSelection::MediumElliptical;
    const AnalysisType a = AnalysisType::CentreLeaveOut;
    table[comparisonTablePosition(a, LayoutVariant::Baseline, d, q)] = 0.01f;
    table[comparisonTablePosition(a, LayoutVariant::Second, d, q)] = 0.012f;
    const ChartUpdate update = updateComparisonChart(table, {q, d, a, LayoutVariant::Second});
    EXPECT_EQ(update.bars, (ComparisonBars{0.01f, 0.012f}));
    EXPECT_EQ(update.percentText, std::string("+20%"));
    EXPECT_EQ(update.valueTexts[1], std::string("0.012"));
}

TEST(ComparisonChart, NumbersFromOutsideBecomeChoicesOnlyWithinTheirList) {
    EXPECT_EQ(choiceAt(kQuantities, 3), Quantity::CornerDeflection);
    EXPECT_EQ(choiceAt(kLayoutVariants, 0), LayoutVariant::Baseline);
    for (int index : {-1, 4, 100}) EXPECT_FALSE(choiceAt(kQuantities, index).has_value());
    EXPECT_FALSE(choiceAt(kDowelSelections, 6).has_value());
}

}  // namespace
}  // namespace tavrel::comparison
