// Where the Dowel Sizing page's controls stand and what they are called.
#pragma once

#include "analysis/design_inputs.h"

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

}  // namespace tavrel::sizing_layout
