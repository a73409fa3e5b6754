// What the layout drawings of the "Dowel Spacing" page show: lane layouts
// (dowels across one 12-foot lane) and corner details (distance from the slab's
// side face to the first dowel). The window paints them from these figures.
#ifndef TAVREL_COMPARISON_LAYOUT_DRAWING_H
#define TAVREL_COMPARISON_LAYOUT_DRAWING_H

#include <optional>
#include <vector>

#include "comparison/comparison_scenario.h"

namespace tavrel::comparison {

inline constexpr int kLaneWidthInches = 144;

// Distances in inches, left to right: slab edge to the first dowel, between
// neighbours, last dowel to the other edge. Nothing for a corner picture.
std::optional<std::vector<int>> laneDistances(Picture picture);

// Dowels across the lane in a lane picture; nothing for a corner picture.
std::optional<int> laneDowelCount(Picture picture);

// Corner distance in inches of a corner picture; nothing for a lane picture.
std::optional<int> cornerDistance(Picture picture);

// The picture whose drawing this one shows (imgBaseline2 shows imgBaseline's).
Picture drawingSource(Picture picture);

}  // namespace tavrel::comparison

#endif  // TAVREL_COMPARISON_LAYOUT_DRAWING_H
