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

// The thresholds, compared in single precision; the report draws them too.
inline constexpr float kLteAcceptableFrom = 0.7f;  // deflection load transfer, a fraction
inline constexpr float kLteConditionalFrom = 0.5f;
inline constexpr float kStressConditionalFrom = 3000.0f;  // bearing stress, psi
inline constexpr float kStressUnacceptableFrom = 4500.0f;

// Deflection load transfer as a fraction: 0.7 and up acceptable, from 0.5
// conditional, below (or not a number) unacceptable.
inline CaseGrade gradeDeflectionLte(float fraction) {
    if (fraction >= kLteAcceptableFrom) return CaseGrade::Acceptable;
    if (fraction >= kLteConditionalFrom) return CaseGrade::Conditional;
    return CaseGrade::Unacceptable;
}

// Bearing stress in psi: below 3000 acceptable, below 4500 conditional, else
// (or not a number) unacceptable.
inline CaseGrade gradeBearingStress(float psi) {
    if (psi < kStressConditionalFrom) return CaseGrade::Acceptable;
    if (psi < kStressUnacceptableFrom) return CaseGrade::Conditional;
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

inline CaseGrade worse(CaseGrade a, CaseGrade b) {
    return std::max(a, b);
}

}  // namespace tavrel
