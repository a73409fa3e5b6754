// Where a bar's grade changes as one design input moves with the other six
// held: the changes a scan of the range brackets, each narrowed by bisection on
// the real analysis; and from them, where each bar is acceptable.
#pragma once

#include <string>
#include <vector>

#include "analysis/sensitivity.h"
#include "analysis/units.h"

namespace tavrel {

// Bisection stops once the bracket is narrower than this share of the range.
constexpr double kSolveTolerance = 1e-6;

struct GradeChange {
    int dowel = 0;     // index into kDowelCases
    double value = 0;  // where the grade changes, within kSolveTolerance of the range
    CaseGrade below = CaseGrade::Acceptable;  // the grade just below `value`
    CaseGrade above = CaseGrade::Acceptable;  // and just above it
};

struct InputGrades {
    InputScan scan;
    std::vector<GradeChange> changes;  // by bar, then by value
};

// Every grade change of every bar that the scan brackets. The grade is the
// worse of two parts (load transfer, bearing stress), each followed on its
// own; a part that leaves a grade and returns to it between two neighbouring
// scan values is not seen.
std::vector<GradeChange> solveGradeChanges(DesignAnalysis& analysis, const InputScan& scan,
                                           CalclteFunction calclte);

// The scan and the solved changes of one input.
InputGrades solveInput(DesignAnalysis& analysis, const DesignValues& design, int input,
                       CalclteFunction calclte);

struct ValueInterval {
    double from = 0;
    double to = 0;
};

// The stretches of the input's range over which `dowel` is graded acceptable,
// in increasing order; empty when there is none.
std::vector<ValueInterval> acceptableIntervals(const InputGrades& grades, int dowel);

// A solved value as text: fixed decimals fine enough that the rounding moves
// the value by less than a hundredth of the 0.001-of-range margin around it.
// In `units`, the margin is the range's in those units.
std::string solvedValueText(int input, double value, UnitSystem units = UnitSystem::Us);

}  // namespace tavrel
