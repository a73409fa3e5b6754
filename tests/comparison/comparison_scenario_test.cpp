#include "comparison/comparison_scenario.h"

#include <gtest/gtest.h>

#include <set>

namespace tavrel::comparison {
namespace {

using P = Picture;

TEST(ComparisonScenario, ViewOfEveryLayout) {
    struct Case {
        int a, v;
        Picture variant;
        bool savings;
        const char* savingsText;  // nullptr: caption untouched
    };
    const Case cases[] = {
        {0, 0, P::Corner06a, false, nullptr}, {0, 1, P::Corner08, false, nullptr},
        {0, 2, P::Corner10, false, nullptr},  {0, 3, P::Corner12, false, nullptr},
        {1, 0, P::Baseline2, true, "0%"},     {1, 1, P::Ctr10, true, "17%"},
        {1, 2, P::Ctr08, true, "33%"},        {1, 3, P::Ctr06, true, "50%"},
        {2, 0, P::Baseline2, true, "0%"},     {2, 1, P::AltA, true, "8%"},
        {2, 2, P::AltB, true, "25%"},         {2, 3, P::AltC, true, "33%"},
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
        if (c.savingsText == nullptr) {
            EXPECT_FALSE(view->savingsText.has_value());
        } else {
            EXPECT_EQ(view->savingsText, std::string(c.savingsText));
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
