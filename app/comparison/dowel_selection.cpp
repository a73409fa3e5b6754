#include "comparison/dowel_selection.h"

namespace tavrel::comparison {

namespace {

struct DowelRow {
    int dowelCase;          // index of kDowelCases
    const char* sizeClass;  // the item's name for an elliptical bar
    const char* slabClass;
};

constexpr DowelRow kDowels[kDowelCount] = {
    {0, nullptr, "Thin Slab (~7\")"},   {1, nullptr, "Avg. Slab (~9\")"},
    {2, nullptr, "Thick Slab (~14\")"}, {5, "Small", "Thin Slab (~7\")"},
    {6, "Medium", "Avg. Slab (~9\")"},  {7, "Large", "Thick Slab (~14\")"},
};

const DowelRow& row(DowelSelection d) {
    return kDowels[indexOf(d)];
}

}  // namespace

const DowelCase& selectedDowel(DowelSelection d) {
    return kDowelCases[static_cast<std::size_t>(row(d).dowelCase)];
}

std::string dowelItemCaption(DowelSelection d) {
    const DowelCase& dowel = selectedDowel(d);
    if (isRound(dowel)) return dowelCaseLabel(dowel) + "\" Round";
    return std::string(row(d).sizeClass) + " Elliptical";
}

std::string slabClassCaption(DowelSelection d) {
    return row(d).slabClass;
}

}  // namespace tavrel::comparison
