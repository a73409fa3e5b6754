// The colours that mark a dowel case's grade in the table and the legend.
#pragma once

#include <QColor>

#include "analysis/case_grade.h"

namespace tavrel {

inline QColor gradeColour(CaseGrade grade) {
    switch (grade) {
        case CaseGrade::Acceptable:
            return QColor(128, 255, 128);  // light green
        case CaseGrade::Conditional:
            return QColor(255, 255, 128);  // light yellow
        case CaseGrade::Unacceptable:
            break;
    }
    return QColor(255, 128, 128);  // light red
}

}  // namespace tavrel
