// The units a design is given and read in. The analysis itself works in US
// customary units (inches, pounds, psi); SI values are converted exactly once,
// at the edge: inputs to US before a run, results from US after it. Grades are
// always decided on the analysis's own values.
#pragma once

#include <array>
#include <string>

#include "analysis/dowel_cases.h"

namespace tavrel {

enum class UnitSystem { Us, Si };

// The exact standard factors.
constexpr double kMillimetresPerInch = 25.4;
constexpr double kNewtonsPerPoundForce = 4.4482216152605;
constexpr double kKilopascalsPerPsi = 6.894757293168;

// A quantity's value in `system` per unit of the analysis, and its unit caption.
struct UnitScale {
    double perUsUnit;
    const char* caption;
};

// The seven design inputs, by their index in kDesignInputs: inches -> mm,
// psi/inch -> MPa/m, lbs -> kN, psi -> MPa (concrete modulus) or kPa (tire
// pressure). In US units the factor is 1 and the caption the window's.
UnitScale inputScale(UnitSystem system, int input);

// Result quantities: bearing and slab stresses, and stiffnesses (psi -> MPa);
// deflections (inches -> mm).
UnitScale stressScale(UnitSystem system);
UnitScale deflectionScale(UnitSystem system);

// An input value given in `system` as the analysis takes it: converted in
// double precision, then narrowed to single precision.
float toAnalysisUnits(UnitSystem system, int input, double value);
// An analysis value (a default) in `system`.
double fromAnalysisUnits(UnitSystem system, int input, double value);

// An input's limits in `system` as text ("152.4", "13.573"): the US limits
// converted and rounded inwards to five significant digits, so that a limit as
// shown is itself accepted. In US units the window's limits.
std::string inputMinimumText(UnitSystem system, int input);
std::string inputMaximumText(UnitSystem system, int input);

// A limit converted to other units as text, rounded to five significant digits
// up (a minimum) or down (a maximum); a value already that short (152.4) stays
// as it is despite binary fractions.
std::string roundedLimit(double value, bool up);

// A bar's size: inches as the window shows them ("1.25", "1.41x0.88"), or
// millimetres to one decimal ("31.8", "35.8x22.4"); and its size heads, the
// width above the height of an elliptical bar.
std::string dowelLabel(const DowelCase& dowel, UnitSystem system);
std::array<std::string, 2> dowelHeads(const DowelCase& dowel, UnitSystem system);
// The unit of bar sizes: "in." or "mm".
const char* dowelUnit(UnitSystem system);

// The tooltip showing an input's limits in `system`: "Minimum: 152.4  Maximum: 914.4".
std::string rangeTooltip(UnitSystem system, int input);

// A bearing stress as the table shows it: whole psi, or MPa with two decimals,
// halves to even in both.
std::string bearingStressText(float psi, UnitSystem system);

}  // namespace tavrel
