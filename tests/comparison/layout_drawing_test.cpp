#include "comparison/layout_drawing.h"

#include <gtest/gtest.h>

#include <numeric>

namespace tavrel::comparison {
namespace {

TEST(LaneLayouts, DistancesSpanTheLaneWithTheStatedDowelCount) {
    struct Case {
        Picture picture;
        int dowels;
    };
    const Case cases[] = {
        {Picture::Baseline, 12}, {Picture::Baseline2, 12}, {Picture::Ctr10, 10},
        {Picture::Ctr08, 8},     {Picture::Ctr06, 6},      {Picture::AltA, 11},
        {Picture::AltB, 9},      {Picture::AltC, 8},
    };
    for (const Case& c : cases) {
        const std::optional<std::vector<int>> distances = laneDistances(c.picture);
        ASSERT_TRUE(distances.has_value());
        EXPECT_EQ(std::accumulate(distances->begin(), distances->end(), 0), kLaneWidthInches);
        EXPECT_EQ(static_cast<int>(distances->size()) - 1, c.dowels);
        EXPECT_EQ(distances->front(), 6);
        EXPECT_EQ(distances->back(), 6);
        EXPECT_TRUE(std::equal(distances->begin(), distances->end(), distances->rbegin()))
            << "layouts are symmetric about the lane centre";
        EXPECT_FALSE(cornerDistance(c.picture).has_value());
    }
    EXPECT_EQ(laneDistances(Picture::AltA),
              (std::vector<int>{6, 10, 14, 14, 14, 14, 14, 14, 14, 14, 10, 6}));
    EXPECT_EQ(cornerDistance(Picture::Corner06), 6);
    EXPECT_EQ(cornerDistance(Picture::Corner06a), 6);
    EXPECT_EQ(cornerDistance(Picture::Corner08), 8);
    EXPECT_EQ(cornerDistance(Picture::Corner10), 10);
    EXPECT_EQ(cornerDistance(Picture::Corner12), 12);
    EXPECT_FALSE(laneDistances(Picture::Corner08).has_value());
}

}  // namespace
}  // namespace tavrel::comparison
