#include "analysis/sensitivity.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tavrel {

float governingBearingStress(const DowelJointResult& engine) {
    const float edge = engine.edgeBearingStress;
    const float corner = engine.cornerBearingStress;
    if (std::isnan(edge) || std::isnan(corner)) return std::numeric_limits<float>::quiet_NaN();
    return std::max(edge, corner);
}

GradeParts gradeParts(const AnalysisRun& run, int dowel) {
    if (run.outcome != AnalysisRun::Complete) return {};
    const auto& cells = run.cases[dowel].cells;
    return {*cells[DeflectionLteRow].grade,
            worse(*cells[EdgeStressRow].grade, *cells[CornerStressRow].grade)};
}

std::vector<float> scanValues(int input, int points) {
    const DesignInput& d = kDesignInputs[input];
    points = std::max(points, 2);
    std::vector<float> values(static_cast<size_t>(points));
    const double step = (static_cast<double>(d.maximum) - d.minimum) / (points - 1);
    for (int i = 0; i < points; ++i) {
        // From the minimum each time, so no error builds up; the narrowing to
        // single precision must not push a value past the maximum.
        values[i] = std::min(static_cast<float>(d.minimum + i * step), d.maximum);
    }
    values.back() = d.maximum;
    return values;
}

InputScan scanInput(DesignAnalysis& analysis, const DesignValues& design, int input,
                    CalclteFunction calclte, int points) {
    InputScan scan;
    scan.input = input;
    scan.design = design;
    scan.values = scanValues(input, points);
    const size_t n = scan.values.size();
    for (int c = 0; c < kDowelCaseCount; ++c) {
        scan.bearingStress[c].reserve(n);
        scan.deflectionLte[c].reserve(n);
        scan.grades[c].reserve(n);
        scan.transferGrades[c].reserve(n);
        scan.stressGrades[c].reserve(n);
        scan.outsideFitted[c].reserve(n);
    }
    DesignValues values = design;
    for (float v : scan.values) {
        values[input] = v;
        const AnalysisRun run = analysis.run(values, calclte);
        for (int c = 0; c < kDowelCaseCount; ++c) {
            const CaseResult& result = run.cases[c];
            scan.bearingStress[c].push_back(governingBearingStress(result.engine));
            scan.deflectionLte[c].push_back(static_cast<double>(result.engine.deflectionLte) * 100);
            const GradeParts parts = gradeParts(run, c);
            scan.grades[c].push_back(worse(parts.transfer, parts.stress));
            scan.transferGrades[c].push_back(parts.transfer);
            scan.stressGrades[c].push_back(parts.stress);
            scan.outsideFitted[c].push_back(outsideFittedRelations(result.engine));
        }
    }
    return scan;
}

}  // namespace tavrel
