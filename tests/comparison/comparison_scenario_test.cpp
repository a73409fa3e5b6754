#include "comparison/comparison_scenario.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "comparison/comparison_chart.h"
#include "comparison/layout_drawing.h"

namespace tavrel::comparison {
namespace {

using P = Picture;

TEST(ComparisonScenario, ViewOfEveryLayout) {
    struct Case {
        int a, v;
        Picture variant;
        bool savings;
        const char* caption;
    };
    const Case cases[] = {
        {0, 0, P::Corner06a, false, "6 inches (baseline)"},
        {0, 1, P::Corner08, false, "8 inches"},
        {0, 2, P::Corner10, false, "10 inches"},
        {0, 3, P::Corner12, false, "12 inches"},
        {1, 0, P::Baseline2, true, "12 Dowels (baseline)"},
        {1, 1, P::Ctr10, true, "10 Dowels (2 dowels removed)"},
        {1, 2, P::Ctr08, true, "8 Dowels (4 dowels removed)"},
        {1, 3, P::Ctr06, true, "6 Dowels (6 dowels removed)"},
        {2, 0, P::Baseline2, true, "12 Dowels, uniform (baseline)"},
        {2, 1, P::AltA, true, "11 Dowels (Alternate A)"},
        {2, 2, P::AltB, true, "9 Dowels (Alternate B)"},
        {2, 3, P::AltC, true, "8 Dowels (Alternate C)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "a " << c.a << " v " << c.v);
        const AnalysisType a = kAnalysisTypes[c.a];
        const LayoutVariant v = kLayoutVariants[c.v];
        const ScenarioView view = scenarioView(a, v);
        const Picture baseline = c.a == 0 ? P::Corner06 : P::Baseline;
        EXPECT_EQ(view.visiblePictures, (PictureSet{baseline, c.variant}));
        EXPECT_EQ(view.visiblePictures.size(), 2);
        EXPECT_EQ(variantPicture(a, v), c.variant);
        EXPECT_EQ(variantCaption(a, v), c.caption);
        EXPECT_EQ(view.savingsVisible, c.savings);
        EXPECT_EQ(!view.savingsText.empty(), c.savings);
    }
}

// The steel saved is the share of the baseline's twelve dowels the layout leaves
// out, for the count its caption names and its drawing shows.
TEST(ComparisonScenario, SavingsFollowTheDowelsLeftOut) {
    for (AnalysisType a : {AnalysisType::CentreLeaveOut, AnalysisType::AlternateSpacings}) {
        for (LayoutVariant v : kLayoutVariants) {
            SCOPED_TRACE(testing::Message() << "a " << indexOf(a) << " v " << indexOf(v));
            const std::string caption = barCaptions(a, v).alternative;  // "10 Dowels"
            const int dowels = std::stoi(caption);
            EXPECT_EQ(caption, std::to_string(dowels) + " Dowels");
            EXPECT_EQ(laneDowelCount(variantPicture(a, v)), dowels);
            EXPECT_EQ(std::stoi(variantCaption(a, v)), dowels);
            EXPECT_EQ(laneDowelCount(P::Baseline), 12);
            const long percent = std::lround((12 - dowels) * 100.0 / 12);
            EXPECT_EQ(scenarioView(a, v).savingsText, std::to_string(percent) + "%");
        }
    }
}

}  // namespace
}  // namespace tavrel::comparison
