#include "comparison/dowel_selection.h"

#include <gtest/gtest.h>

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
    for (int i = 0; i < kDowelCount; ++i) {
        SCOPED_TRACE(i);
        const DowelSelection d = kDowelSelections[i];
        EXPECT_EQ(dowelItemCaption(d), std::string(items[i].item));
        EXPECT_EQ(slabClassCaption(d), std::string(items[i].slabClass));
        // A round item names its bar by the sizing table's label.
        const DowelCase& dowel = selectedDowel(d);
        EXPECT_EQ(isRound(dowel), i < 3);
        if (isRound(dowel)) {
            EXPECT_EQ(dowelItemCaption(d), dowelCaseLabel(dowel) + "\" Round");
        }
    }
}

}  // namespace
}  // namespace tavrel::comparison
