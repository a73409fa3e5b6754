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

// The conditions joined into one phrase. Prose reads "wide lanes, tied
// shoulders, good support and/or low traffic"; the window's legend capitalises
// each word and puts a comma before "and/or".
enum class ConditionsWording { Prose, Legend };

inline std::string conditionalGradeConditions(ConditionsWording wording) {
    const bool legend = wording == ConditionsWording::Legend;
    std::string text;
    const std::size_t count = kConditionalGradeConditions.size();
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) text += i + 1 < count ? ", " : legend ? ", and/or " : " and/or ";
        bool wordStart = true;
        for (const char* c = kConditionalGradeConditions[i]; *c != '\0'; ++c) {
            const bool capital = legend && wordStart && *c >= 'a' && *c <= 'z';
            text += capital ? static_cast<char>(*c - 'a' + 'A') : *c;
            wordStart = *c == ' ';
        }
    }
    return text;
}

// "acceptable for wide lanes, tied shoulders, good support and/or low traffic"
inline std::string conditionalGradeMeaning() {
    return "acceptable for " + conditionalGradeConditions(ConditionsWording::Prose);
}

// The grade limits are this program's design criteria; they come from no
// formula and no outside document cited here, and the guidelines shipped with
// the program (Praxendel.pdf, "Reading the grades") print them for users, so
// a change here must be made there too. They grade the sizing table's cells
// and heads, tavrel-cli's verdicts, the report's limit lines and the web page.
//
// Deflection load transfer as a fraction: from the first limit up acceptable,
// from the second conditional, below (or not a number) unacceptable.
inline constexpr float kAcceptableDeflectionLte = 0.7f;
inline constexpr float kConditionalDeflectionLte = 0.5f;

inline CaseGrade gradeDeflectionLte(float fraction) {
    if (fraction >= kAcceptableDeflectionLte) return CaseGrade::Acceptable;
    if (fraction >= kConditionalDeflectionLte) return CaseGrade::Conditional;
    return CaseGrade::Unacceptable;
}

// Bearing stress in psi, edge and corner alike: below the first limit
// acceptable, below the second conditional, else (or not a number)
// unacceptable. The limits guard the concrete around the bar against crushing.
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

// The grade in a phrase, for readers who cannot tell it by colour: "acceptable",
// "conditional: acceptable for wide lanes, ...", "unacceptable".
inline std::string gradeDescription(CaseGrade grade) {
    if (grade == CaseGrade::Conditional)
        return std::string(gradeWord(grade)) + ": " + conditionalGradeMeaning();
    return gradeWord(grade);
}

inline CaseGrade worse(CaseGrade a, CaseGrade b) {
    return std::max(a, b);
}

}  // namespace tavrel
