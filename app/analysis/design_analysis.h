// One analysis of the sizing page: read the seven inputs, check them, run the
// engine for the eight dowel cases, and format and grade what the table shows.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "analysis/case_grade.h"
#include "analysis/design_inputs.h"
#include "analysis/dowel_cases.h"
#include "analysis/units.h"
#include "quorvix/dowel_joint.h"

namespace tavrel {

// The result rows of the sizing table, top to bottom.
enum ResultRow { DeflectionLteRow, StressLteRow, EffectivenessRow, EdgeStressRow, CornerStressRow };
constexpr int kResultRowCount = 5;

struct ResultCell {
    std::string text;
    std::optional<CaseGrade> grade;  // only the graded rows have one
    // The value lies outside what the fitted relations describe: wherever it
    // is shown, the text is followed by kOutsideMark.
    bool outsideFittedRange = false;
};

struct CaseResult {
    std::array<ResultCell, kResultRowCount> cells;
    CaseGrade grade = CaseGrade::Acceptable;  // the worst of the graded cells
    DowelJointResult engine{};                // everything the engine wrote
};

struct AnalysisRun {
    enum Outcome { InputOutOfRange, EngineMissing, Complete };
    Outcome outcome = InputOutOfRange;
    // Inputs found in range, in reading order, before the run stopped: all seven
    // unless an input is out of range, which then is kDesignInputs[inputsInRange].
    int inputsInRange = 0;
    std::array<CaseResult, kDowelCaseCount> cases;  // filled when Complete
};

// Whether the engine's results for a case lie outside what its fitted relations
// can describe: a load transfer at or below 0 % or at or above 100 % (the
// loaded and unloaded sides deflect alike, or one of them not at all), a
// bearing stress at or below 0, or any value that is not finite. The grade
// stands as computed; such results are flagged with kOutsideFittedRelations.
struct FittedRangeCheck {
    std::array<bool, kResultRowCount> rows{};  // which shown results are outside
    bool hiddenNotFinite = false;              // a result not in the table is not finite
    bool any() const {
        for (bool row : rows) {
            if (row) return true;
        }
        return hiddenNotFinite;
    }
};
FittedRangeCheck checkFittedRange(const DowelJointResult& engine);
bool outsideFittedRelations(const DowelJointResult& engine);
constexpr const char* kOutsideFittedRelations = "outside the range of the fitted relations";
// What follows a shown value that lies outside.
constexpr const char* kOutsideMark = "*";
// A cell's text as shown: its value, followed by the mark when it lies outside.
std::string markedText(const ResultCell& cell);

// The material constants of every run: steel dowels in normal concrete.
inline constexpr float kDowelModulus = 29000000;  // psi
inline constexpr float kDowelPoisson = 0.3f;
inline constexpr float kConcretePoisson = 0.15f;

// The seven input values in reading order, as the engine takes them.
using DesignValues = std::array<float, kDesignInputCount>;

// Owns the engine's two records, reused by every run and every case as the
// engine contract expects; neither is cleared between runs.
class DesignAnalysis {
  public:
    // `texts` are the seven boxes in reading order, as typed: Unicode spaces,
    // digits and format characters are made plain before the leading number is
    // read (see typed_text.h). `calclte` may be null when the engine could not
    // be loaded: the inputs are still read and checked.
    // The texts are in `units`; the run converts them to its own.
    AnalysisRun run(const std::array<std::string_view, kDesignInputCount>& texts,
                    CalclteFunction calclte, UnitSystem units = UnitSystem::Us);
    // The same run from values already read, for callers that hold numbers.
    AnalysisRun run(const DesignValues& values, CalclteFunction calclte);

    const DowelJointInput& input() const { return input_; }
    long engineCalls() const { return engineCalls_; }

  private:
    DowelJointInput input_{};
    DowelJointResult result_{};
    long engineCalls_ = 0;
    std::string typed_;  // a box's text made plain, when it needs to be
};

}  // namespace tavrel
