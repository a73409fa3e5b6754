// The seven design inputs: their boxes, captions, limits and defaults.
#pragma once

#include <array>
#include <string>

#include "quorvix/dowel_joint.h"

namespace tavrel {

struct DesignInput {
    const char* box;      // text box name, e.g. "txtsd"
    const char* caption;  // caption label text
    const char* units;
    float minimum;  // inclusive limits, compared in single precision
    float maximum;
    float defaultValue;
    float DowelJointInput::*field;  // where the value goes in the engine's input
};

constexpr int kDesignInputCount = 7;

// In the order the boxes are read and checked.
extern const std::array<DesignInput, kDesignInputCount> kDesignInputs;

// The inputs' names on the command line and in design files, in reading order
// ("spacing", "opening", "k", "load", "ec", "thickness", "tire-pressure").
extern const std::array<const char*, kDesignInputCount> kInputOptionNames;

// The shortest plain decimal that reads back as `value` ("0.005", "4000000").
std::string plainDecimal(float value);

// The tooltip showing an input's limits: "Minimum: 6  Maximum: 36".
std::string rangeTooltip(const DesignInput& input);

// Whether `value` lies within the input's limits (a NaN never does).
inline bool inRange(float value, const DesignInput& input) {
    return value >= input.minimum && value <= input.maximum;
}

}  // namespace tavrel
