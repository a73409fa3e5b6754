#include "analysis/design_analysis.h"

#include "analysis/number_reader.h"
#include "analysis/result_format.h"

namespace tavrel {

namespace {

// Constants of every run: dowels only, steel dowels, normal concrete, and no
// aggregate interlock terms.
void writeRunConstants(DowelJointInput& in) {
    in.includeDowels = -1;
    in.includeAggregate = 0;
    in.dowelModulus = 29000000;
    in.dowelPoisson = 0.3f;
    in.concretePoisson = 0.15f;
    in.interlockDepthDeduction = 0;
    in.interlockDecayCount = 0;
}

}  // namespace

CaseResult describeCase(const DowelJointResult& engine) {
    CaseResult c;
    c.engine = engine;
    const CaseGrade deflection = gradeDeflectionLte(engine.deflectionLte);
    const CaseGrade edge = gradeBearingStress(engine.edgeBearingStress);
    const CaseGrade corner = gradeBearingStress(engine.cornerBearingStress);
    c.cells[DeflectionLteRow] = {formatPercent(engine.deflectionLte), deflection};
    c.cells[StressLteRow] = {formatPercent(engine.stressLte), std::nullopt};
    c.cells[EffectivenessRow] = {formatPercent(engine.effectiveness), std::nullopt};
    c.cells[EdgeStressRow] = {formatWholeNumber(engine.edgeBearingStress), edge};
    c.cells[CornerStressRow] = {formatWholeNumber(engine.cornerBearingStress), corner};
    c.grade = worse(deflection, worse(edge, corner));
    return c;
}

AnalysisRun DesignAnalysis::run(const std::array<std::string_view, kDesignInputCount>& texts,
                                CalclteFunction calclte) {
    AnalysisRun run;
    writeRunConstants(input_);

    // All seven are read before any is checked.
    std::array<float, kDesignInputCount> values;
    for (int i = 0; i < kDesignInputCount; ++i) {
        values[i] = static_cast<float>(readLeadingNumber(texts[i]));
        input_.*kDesignInputs[i].field = values[i];
    }
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
        run.cases[c] = describeCase(result_);
    }
    run.outcome = AnalysisRun::Complete;
    return run;
}

}  // namespace tavrel
