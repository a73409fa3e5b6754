// How the eight bars respond as one design input runs over its whole range
// with the other six held: the figures behind the report's charts, and the
// scan that the grade solver narrows down.
#pragma once

#include <array>
#include <vector>

#include "analysis/design_analysis.h"

namespace tavrel {

// The larger of the edge and corner bearing stress, the one that decides the
// bar's stress grade; not a number when either is.
float governingBearingStress(const DowelJointResult& engine);

// Evenly spaced over the range, both limits included: fine enough that a chart
// reads as a curve and that grade changes closer together than a step are rare.
constexpr int kScanPoints = 161;

struct InputScan {
    int input = 0;              // index into kDesignInputs
    DesignValues design{};      // the design the scan departs from
    std::vector<float> values;  // the input's values, from its minimum to its maximum
    // Per bar, one entry per value.
    std::array<std::vector<double>, kDowelCaseCount> bearingStress;  // governing, psi
    std::array<std::vector<double>, kDowelCaseCount> deflectionLte;  // percent
    std::array<std::vector<CaseGrade>, kDowelCaseCount> grades;
    // The two parts of the grade: of the deflection load transfer, and of the
    // worse of the two bearing stresses.
    std::array<std::vector<CaseGrade>, kDowelCaseCount> transferGrades;
    std::array<std::vector<CaseGrade>, kDowelCaseCount> stressGrades;
    // Whether the bar's results lie outside the fitted relations there.
    std::array<std::vector<bool>, kDowelCaseCount> outsideFitted;
};

// The grade of a run's deflection load transfer and of its bearing stresses;
// the case's grade is the worse of the two.
struct GradeParts {
    CaseGrade transfer = CaseGrade::Unacceptable;
    CaseGrade stress = CaseGrade::Unacceptable;
};
// Both unacceptable when the run did not complete.
GradeParts gradeParts(const AnalysisRun& run, int dowel);

// The values a scan of `points` (at least 2) visits for `input`.
std::vector<float> scanValues(int input, int points);

// Runs the analysis at every scan value. `design` must have all seven inputs in
// range and `calclte` must be bound; `analysis` is reused for every run.
InputScan scanInput(DesignAnalysis& analysis, const DesignValues& design, int input,
                    CalclteFunction calclte, int points = kScanPoints);

}  // namespace tavrel
