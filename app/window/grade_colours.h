// The colours that mark a dowel case's grade in the table and the legend.
#pragma once

#include <QColor>

#include "analysis/results_table.h"

namespace tavrel {

inline QColor gradeColour(CaseGrade grade) {
    const Rgb c = gradeRgb(grade);
    return QColor(c.red, c.green, c.blue);
}

}  // namespace tavrel
