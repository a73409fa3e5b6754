#include "analysis/results_table.h"

namespace tavrel {

std::string barsCaption(UnitSystem units) {
    return std::string("Dowel (") + dowelUnit(units) + ")";
}

std::string legendText(CaseGrade grade) {
    switch (grade) {
        case CaseGrade::Acceptable:
            return "= Acceptable Option";
        case CaseGrade::Conditional:
            break;
        case CaseGrade::Unacceptable:
            return "= Unacceptable Option";
    }
    // The window's legend ends in a blank.
    return "= Acceptable for " + conditionalGradeConditions(ConditionsWording::Legend) + " ";
}

std::string dowelHeadsCaption(UnitSystem units) {
    if (units == UnitSystem::Us) return kDowelHeadsCaption;
    return std::string("Dowel Diameter(s) (") + dowelUnit(units) + "):";
}

std::string bearingStressSectionCaption(UnitSystem units) {
    if (units == UnitSystem::Us) return kBearingStressSection;
    return std::string("Bearing Stress (") + stressScale(units).caption + ") -";
}

std::vector<ResultLine> resultLines(const AnalysisRun& run, UnitSystem units) {
    std::vector<ResultLine> lines;
    for (int row = 0; row < kResultRowCount; ++row) {
        if (row == 0) lines.push_back({kLoadTransferSection, true, {}, {}});
        if (row == kFirstBearingRow)
            lines.push_back({bearingStressSectionCaption(units), true, {}, {}});
        ResultLine line{kResultRowCaptions[row], false, {}, {}};
        const bool bearing = row == EdgeStressRow || row == CornerStressRow;
        for (int c = 0; c < kDowelCaseCount; ++c) {
            const CaseResult& result = run.cases[c];
            const ResultCell& cell = result.cells[row];
            line.texts[c] =
                bearing && units != UnitSystem::Us
                    ? bearingStressText(row == EdgeStressRow ? result.engine.edgeBearingStress
                                                             : result.engine.cornerBearingStress,
                                        units)
                    : cell.text;
            if (cell.outsideFittedRange) line.texts[c] += kOutsideMark;
            if (cellColoured(cell)) line.shades[c] = cell.grade;
        }
        lines.push_back(line);
    }
    ResultLine grades{kGradeCaption, false, {}, {}};
    for (int c = 0; c < kDowelCaseCount; ++c) {
        const CaseResult& result = run.cases[c];
        grades.texts[c] = gradeWord(result.grade);
        grades.shades[c] = result.grade;
    }
    lines.push_back(grades);
    return lines;
}

}  // namespace tavrel
