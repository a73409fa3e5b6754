// Where the Dowel Sizing page's controls stand and what they are called.
#pragma once

#include <array>

#include "analysis/design_inputs.h"
#include "analysis/dowel_cases.h"

namespace tavrel::sizing_layout {

// One input's text box with its caption label to the left and its units label
// to the right, in the rules' order of the inputs.
struct InputPlace {
    const char* box;
    const char* caption;
    const char* units;
    double left, top;  // of the box, in twips
};

constexpr InputPlace kInputs[kDesignInputCount] = {
    {"txtsd", "lblsd", "lblsdUnits", 2625, 525},
    {"txtw", "lblw", "lblwUnits", 6975, 525},
    {"txtk", "lblk", "lblkUnits", 2625, 1650},
    {"txtLoad", "lblLoad", "lblLoadUnits", 6975, 900},
    {"txtEc", "lblEc", "lblEcUnits", 2625, 900},
    {"txth", "lblh", "lblhUnits", 2625, 1275},
    {"txtTirePres", "lblTirePres", "lblTirePresUnits", 6975, 1275},
};

// Caption and units labels, measured from the box's left edge.
constexpr double kCaptionOffset = -2475, kCaptionWidth = 2400;
constexpr double kUnitsOffset = 975, kUnitsWidth = 1200;
constexpr double kBoxWidth = 840, kRowHeight = 315;

// Each bar's cross-section as drawn, in the rules' order of the bars, in twips:
// about 500 twips per inch of bar, each side a whole number of 15-twip pixels,
// rounded as the layout has always drawn them (the 1.75 in. bar one pixel larger).
struct DrawnSize {
    double width, height;
};
constexpr DrawnSize kDrawnSections[kDowelCaseCount] = {
    {495, 495},   {630, 630}, {750, 750}, {885, 885},
    {1005, 1005}, {705, 435}, {825, 570}, {990, 675},
};

// The size heads ("lblDia_0" .. "lblDia_10") of each bar, top to bottom: one
// for a round bar, two for an elliptical one, numbered left to right.
constexpr int kHeadingLabelCount = 11;
constexpr std::array<int, 2> kHeadingLabels[kDowelCaseCount] = {
    {0}, {1}, {2}, {3}, {4}, {5, 6}, {7, 8}, {9, 10},
};

inline const DrawnSize& drawnSection(const DowelCase& dowel) {
    return kDrawnSections[&dowel - kDowelCases.data()];
}

}  // namespace tavrel::sizing_layout
