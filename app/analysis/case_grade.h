// Grading a dowel case: acceptable, acceptable only under favourable
// conditions, or unacceptable. The worst of its graded results governs.
#pragma once

#include <algorithm>
#include <array>
#include <string>

namespace tavrel {

enum class CaseGrade {
    Acceptable = 0,
    Conditional = 1,  // acceptable only under the conditions below
    Unacceptable = 2,
};

// Where a conditional bar may serve, in the order the window, tavrel-cli and the
// guidelines name them.
inline constexpr std::array<const char*, 4> kConditionalGradeConditions = {
    "wide lanes", "tied shoulders", "good support", "low traffic"};

// "acceptable for wide lanes, tied shoulders, good support and/or low traffic"
inline std::string conditionalGradeMeaning() {
    std::string text = "acceptable for ";
    for (std::size_t i = 0; i < kConditionalGradeConditions.size(); ++i) {
        if (i > 0) text += i + 1 < kConditionalGradeConditions.size() ? ", " : " and/or ";
        text += kConditionalGradeConditions[i];
    }
    return text;
}

// Deflection load transfer as a fraction: from the first limit up acceptable,
// from the second conditional, below (or not a number) unacceptable.
inline constexpr float kAcceptableDeflectionLte = 0.7f;
inline constexpr float kConditionalDeflectionLte = 0.5f;

inline CaseGrade gradeDeflectionLte(float fraction) {
    if (fraction >= kAcceptableDeflectionLte) return CaseGrade::Acceptable;
    if (fraction >= kConditionalDeflectionLte) return CaseGrade::Conditional;
    return CaseGrade::Unacceptable;
}

// Bearing stress in psi: below the first limit acceptable, below the second
// conditional, else (or not a number) unacceptable.
inline constexpr float kAcceptableBearingStress = 3000.0f;
inline constexpr float kConditionalBearingStress = 4500.0f;

inline CaseGrade gradeBearingStress(float psi) {
    if (psi < kAcceptableBearingStress) return CaseGrade::Acceptable;
    if (psi < kConditionalBearingStress) return CaseGrade::Conditional;
    return CaseGrade::Unacceptable;
}

// The grade in words, for text output: "acceptable", "conditional" (see
// conditionalGradeMeaning), "unacceptable".
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
