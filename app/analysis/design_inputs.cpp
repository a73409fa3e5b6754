#include "analysis/design_inputs.h"

#include <charconv>

#include "analysis/exact_decimal.h"

namespace tavrel {

const std::array<DesignInput, kDesignInputCount> kDesignInputs = {{
    {"spacing", "Dowel Spacing:", "inches", 6, 36, 12, &DowelJointInput::dowelSpacing},
    {"opening", "Joint Opening:", "inches", 0.005f, 3, 0.25f, &DowelJointInput::jointOpening},
    {"k", "Slab Support Reaction Modulus:", "psi/inch", 50, 5000, 300,
     &DowelJointInput::subgradeModulus},
    {"load", "Wheel Load:", "lbs", 1000, 50000, 9000, &DowelJointInput::wheelLoad},
    {"ec", "Concrete Elastic Modulus:", "psi", 500000, 10000000, 4000000,
     &DowelJointInput::concreteModulus},
    {"thickness", "Slab Thickness:", "inches", 5, 30, 12, &DowelJointInput::slabThickness},
    {"tire-pressure", "Tire Pressure:", "psi", 20, 500, 90, &DowelJointInput::tirePressure},
}};

int inputByOption(std::string_view name) {
    for (int i = 0; i < kDesignInputCount; ++i) {
        if (name == kDesignInputs[i].option) return i;
    }
    return -1;
}

std::string inputOptionList() {
    std::string list;
    for (const DesignInput& input : kDesignInputs)
        list += (list.empty() ? "" : ", ") + std::string(input.option);
    return list;
}

InputDefaults inputDefaults() {
    InputDefaults defaults;
    for (int i = 0; i < kDesignInputCount; ++i) defaults[i] = kDesignInputs[i].defaultValue;
    return defaults;
}

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
