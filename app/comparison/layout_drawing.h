// The layout drawings of the "Dowel Spacing" page, drawn at run time from the
// dowel distances: lane drawings (dowels across one 12-foot lane) and corner
// details (distance from the slab's side face to the first dowel).
// Drawing text needs a QGuiApplication.
#ifndef TAVREL_COMPARISON_LAYOUT_DRAWING_H
#define TAVREL_COMPARISON_LAYOUT_DRAWING_H

#include <QImage>
#include <QSize>
#include <optional>
#include <vector>

#include "comparison/comparison_scenario.h"

namespace tavrel::comparison {

inline constexpr QSize kLaneDrawingSize{482, 70};
inline constexpr QSize kCornerDrawingSize{134, 90};
inline constexpr int kLaneWidthInches = 144;

// Distances in inches, left to right: slab edge to the first dowel, between
// neighbours, last dowel to the other edge. Nothing for a corner picture.
std::optional<std::vector<int>> laneDistances(Picture picture);

// Corner distance in inches of a corner picture; nothing for a lane picture.
std::optional<int> cornerDistance(Picture picture);

// The picture whose drawing this one shows (imgBaseline2 shows imgBaseline's).
Picture drawingSource(Picture picture);

// Lane drawing of 482 x 70 pixels for distances that add up to the lane width.
QImage drawLaneLayout(const std::vector<int>& distances);

// Pixel x of each dowel's axis in the lane drawing.
std::vector<double> laneDowelCentres(const std::vector<int>& distances);

// Row of the lane drawing that crosses every dowel below the slab face and
// nothing else.
inline constexpr int kLaneDowelProbeRow = 37;

// Corner detail of 134 x 90 pixels for a corner distance in inches (6 to 12).
QImage drawCornerDetail(int inches);

// Pixel x of the dowel's axis on the joint face of the corner detail.
double cornerDowelCentre(int inches);

// The drawing of a picture, drawn once and cached; pictures that show the same
// drawing return the same image object. User-interface thread only.
const QImage& pictureImage(Picture picture);

}  // namespace tavrel::comparison

#endif  // TAVREL_COMPARISON_LAYOUT_DRAWING_H
