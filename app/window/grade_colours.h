// The colours that mark a dowel case's grade in the table and the legend.
#pragma once

#include <QColor>

#include "analysis/results_table.h"
#include "window/window_colours.h"

namespace tavrel {

inline QColor gradeColour(CaseGrade grade) {
    return colours::fromRgb(gradeRgb(grade));
}

}  // namespace tavrel
