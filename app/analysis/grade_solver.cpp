#include "analysis/grade_solver.h"

#include <algorithm>
#include <cmath>

#include "analysis/result_format.h"

namespace tavrel {

namespace {

// Three grades allow two changes of a part between scan values; the bound
// keeps an analysis that flickers at a threshold from holding the solver up.
constexpr int kMaxChangesPerStep = 8;

double rangeOf(int input) {
    return static_cast<double>(kDesignInputs[input].maximum) - kDesignInputs[input].minimum;
}

enum Part { Transfer, Stress };

CaseGrade partOf(const GradeParts& g, Part part) {
    return part == Transfer ? g.transfer : g.stress;
}

// The grade parts of one bar with the input at `value`, the others as designed.
class BarGrader {
  public:
    BarGrader(DesignAnalysis& analysis, const InputScan& scan, CalclteFunction calclte)
        : analysis_(analysis), values_(scan.design), input_(scan.input), calclte_(calclte) {}

    GradeParts operator()(int dowel, float value) {
        values_[input_] = value;
        return gradeParts(analysis_.run(values_, calclte_), dowel);
    }

  private:
    DesignAnalysis& analysis_;
    DesignValues values_;
    int input_;
    CalclteFunction calclte_;
};

// Where one part of a bar's grade changes: the bracket's middle, with the
// parts at both ends of the bracket.
struct Crossing {
    double value;
    GradeParts below, above;
};

// Narrows [low, high], where `part` differs between the two ends, to the first
// change of `part` away from its value at `low`. `low` and `high` end as the
// final bracket.
Crossing bisect(BarGrader& grade, int dowel, Part part, float& low, float& high, GradeParts atLow,
                GradeParts atHigh, double tolerance) {
    const CaseGrade from = partOf(atLow, part);
    while (static_cast<double>(high) - low > tolerance) {
        const float middle = static_cast<float>((static_cast<double>(low) + high) / 2);
        // Neighbouring single-precision values: the analysis cannot be asked
        // anything in between.
        if (middle <= low || middle >= high) break;
        const GradeParts g = grade(dowel, middle);
        if (partOf(g, part) == from) {
            low = middle;
            atLow = g;
        } else {
            high = middle;
            atHigh = g;
        }
    }
    return {(static_cast<double>(low) + high) / 2, atLow, atHigh};
}

// Every change of one part of one bar's grade that the scan brackets.
void findCrossings(BarGrader& grade, const InputScan& scan, int dowel, Part part, double tolerance,
                   std::vector<Crossing>& crossings) {
    const auto& parts = part == Transfer ? scan.transferGrades[dowel] : scan.stressGrades[dowel];
    for (size_t i = 0; i + 1 < scan.values.size(); ++i) {
        if (parts[i] == parts[i + 1]) continue;
        const GradeParts atHigh{scan.transferGrades[dowel][i + 1], scan.stressGrades[dowel][i + 1]};
        GradeParts atLow{scan.transferGrades[dowel][i], scan.stressGrades[dowel][i]};
        float low = scan.values[i];
        // The part may pass through all three grades between two scan values:
        // follow each change until it has the upper scan value's grade.
        for (int found = 0; partOf(atLow, part) != parts[i + 1] && found < kMaxChangesPerStep;
             ++found) {
            float high = scan.values[i + 1];
            const Crossing crossing =
                bisect(grade, dowel, part, low, high, atLow, atHigh, tolerance);
            crossings.push_back(crossing);
            low = high;
            atLow = crossing.above;
        }
    }
}

}  // namespace

std::vector<GradeChange> solveGradeChanges(DesignAnalysis& analysis, const InputScan& scan,
                                           CalclteFunction calclte) {
    std::vector<GradeChange> changes;
    BarGrader grade(analysis, scan, calclte);
    const double tolerance = kSolveTolerance * rangeOf(scan.input);
    for (int dowel = 0; dowel < kDowelCaseCount; ++dowel) {
        if (scan.values.empty()) break;
        // The grade is the worse of its two parts, and it can change only where
        // one of them does. Following each part on its own also finds a short
        // stretch between two scan values where one part has changed and the
        // other not yet, which the grade itself would hide.
        std::vector<Crossing> crossings;
        findCrossings(grade, scan, dowel, Transfer, tolerance, crossings);
        findCrossings(grade, scan, dowel, Stress, tolerance, crossings);
        std::sort(crossings.begin(), crossings.end(),
                  [](const Crossing& a, const Crossing& b) { return a.value < b.value; });
        CaseGrade current = scan.grades[dowel].front();
        for (const Crossing& crossing : crossings) {
            const CaseGrade above = worse(crossing.above.transfer, crossing.above.stress);
            if (above == current) continue;
            changes.push_back({dowel, crossing.value, current, above});
            current = above;
        }
    }
    return changes;
}

InputGrades solveInput(DesignAnalysis& analysis, const DesignValues& design, int input,
                       CalclteFunction calclte) {
    InputGrades result;
    result.scan = scanInput(analysis, design, input, calclte);
    result.changes = solveGradeChanges(analysis, result.scan, calclte);
    return result;
}

std::vector<ValueInterval> acceptableIntervals(const InputGrades& grades, int dowel) {
    std::vector<ValueInterval> intervals;
    const DesignInput& d = kDesignInputs[grades.scan.input];
    const std::vector<CaseGrade>& scanned = grades.scan.grades[dowel];
    if (scanned.empty()) return intervals;
    bool acceptable = scanned.front() == CaseGrade::Acceptable;
    double from = d.minimum;
    for (const GradeChange& change : grades.changes) {
        if (change.dowel != dowel) continue;
        const bool nowAcceptable = change.above == CaseGrade::Acceptable;
        if (acceptable && !nowAcceptable) intervals.push_back({from, change.value});
        if (!acceptable && nowAcceptable) from = change.value;
        acceptable = nowAcceptable;
    }
    if (acceptable) intervals.push_back({from, d.maximum});
    return intervals;
}

std::string solvedValueText(int input, double value, UnitSystem units) {
    const double range = fromAnalysisUnits(units, input, rangeOf(input));
    const int decimals = std::max(0, static_cast<int>(std::ceil(-std::log10(2e-5 * range))));
    return formatFixed(fromAnalysisUnits(units, input, value), decimals);
}

}  // namespace tavrel
