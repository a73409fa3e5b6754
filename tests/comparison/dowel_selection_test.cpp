#include "comparison/dowel_selection.h"

#include <gtest/gtest.h>

#include "analysis/dowel_cases.h"
#include "comparison/comparison_table.h"

namespace tavrel::comparison {
namespace {

TEST(DowelSelection, ItemsNameTheirBarsAndTheSlabTheySuit) {
    const struct {
        const char* item;
        const char* slabClass;
    } items[] = {
        {"1\" Round", "Thin Slab (~7\")"},         {"1.25\" Round", "Avg. Slab (~9\")"},
        {"1.5\" Round", "Thick Slab (~14\")"},     {"Small Elliptical", "Thin Slab (~7\")"},
        {"Medium Elliptical", "Avg. Slab (~9\")"}, {"Large Elliptical", "Thick Slab (~14\")"},
    };
    for (int d = 0; d < kDowelCount; ++d) {
        SCOPED_TRACE(d);
        EXPECT_EQ(dowelItemCaption(d), std::string(items[d].item));
        EXPECT_EQ(slabClassCaption(d), std::string(items[d].slabClass));
        // A round item names its bar by the sizing table's label.
        const DowelCase& dowel = kDowelCases[static_cast<std::size_t>(*dowelCaseOfItem(d))];
        if (isRound(dowel)) {
            EXPECT_EQ(*dowelItemCaption(d), dowelCaseLabel(dowel) + "\" Round");
        }
    }
}

TEST(DowelSelection, PicturesShowTheirBarsSideBySideWithTheMarkerUnderneath) {
    int previousRight = 0;
    std::optional<DowelMarker> previousMarker;
    for (int d = 0; d < kDowelCount; ++d) {
        SCOPED_TRACE(d);
        const DowelPicture picture = *dowelPicture(d);
        const DowelCase& dowel = kDowelCases[static_cast<std::size_t>(*dowelCaseOfItem(d))];
        EXPECT_EQ(picture.round, isRound(dowel));
        EXPECT_EQ(picture.width, dowel.drawnWidth);
        EXPECT_EQ(picture.height, dowel.drawnHeight);
        EXPECT_EQ(picture.top + picture.height, 1500);  // one base line
        EXPECT_GT(picture.left, previousRight);         // no overlap, left to right
        previousRight = picture.left + picture.width;

        // The arrow points up at the picture's middle; only its x follows the item.
        const DowelMarker marker = *dowelMarker(d);
        EXPECT_FLOAT_EQ(marker.centre, picture.left + picture.width / 2.0f);
        EXPECT_EQ(marker.lines[0].x1, marker.centre);
        EXPECT_EQ(marker.lines[1].x1, marker.centre);
        EXPECT_LT(marker.lines[0].y1, marker.lines[0].y2);  // the tip is on top
        EXPECT_EQ(marker.lines[0].x2 + marker.lines[1].x2, 2 * marker.centre);
        if (previousMarker) {
            for (std::size_t i = 0; i < 4; ++i) {
                EXPECT_EQ(marker.lines[i].y1, previousMarker->lines[i].y1);
                EXPECT_EQ(marker.lines[i].y2, previousMarker->lines[i].y2);
                EXPECT_EQ(marker.lines[i].x1 - marker.centre,
                          previousMarker->lines[i].x1 - previousMarker->centre);
            }
        }
        previousMarker = marker;
    }
}

TEST(DowelSelection, IndexOutsideTheListChangesNothing) {
    for (int index : {-1, 6, 100}) {
        EXPECT_FALSE(dowelCaseOfItem(index).has_value());
        EXPECT_FALSE(dowelItemCaption(index).has_value());
        EXPECT_FALSE(dowelPicture(index).has_value());
        EXPECT_FALSE(dowelMarker(index).has_value());
        EXPECT_FALSE(slabClassCaption(index).has_value());
    }
}

}  // namespace
}  // namespace tavrel::comparison
