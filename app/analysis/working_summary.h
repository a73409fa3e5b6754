// The working behind one dowel case: everything the engine wrote for it, in
// words and units, for engineers who want to see more than the grade.
#pragma once

#include <string>

#include "analysis/dowel_cases.h"
#include "analysis/units.h"
#include "quorvix/dowel_joint.h"

namespace tavrel {

// Several lines: the bar, the joint stiffnesses, the free-edge, loaded and
// unloaded deflections and stresses, the load transfer ratios and the bearing
// stresses, in `units`; then, for results outside what the fitted relations
// describe, which ones and why. Values that are not finite show as "n/a".
// Every run leaves aggregate interlock out, so the aggregate stiffness the
// engine reports is labelled as not used.
std::string describeWorking(const DowelCase& dowel, const DowelJointResult& engine,
                            UnitSystem units = UnitSystem::Us);
// The same into `text`, replacing what it held and reusing its storage.
void describeWorking(const DowelCase& dowel, const DowelJointResult& engine, std::string& text,
                     UnitSystem units = UnitSystem::Us);

}  // namespace tavrel
