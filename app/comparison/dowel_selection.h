// The dowel selection list of the "Dowel Spacing" page: its items, the bar of
// the sizing table each stands for, and the slab class the bar suits.
#ifndef TAVREL_COMPARISON_DOWEL_SELECTION_H
#define TAVREL_COMPARISON_DOWEL_SELECTION_H

#include <string>

#include "analysis/dowel_cases.h"
#include "comparison/comparison_table.h"

namespace tavrel::comparison {

// The sizing table's bar behind the item.
const DowelCase& selectedDowel(DowelSelection d);

// The item's caption, e.g. "1.25\" Round", "Small Elliptical".
std::string dowelItemCaption(DowelSelection d);

// The slab class the bar suits: "Thin Slab (~7\")", "Avg. Slab (~9\")" or "Thick Slab (~14\")".
std::string slabClassCaption(DowelSelection d);

}  // namespace tavrel::comparison

#endif  // TAVREL_COMPARISON_DOWEL_SELECTION_H
