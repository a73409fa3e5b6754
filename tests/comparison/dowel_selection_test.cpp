#include "comparison/dowel_selection.h"

#include <gtest/gtest.h>

namespace tavrel::comparison {
namespace {

TEST(DowelSelection, MarkerAndSlabClassOfEveryItem) {
    struct Case {
        int index;
        const char* item;
        float centre;
        const char* slabClass;
    };
    const Case cases[] = {
        {0, "1\" Round", 322.5f, "Thin Slab (~7\")"},
        {1, "1.25\" Round", 990.0f, "Avg. Slab (~9\")"},
        {2, "1.5\" Round", 1830.0f, "Thick Slab (~14\")"},
        {3, "Small Elliptical", 2752.5f, "Thin Slab (~7\")"},
        {4, "Medium Elliptical", 3652.5f, "Avg. Slab (~9\")"},
        {5, "Large Elliptical", 4770.0f, "Thick Slab (~14\")"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        EXPECT_EQ(dowelItemCaption(c.index), std::string(c.item));
        EXPECT_EQ(slabClassCaption(c.index), std::string(c.slabClass));
        const std::optional<DowelMarker> marker = dowelMarker(c.index);
        ASSERT_TRUE(marker.has_value());
        EXPECT_EQ(marker->centre, c.centre);
        const float x = c.centre;
        const MarkerLine expected[4] = {
            {x, 1650, x - 150, 1875},
            {x, 1650, x + 150, 1875},
            {x - 150, 1875, x, 1725},
            {x + 150, 1875, x, 1725},
        };
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(marker->lines[i].x1, expected[i].x1) << "line " << i;
            EXPECT_EQ(marker->lines[i].y1, expected[i].y1) << "line " << i;
            EXPECT_EQ(marker->lines[i].x2, expected[i].x2) << "line " << i;
            EXPECT_EQ(marker->lines[i].y2, expected[i].y2) << "line " << i;
        }
    }
}

TEST(DowelSelection, IndexOutsideTheListChangesNothing) {
    for (int index : {-1, 6, 100}) {
        EXPECT_FALSE(dowelItemCaption(index).has_value());
        EXPECT_FALSE(dowelPictureSpan(index).has_value());
        EXPECT_FALSE(dowelMarker(index).has_value());
        EXPECT_FALSE(slabClassCaption(index).has_value());
    }
}

}  // namespace
}  // namespace tavrel::comparison
