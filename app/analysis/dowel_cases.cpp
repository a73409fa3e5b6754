#include "analysis/dowel_cases.h"

#include "analysis/design_inputs.h"

namespace tavrel {

// K is the modulus of dowel support (psi/in), the stiffness of the concrete
// bedding each bar, a fixed property of the case rather than an input. Round
// bars step it down by 250000 psi/in per quarter inch; the elliptical bars take
// values of their own (the small one that of the 1-inch bar, the medium one
// that of the 2-inch bar, the large one below every round bar). No outside
// source is cited for them here; the guidelines shipped with the program
// (Praxendel.pdf, "The eight dowel bars") table the same values for users.
const std::array<DowelCase, kDowelCaseCount> kDowelCases = {{
    {QUORVIX_ROUND_DOWEL, 1.0f, 0, 0, 2500000},
    {QUORVIX_ROUND_DOWEL, 1.25f, 0, 0, 2250000},
    {QUORVIX_ROUND_DOWEL, 1.5f, 0, 0, 2000000},
    {QUORVIX_ROUND_DOWEL, 1.75f, 0, 0, 1750000},
    {QUORVIX_ROUND_DOWEL, 2.0f, 0, 0, 1500000},
    {kEllipticalDowel, 0, 1.41f, 0.88f, 2500000},
    {kEllipticalDowel, 0, 1.66f, 1.13f, 1500000},
    {kEllipticalDowel, 0, 1.98f, 1.34f, 1300000},
}};

std::string dowelCaseLabel(const DowelCase& dowel) {
    if (isRound(dowel)) return plainDecimal(dowel.diameter);
    return plainDecimal(dowel.width) + "x" + plainDecimal(dowel.height);
}

std::array<std::string, 2> headingCaptions(const DowelCase& dowel) {
    if (isRound(dowel)) return {plainDecimal(dowel.diameter), std::string()};
    return {plainDecimal(dowel.width), plainDecimal(dowel.height)};
}

void applyDowelCase(const DowelCase& dowel, DowelJointInput& input) {
    input.dowelShape = dowel.shape;
    input.dowelDiameter = dowel.diameter;
    input.dowelWidth = dowel.width;
    input.dowelHeight = dowel.height;
    input.dowelSupportModulus = dowel.supportModulus;
}

}  // namespace tavrel
