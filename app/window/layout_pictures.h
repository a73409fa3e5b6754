// The layout drawings of the "Dowel Spacing" page, painted at run time from
// the dowel distances the comparison rules give: lane drawings and corner
// details. Drawing text needs a QGuiApplication.
#pragma once

#include <QImage>
#include <QSize>
#include <optional>
#include <vector>

#include "comparison/layout_drawing.h"

namespace tavrel {

inline constexpr QSize kLaneDrawingSize{482, 70};
inline constexpr QSize kCornerDrawingSize{134, 90};

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
const QImage& pictureImage(comparison::Picture picture);

}  // namespace tavrel
