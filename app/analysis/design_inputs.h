// The seven design inputs: their names, captions, limits and defaults.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "quorvix/dowel_joint.h"

namespace tavrel {

struct DesignInput {
    // What scripts, web addresses and design files call it, e.g. "spacing".
    const char* option;
    const char* caption;
    const char* units;
    float minimum;  // inclusive limits, compared in single precision
    float maximum;
    float defaultValue;
    float DowelJointInput::*field;  // where the value goes in the engine's input
};

constexpr int kDesignInputCount = 7;

// In the order the inputs are read and checked.
extern const std::array<DesignInput, kDesignInputCount> kDesignInputs;

// The input called `name` ("spacing", ..., "tire-pressure"), or -1.
int inputByOption(std::string_view name);

// "spacing, opening, ..., tire-pressure", for messages.
std::string inputOptionList();

using InputDefaults = std::array<float, kDesignInputCount>;

// The seven defaults, in the order of the inputs.
InputDefaults inputDefaults();

// The shortest plain decimal that reads back as `value` ("0.005", "4000000").
std::string plainDecimal(float value);

// The tooltip showing an input's limits: "Minimum: 6  Maximum: 36".
std::string rangeTooltip(const DesignInput& input);

// Whether `value` lies within the input's limits (a NaN never does).
inline bool inRange(float value, const DesignInput& input) {
    return value >= input.minimum && value <= input.maximum;
}

}  // namespace tavrel
