// Grading a dowel case: acceptable, acceptable only under favourable
// conditions, or unacceptable. The worst of its graded results governs.
#pragma once

#include <algorithm>

namespace tavrel {

enum class CaseGrade {
    Acceptable = 0,
    Conditional = 1,  // wide lanes, tied shoulders, good support and/or low traffic
    Unacceptable = 2,
};

// Deflection load transfer as a fraction: 0.7 and up acceptable, from 0.5
// conditional, below (or not a number) unacceptable.
inline CaseGrade gradeDeflectionLte(float fraction) {
    if (fraction >= 0.7f) return CaseGrade::Acceptable;
    if (fraction >= 0.5f) return CaseGrade::Conditional;
    return CaseGrade::Unacceptable;
}

// Bearing stress in psi: below 3000 acceptable, below 4500 conditional, else
// (or not a number) unacceptable.
inline CaseGrade gradeBearingStress(float psi) {
    if (psi < 3000.0f) return CaseGrade::Acceptable;
    if (psi < 4500.0f) return CaseGrade::Conditional;
    return CaseGrade::Unacceptable;
}

// The grade in words, for text output: "acceptable", "conditional" (acceptable
// for wide lanes, tied shoulders, good support and/or low traffic), "unacceptable".
inline const char* gradeWord(CaseGrade grade) {
    switch (grade) {
        case CaseGrade::Acceptable:
            return "acceptable";
        case CaseGrade::Conditional:
            return "conditional";
        case CaseGrade::Unacceptable:
            break;
    }
    return "unacceptable";
}

// The grade in a phrase, for readers who cannot tell it by colour.
inline const char* gradeDescription(CaseGrade grade) {
    switch (grade) {
        case CaseGrade::Acceptable:
            return "acceptable";
        case CaseGrade::Conditional:
            return "conditional: acceptable for wide lanes, tied shoulders, good support and/or "
                   "low traffic";
        case CaseGrade::Unacceptable:
            break;
    }
    return "unacceptable";
}

// A colour as red, green and blue, 0 to 255, for every front end.
struct Rgb {
    int red, green, blue;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The colour marking a grade: size heads, graded cells and the legend.
inline Rgb gradeColourRgb(CaseGrade grade) {
    switch (grade) {
        case CaseGrade::Acceptable:
            return {128, 255, 128};  // light green
        case CaseGrade::Conditional:
            return {255, 255, 128};  // light yellow
        case CaseGrade::Unacceptable:
            break;
    }
    return {255, 128, 128};  // light red
}

// The legend's text beside the grade's colour.
inline const char* gradeLegendText(CaseGrade grade) {
    switch (grade) {
        case CaseGrade::Acceptable:
            return "= Acceptable Option";
        case CaseGrade::Conditional:
            return "= Acceptable for Wide Lanes, Tied Shoulders, Good Support, and/or Low Traffic ";
        case CaseGrade::Unacceptable:
            break;
    }
    return "= Unacceptable Option";
}

inline CaseGrade worse(CaseGrade a, CaseGrade b) {
    return std::max(a, b);
}

}  // namespace tavrel
