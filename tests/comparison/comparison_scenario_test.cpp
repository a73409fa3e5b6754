#include "comparison/comparison_scenario.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
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
    };
    const Case cases[] = {
        {0, 0, P::Corner06a, false}, {0, 1, P::Corner08, false}, {0, 2, P::Corner10, false},
        {0, 3, P::Corner12, false},  {1, 0, P::Baseline2, true}, {1, 1, P::Ctr10, true},
        {1, 2, P::Ctr08, true},      {1, 3, P::Ctr06, true},     {2, 0, P::Baseline2, true},
        {2, 1, P::AltA, true},       {2, 2, P::AltB, true},      {2, 3, P::AltC, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "a " << c.a << " v " << c.v);
        const std::optional<ScenarioView> view = scenarioView(c.a, c.v);
        ASSERT_TRUE(view.has_value());
        for (int frame = 0; frame < 3; ++frame) {
            EXPECT_EQ(view->frameVisible[static_cast<std::size_t>(frame)], frame == c.a);
        }
        const Picture baseline = c.a == 0 ? P::Corner06 : P::Baseline;
        EXPECT_EQ(view->visiblePictures, (PictureSet{baseline, c.variant}));
        EXPECT_EQ(view->visiblePictures.size(), 2);
        EXPECT_EQ(variantPicture(c.a, c.v), c.variant);
        EXPECT_EQ(view->savingsVisible, c.savings);
        EXPECT_EQ(view->savingsText.has_value(), c.savings);
    }
}

// The steel saved is the share of the baseline's twelve dowels the layout leaves
// out, for the count its caption names and its drawing shows.
TEST(ComparisonScenario, SavingsFollowTheDowelsLeftOut) {
    for (int a : {1, 2}) {
        for (int v = 0; v < kVariantCount; ++v) {
            SCOPED_TRACE(testing::Message() << "a " << a << " v " << v);
            const std::string caption = barCaptions(a, v)->alternative;  // "10 Dowels"
            const int dowels = std::stoi(caption);
            EXPECT_EQ(caption, std::to_string(dowels) + " Dowels");
            EXPECT_EQ(laneDowelCount(*variantPicture(a, v)), dowels);
            EXPECT_EQ(laneDowelCount(P::Baseline), 12);
            const long percent = std::lround((12 - dowels) * 100.0 / 12);
            EXPECT_EQ(scenarioView(a, v)->savingsText, std::to_string(percent) + "%");
        }
    }
}

TEST(ComparisonScenario, WithoutAVariantOnlyTheBaselineShows) {
    for (int a = 0; a < 3; ++a) {
        const std::optional<ScenarioView> view = scenarioView(a, std::nullopt);
        ASSERT_TRUE(view.has_value());
        EXPECT_EQ(view->visiblePictures.size(), 1);
        EXPECT_TRUE(view->visiblePictures.contains(a == 0 ? P::Corner06 : P::Baseline));
        EXPECT_EQ(view->savingsVisible, a != 0);
        EXPECT_FALSE(view->savingsText.has_value());
    }
    EXPECT_FALSE(scenarioView(3, 1).has_value());
    EXPECT_FALSE(scenarioView(-1, 1).has_value());
}

TEST(ComparisonScenario, PictureNamesAreDistinctControlNames) {
    std::set<std::string> names;
    for (Picture picture : kAllPictures) {
        const std::string name = pictureObjectName(picture);
        EXPECT_TRUE(name.starts_with("img")) << name;
        names.insert(name);
    }
    EXPECT_EQ(names.size(), 13u);
    EXPECT_EQ(pictureObjectName(P::Corner06a), std::string("imgCorner06a"));
    EXPECT_EQ(pictureObjectName(P::Baseline2), std::string("imgBaseline2"));
}

}  // namespace
}  // namespace tavrel::comparison
