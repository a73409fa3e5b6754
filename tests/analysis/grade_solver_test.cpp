#include "analysis/grade_solver.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "analysis/design_inputs.h"

namespace {

using tavrel::CaseGrade;
using tavrel::DesignAnalysis;
using tavrel::DesignValues;
using tavrel::kDesignInputs;
using tavrel::kDowelCaseCount;

// The default design, a heavily loaded thin slab with every grade in play, and
// a stiff joint under a small loaded area.
const DesignValues kDesigns[] = {
    tavrel::inputDefaults(),
    {12, 0.25f, 150, 20000, 4000000, 8, 120},
    {18, 0.5f, 100, 30000, 3000000, 7, 200},
};

double rangeOf(int input) {
    return static_cast<double>(kDesignInputs[input].maximum) - kDesignInputs[input].minimum;
}

CaseGrade gradeAt(DesignAnalysis& analysis, DesignValues values, int input, double value,
                  int dowel) {
    values[input] = static_cast<float>(value);
    const tavrel::AnalysisRun run = analysis.run(values, &CALCLTE);
    EXPECT_EQ(run.outcome, tavrel::AnalysisRun::Complete);
    return run.cases[dowel].grade;
}

// Each printed value separates the two grades by a thousandth of the range on
// either side, and a scan twelve times as dense as the solver's finds no change
// that the solver did not report.
TEST(GradeSolver, ChangesSeparateGradesAndNoneIsMissed) {
    int changesSeen = 0;
    for (const DesignValues& design : kDesigns) {
        for (int input = 0; input < tavrel::kDesignInputCount; ++input) {
            DesignAnalysis analysis;
            const tavrel::InputGrades solved = solveInput(analysis, design, input, &CALCLTE);
            const double margin = 0.001 * rangeOf(input);
            for (const tavrel::GradeChange& change : solved.changes) {
                ++changesSeen;
                const double printed =
                    std::strtod(tavrel::solvedValueText(input, change.value).c_str(), nullptr);
                EXPECT_NE(change.below, change.above);
                if (printed - margin >= kDesignInputs[input].minimum) {
                    EXPECT_EQ(gradeAt(analysis, design, input, printed - margin, change.dowel),
                              change.below)
                        << "input " << input << " dowel " << change.dowel << " at " << printed;
                }
                if (printed + margin <= kDesignInputs[input].maximum) {
                    EXPECT_EQ(gradeAt(analysis, design, input, printed + margin, change.dowel),
                              change.above)
                        << "input " << input << " dowel " << change.dowel << " at " << printed;
                }
            }

            const tavrel::InputScan dense = tavrel::scanInput(analysis, design, input, &CALCLTE,
                                                              (tavrel::kScanPoints - 1) * 12 + 1);
            for (int dowel = 0; dowel < kDowelCaseCount; ++dowel) {
                for (size_t i = 0; i + 1 < dense.values.size(); ++i) {
                    if (dense.grades[dowel][i] == dense.grades[dowel][i + 1]) continue;
                    bool reported = false;
                    for (const tavrel::GradeChange& change : solved.changes) {
                        reported = reported || (change.dowel == dowel &&
                                                change.value >= dense.values[i] - margin &&
                                                change.value <= dense.values[i + 1] + margin);
                    }
                    EXPECT_TRUE(reported) << "input " << input << " dowel " << dowel << " between "
                                          << dense.values[i] << " and " << dense.values[i + 1];
                }
            }
        }
    }
    // The designs were chosen so that grades do change.
    EXPECT_GT(changesSeen, 20);
}

// The acceptable stretches agree with the scan: a scanned value away from every
// end is inside a stretch exactly when the bar is acceptable there.
TEST(GradeSolver, AcceptableIntervalsMatchTheScan) {
    DesignAnalysis analysis;
    const int thickness = 5;
    const tavrel::InputGrades solved = solveInput(analysis, kDesigns[1], thickness, &CALCLTE);
    const double margin = 0.001 * rangeOf(thickness);
    int withStretch = 0, without = 0;
    for (int dowel = 0; dowel < kDowelCaseCount; ++dowel) {
        const auto intervals = tavrel::acceptableIntervals(solved, dowel);
        (intervals.empty() ? without : withStretch) += 1;
        for (size_t i = 0; i < solved.scan.values.size(); ++i) {
            const double v = solved.scan.values[i];
            bool inside = false, nearEnd = false;
            for (const tavrel::ValueInterval& interval : intervals) {
                EXPECT_LE(interval.from, interval.to);
                inside = inside || (v >= interval.from && v <= interval.to);
                nearEnd = nearEnd || std::abs(v - interval.from) < margin ||
                          std::abs(v - interval.to) < margin;
            }
            if (nearEnd) continue;
            EXPECT_EQ(inside, solved.scan.grades[dowel][i] == CaseGrade::Acceptable)
                << "dowel " << dowel << " at " << v;
        }
    }
    EXPECT_GT(withStretch, 0);
}

}  // namespace
