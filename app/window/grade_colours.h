// The colours that mark a dowel case's grade in the table and the legend.
#pragma once

#include <QColor>

#include "analysis/case_grade.h"

namespace tavrel {

inline QColor toQColor(Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

inline QColor gradeColour(CaseGrade grade) {
    return toQColor(gradeColourRgb(grade));
}

}  // namespace tavrel
