// The version line of the window caption.
#pragma once

#include <string>

#include "analysis/design_inputs.h"

namespace tavrel {

// " Tavrel Version 2.0.020": major and minor as they are, the revision with at
// least three digits.
std::string versionCaption(int major, int minor, int revision);

}  // namespace tavrel
