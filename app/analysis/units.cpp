#include "analysis/units.h"

#include <array>
#include <cmath>

#include "analysis/design_inputs.h"
#include "analysis/result_format.h"

namespace tavrel {

namespace {

constexpr UnitScale kSiInputs[kDesignInputCount] = {
    {kMillimetresPerInch, "mm"},
    {kMillimetresPerInch, "mm"},
    // 1 psi/inch = 6.894757293168 kPa per 25.4 mm = 0.27144713753 MPa/m.
    {kKilopascalsPerPsi / kMillimetresPerInch, "MPa/m"},
    {kNewtonsPerPoundForce / 1000, "kN"},
    {kKilopascalsPerPsi / 1000, "MPa"},
    {kMillimetresPerInch, "mm"},
    {kKilopascalsPerPsi, "kPa"},
};

constexpr int kLimitDigits = 5;

}  // namespace

std::string roundedLimit(double value, bool up) {
    const int decimals =
        std::max(0, kLimitDigits - 1 - static_cast<int>(std::floor(std::log10(value))));
    const double scale = std::pow(10.0, decimals);
    const double scaled = value * scale;
    double whole = std::nearbyint(scaled);
    if (std::fabs(scaled - whole) > 1e-6 * std::max(1.0, std::fabs(scaled)))
        whole = up ? std::ceil(scaled) : std::floor(scaled);
    std::string text = formatFixed(whole / scale, decimals);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0') text.pop_back();
        if (text.back() == '.') text.pop_back();
    }
    return text;
}

UnitScale inputScale(UnitSystem system, int input) {
    if (system == UnitSystem::Si) return kSiInputs[input];
    return {1, kDesignInputs[input].units};
}

UnitScale stressScale(UnitSystem system) {
    if (system == UnitSystem::Si) return {kKilopascalsPerPsi / 1000, "MPa"};
    return {1, "psi"};
}

UnitScale deflectionScale(UnitSystem system) {
    if (system == UnitSystem::Si) return {kMillimetresPerInch, "mm"};
    return {1, "in."};
}

float toAnalysisUnits(UnitSystem system, int input, double value) {
    if (system == UnitSystem::Us) return static_cast<float>(value);
    return static_cast<float>(value / kSiInputs[input].perUsUnit);
}

double fromAnalysisUnits(UnitSystem system, int input, double value) {
    return value * inputScale(system, input).perUsUnit;
}

std::string inputMinimumText(UnitSystem system, int input) {
    const DesignInput& d = kDesignInputs[input];
    if (system == UnitSystem::Us) return plainDecimal(d.minimum);
    return roundedLimit(fromAnalysisUnits(system, input, d.minimum), true);
}

std::string inputMaximumText(UnitSystem system, int input) {
    const DesignInput& d = kDesignInputs[input];
    if (system == UnitSystem::Us) return plainDecimal(d.maximum);
    return roundedLimit(fromAnalysisUnits(system, input, d.maximum), false);
}

std::string rangeTooltip(UnitSystem system, int input) {
    return "Minimum: " + inputMinimumText(system, input) +
           "  Maximum: " + inputMaximumText(system, input);
}

std::array<std::string, 2> dowelHeads(const DowelCase& dowel, UnitSystem system) {
    if (system == UnitSystem::Us) return headingCaptions(dowel);
    // The sizes are decimals in inches: their exact conversion (1.75 in. is
    // 44.45 mm) rounds, not the binary product just below it.
    auto mm = [](float inches) {
        const double exact = std::round(static_cast<double>(inches) * kMillimetresPerInch * 1e6);
        return formatFixed(exact / 1e6, 1);
    };
    if (isRound(dowel)) return {mm(dowel.diameter), std::string()};
    return {mm(dowel.width), mm(dowel.height)};
}

std::string dowelLabel(const DowelCase& dowel, UnitSystem system) {
    const std::array<std::string, 2> heads = dowelHeads(dowel, system);
    return isRound(dowel) ? heads[0] : heads[0] + "x" + heads[1];
}

const char* dowelUnit(UnitSystem system) {
    return system == UnitSystem::Si ? "mm" : "in.";
}

std::string bearingStressText(float psi, UnitSystem system) {
    if (system == UnitSystem::Us) return formatWholeNumber(psi);
    return formatFixed(static_cast<double>(psi) * stressScale(system).perUsUnit, 2);
}

}  // namespace tavrel
