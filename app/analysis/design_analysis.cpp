#include "analysis/design_analysis.h"

#include <cmath>

#include "analysis/number_reader.h"
#include "analysis/result_format.h"
#include "analysis/typed_text.h"

namespace tavrel {

namespace {

// Constants of every run: dowels only, steel dowels, normal concrete, and no
// aggregate interlock terms.
void writeRunConstants(DowelJointInput& in) {
    in.includeDowels = -1;
    in.includeAggregate = 0;
    in.dowelModulus = kDowelModulus;
    in.dowelPoisson = kDowelPoisson;
    in.concretePoisson = kConcretePoisson;
    in.interlockDepthDeduction = 0;
    in.interlockDecayCount = 0;
}

// Fills `c` in place: a study runs this for millions of cases.
void describeCaseInto(const DowelJointResult& engine, CaseResult& c) {
    c.engine = engine;
    const CaseGrade deflection = gradeDeflectionLte(engine.deflectionLte);
    const CaseGrade edge = gradeBearingStress(engine.edgeBearingStress);
    const CaseGrade corner = gradeBearingStress(engine.cornerBearingStress);
    c.cells[DeflectionLteRow].text = formatPercent(engine.deflectionLte);
    c.cells[DeflectionLteRow].grade = deflection;
    c.cells[StressLteRow].text = formatPercent(engine.stressLte);
    c.cells[StressLteRow].grade = std::nullopt;
    c.cells[EffectivenessRow].text = formatPercent(engine.effectiveness);
    c.cells[EffectivenessRow].grade = std::nullopt;
    c.cells[EdgeStressRow].text = formatWholeNumber(engine.edgeBearingStress);
    c.cells[EdgeStressRow].grade = edge;
    c.cells[CornerStressRow].text = formatWholeNumber(engine.cornerBearingStress);
    c.cells[CornerStressRow].grade = corner;
    c.grade = worse(deflection, worse(edge, corner));
    const FittedRangeCheck outside = checkFittedRange(engine);
    for (int row = 0; row < kResultRowCount; ++row) {
        c.cells[row].outsideFittedRange = outside.rows[row];
    }
}

// A load transfer is a ratio of the unloaded side's response to the loaded
// side's: the fits describe joints that pass some of the load, not none or all.
bool transferOutside(float fraction) {
    return !std::isfinite(fraction) || fraction <= 0.0f || fraction >= 1.0f;
}

bool bearingOutside(float stress) {
    return !std::isfinite(stress) || stress <= 0.0f;
}

// The results the table does not show, each checked only for being a number.
constexpr float DowelJointResult::*kHiddenResults[] = {&DowelJointResult::deflectionTransferRatio,
                                                       &DowelJointResult::loadedDeflection,
                                                       &DowelJointResult::unloadedDeflection,
                                                       &DowelJointResult::freeEdgeDeflection,
                                                       &DowelJointResult::loadedStress,
                                                       &DowelJointResult::unloadedStress,
                                                       &DowelJointResult::freeEdgeStress,
                                                       &DowelJointResult::dowelStiffness,
                                                       &DowelJointResult::aggregateStiffness,
                                                       &DowelJointResult::jointStiffness};

}  // namespace

FittedRangeCheck checkFittedRange(const DowelJointResult& engine) {
    FittedRangeCheck check;
    check.rows[DeflectionLteRow] = transferOutside(engine.deflectionLte);
    check.rows[StressLteRow] = transferOutside(engine.stressLte);
    check.rows[EffectivenessRow] = !std::isfinite(engine.effectiveness);
    check.rows[EdgeStressRow] = bearingOutside(engine.edgeBearingStress);
    check.rows[CornerStressRow] = bearingOutside(engine.cornerBearingStress);
    for (float DowelJointResult::*field : kHiddenResults) {
        if (!std::isfinite(engine.*field)) check.hiddenNotFinite = true;
    }
    return check;
}

bool outsideFittedRelations(const DowelJointResult& engine) {
    return checkFittedRange(engine).any();
}

std::string markedText(const ResultCell& cell) {
    return cell.outsideFittedRange ? cell.text + kOutsideMark : cell.text;
}

AnalysisRun DesignAnalysis::run(const std::array<std::string_view, kDesignInputCount>& texts,
                                CalclteFunction calclte, UnitSystem units) {
    DesignValues values;
    for (int i = 0; i < kDesignInputCount; ++i) {
        values[i] =
            toAnalysisUnits(units, i, readLeadingNumber(normaliseTypedText(texts[i], typed_)));
    }
    return run(values, calclte);
}

AnalysisRun DesignAnalysis::run(const DesignValues& values, CalclteFunction calclte) {
    AnalysisRun run;
    writeRunConstants(input_);

    // All seven go into the record before any is checked.
    for (int i = 0; i < kDesignInputCount; ++i) input_.*kDesignInputs[i].field = values[i];
    while (run.inputsInRange < kDesignInputCount &&
           inRange(values[run.inputsInRange], kDesignInputs[run.inputsInRange])) {
        ++run.inputsInRange;
    }
    if (run.inputsInRange < kDesignInputCount) return run;
    if (calclte == nullptr) {
        run.outcome = AnalysisRun::EngineMissing;
        return run;
    }

    for (int c = 0; c < kDowelCaseCount; ++c) {
        applyDowelCase(kDowelCases[c], input_);
        calclte(&input_, &result_);
        ++engineCalls_;
        describeCaseInto(result_, run.cases[c]);
    }
    run.outcome = AnalysisRun::Complete;
    return run;
}

}  // namespace tavrel
