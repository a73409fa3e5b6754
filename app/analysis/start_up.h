// What start-up puts in place before the first analysis: the defaults of the
// seven inputs and the version line of the window caption.
#pragma once

#include <array>
#include <string>

#include "analysis/design_inputs.h"

namespace tavrel {

using InputDefaults = std::array<float, kDesignInputCount>;

// The seven defaults, in the order of the inputs.
InputDefaults inputDefaults();

// " Tavrel Version 2.0.020": major and minor as they are, the revision with at
// least three digits.
std::string versionCaption(int major, int minor, int revision);

}  // namespace tavrel
