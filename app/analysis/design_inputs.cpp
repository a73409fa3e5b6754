#include "analysis/design_inputs.h"

#include <charconv>

#include "analysis/exact_decimal.h"

namespace tavrel {

const std::array<DesignInput, kDesignInputCount> kDesignInputs = {{
    {"txtsd", "Dowel Spacing:", "inches", 6, 36, 12, &DowelJointInput::dowelSpacing},
    {"txtw", "Joint Opening:", "inches", 0.005f, 3, 0.25f, &DowelJointInput::jointOpening},
    {"txtk", "Slab Support Reaction Modulus:", "psi/inch", 50, 5000, 300,
     &DowelJointInput::subgradeModulus},
    {"txtLoad", "Wheel Load:", "lbs", 1000, 50000, 9000, &DowelJointInput::wheelLoad},
    {"txtEc", "Concrete Elastic Modulus:", "psi", 500000, 10000000, 4000000,
     &DowelJointInput::concreteModulus},
    {"txth", "Slab Thickness:", "inches", 5, 30, 12, &DowelJointInput::slabThickness},
    {"txtTirePres", "Tire Pressure:", "psi", 20, 500, 90, &DowelJointInput::tirePressure},
}};

const std::array<const char*, kDesignInputCount> kInputOptionNames = {
    "spacing", "opening", "k", "load", "ec", "thickness", "tire-pressure"};

std::string plainDecimal(float value) {
#if defined(__cpp_lib_to_chars)
    // The longest float in fixed notation, the smallest subnormal with its
    // sign, takes 48 characters.
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return std::string(buffer, result.ptr);
#else
    return shortestFixed(value);
#endif
}

std::string rangeTooltip(const DesignInput& input) {
    return "Minimum: " + plainDecimal(input.minimum) + "  Maximum: " + plainDecimal(input.maximum);
}

}  // namespace tavrel
