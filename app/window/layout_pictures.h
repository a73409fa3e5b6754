// The layout drawings of the "Dowel Spacing" page, painted at run time from the
// figures the comparison rules describe, one figure unit to a pixel. Drawing
// text needs a QGuiApplication.
#pragma once

#include <QImage>

#include "comparison/layout_figure.h"

namespace tavrel {

// A figure painted on white at its own size.
QImage paintFigure(const comparison::LayoutFigure& figure);

// Row of a lane drawing that crosses every dowel below the slab face and
// nothing else.
inline constexpr int kLaneDowelProbeRow = 37;

// The drawing of a picture, painted once and cached; pictures that show the
// same drawing return the same image object. User-interface thread only.
const QImage& pictureImage(comparison::Picture picture);

}  // namespace tavrel
