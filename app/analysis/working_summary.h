// The working behind one dowel case: everything the engine wrote for it, in
// words and units, for engineers who want to see more than the grade.
#pragma once

#include <string>

#include "analysis/dowel_cases.h"
#include "quorvix/dowel_joint.h"

namespace tavrel {

// Several lines: the bar, the joint stiffnesses, the free-edge, loaded and
// unloaded deflections and stresses, the load transfer ratios and the bearing
// stresses; then, for results outside what the fitted relations describe, which
// ones and why. Values that are not finite show as "n/a".
std::string describeWorking(const DowelCase& dowel, const DowelJointResult& engine);
// The same into `text`, replacing what it held and reusing its storage.
void describeWorking(const DowelCase& dowel, const DowelJointResult& engine, std::string& text);

}  // namespace tavrel
