// Everything the design report says about one design: its run, the fixed
// values the analysis gave the engine, and how each bar's grade depends on
// each of the seven inputs.
#pragma once

#include <array>
#include <optional>

#include "analysis/grade_solver.h"

namespace tavrel {

struct DesignStudy {
    DesignValues values{};
    AnalysisRun run;  // complete
    // The engine's input record as the design's run left it: the fixed
    // assumptions (dowel modulus, Poisson's ratios) read from what was used.
    DowelJointInput engineInput{};
    std::array<InputGrades, kDesignInputCount> inputs;
    long engineCalls = 0;
};

// Empty when an input is out of range or the engine is not bound.
std::optional<DesignStudy> studyDesign(const DesignValues& values, CalclteFunction calclte);

}  // namespace tavrel
