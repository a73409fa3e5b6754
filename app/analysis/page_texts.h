// The words a page shows around the sizing table that the window's own layout
// has no place for: what a box was read as and why it is refused, the grades in
// a form that needs no colour, and the table's captions in either unit system.
#pragma once

#include <string>
#include <string_view>

#include "analysis/case_grade.h"
#include "analysis/design_analysis.h"
#include "analysis/units.h"

namespace tavrel {

// One design input box as the analysis reads it, in the units the page is in.
struct BoxReading {
    float value = 0;              // the leading number in the box's units, 0 when none
    float analysisValue = 0;      // the same in the analysis's units, as a run takes it
    bool hasNumber = false;       // the text (after blanks) starts with a number
    bool finite = true;           // and it is not beyond any number (1e400)
    bool moreThanNumber = false;  // something besides blanks and that number
    bool inRange = false;
    std::string valueText;  // `value` written plainly, short enough for a link
};

// `text` as typed: Unicode spaces, digits and format characters are made plain
// first, then the leading number is read, exactly as a run reads it.
BoxReading readBox(UnitSystem system, int input, std::string_view text);

// Why a box is refused, in words: "37 is outside 6 to 36 inches", or "Enter a
// number from 6 to 36 inches" when it holds none; empty when it is in range.
std::string refusalText(UnitSystem system, int input, const BoxReading& reading);

// "read as 12" when the text holds more than the number read from it.
std::string readAsText(const BoxReading& reading);

// A grade in a word short enough for a head: "OK", "Cond.", "Not OK".
const char* gradeShortWord(CaseGrade grade);

// The bearing stress section's caption in `system`: "Bearing Stress (psi) -"
// or "Bearing Stress (MPa) -".
std::string bearingStressSection(UnitSystem system);

// Result `row` of a case as the table shows it in `system`: the bearing
// stresses in the system's unit, the load transfer percentages as they are.
std::string resultText(const CaseResult& result, int row, UnitSystem system);

}  // namespace tavrel
