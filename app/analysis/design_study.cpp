#include "analysis/design_study.h"

namespace tavrel {

std::optional<DesignStudy> studyDesign(const DesignValues& values, CalclteFunction calclte) {
    DesignAnalysis analysis;
    DesignStudy study;
    study.values = values;
    study.run = analysis.run(values, calclte);
    if (study.run.outcome != AnalysisRun::Complete) return std::nullopt;
    study.engineInput = analysis.input();
    for (int i = 0; i < kDesignInputCount; ++i) {
        study.inputs[i] = solveInput(analysis, values, i, calclte);
    }
    study.engineCalls = analysis.engineCalls();
    return study;
}

}  // namespace tavrel
