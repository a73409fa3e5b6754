// The report's results table, its grading rule and each bar's working.
#include <cmath>

#include "analysis/report_model_parts.h"
#include "analysis/result_format.h"
#include "analysis/working_summary.h"

namespace tavrel {

namespace {

constexpr double kAcceptableLtePercent = static_cast<double>(kAcceptableDeflectionLte) * 100;
constexpr double kConditionalLtePercent = static_cast<double>(kConditionalDeflectionLte) * 100;

// The limits as they are meant (the single-precision 0.7 is 0.699999988).
std::string percentLimitText(double percent) {
    return formatFixed(std::round(percent), 0) + " %";
}

// A value against two limits, with the digits that show its side of both.
std::string againstLimits(double value, double first, double second, int decimals) {
    const std::string a = sideOfLimitText(value, first, decimals);
    const std::string b = sideOfLimitText(value, second, decimals);
    return a.size() >= b.size() ? a : b;
}

// "deflection LTE 69.996 % < 70 %: conditional"
std::string lteCheck(float fraction) {
    const CaseGrade grade = gradeDeflectionLte(fraction);
    const double percent = static_cast<double>(fraction) * 100;
    if (!std::isfinite(percent)) return "deflection LTE n/a: unacceptable";
    std::string text = "deflection LTE " +
                       againstLimits(percent, kAcceptableLtePercent, kConditionalLtePercent, 1) +
                       " %";
    if (grade == CaseGrade::Acceptable) {
        text += " \u2265 " + percentLimitText(kAcceptableLtePercent);
    } else if (grade == CaseGrade::Conditional) {
        text += " < " + percentLimitText(kAcceptableLtePercent);
    } else {
        text += " < " + percentLimitText(kConditionalLtePercent);
    }
    return text + ": " + gradeWord(grade);
}

// "corner bearing stress 3000.4 psi >= 3,000 psi: conditional"
std::string stressCheck(const char* where, float psi, UnitSystem units) {
    const CaseGrade grade = gradeBearingStress(psi);
    const UnitScale scale = stressScale(units);
    const double value = static_cast<double>(psi) * scale.perUsUnit;
    std::string text = std::string(where) + " bearing stress ";
    if (!std::isfinite(value)) return text + "n/a: unacceptable";
    const double first = static_cast<double>(kAcceptableBearingStress) * scale.perUsUnit;
    const double second = static_cast<double>(kConditionalBearingStress) * scale.perUsUnit;
    text +=
        againstLimits(value, first, second, units == UnitSystem::Us ? 0 : 2) + " " + scale.caption;
    if (grade == CaseGrade::Acceptable) {
        text += " < " + stressLimitText(kAcceptableBearingStress, units);
    } else if (grade == CaseGrade::Conditional) {
        text += " \u2265 " + stressLimitText(kAcceptableBearingStress, units);
    } else {
        text += " \u2265 " + stressLimitText(kConditionalBearingStress, units);
    }
    return text + ": " + gradeWord(grade);
}

}  // namespace

std::string barName(const DowelCase& dowel, UnitSystem units) {
    return dowelLabel(dowel, units) + " " + dowelUnit(units) + " " + dowelShapeWord(dowel) + " bar";
}

std::string stressLimitText(double psi, UnitSystem units) {
    if (units == UnitSystem::Us) return groupThousands(formatFixed(psi, 0)) + " psi";
    const UnitScale scale = stressScale(units);
    return formatFixed(psi * scale.perUsUnit, 3) + " " + scale.caption;
}

std::vector<ReportRow> gradingRule(UnitSystem units) {
    const std::string lte1 = percentLimitText(kAcceptableLtePercent);
    const std::string lte2 = percentLimitText(kConditionalLtePercent);
    const std::string s1 = stressLimitText(kAcceptableBearingStress, units);
    const std::string s2 = stressLimitText(kConditionalBearingStress, units);
    return {
        {"Acceptable:",
         "deflection LTE \u2265 " + lte1 + " and edge and corner bearing stress < " + s1},
        {"Conditional:", lte2 + " \u2264 deflection LTE < " + lte1 + " or " + s1 +
                             " \u2264 bearing stress < " + s2 + ", and neither unacceptable; " +
                             conditionalGradeMeaning()},
        {"Unacceptable:", "deflection LTE < " + lte2 + " or edge or corner bearing stress \u2265 " +
                              s2 + " (or a result that is not a number)"},
    };
}

ReportSection resultsSection(const DesignStudy& study, UnitSystem units) {
    ReportSection s{"Results", false, {}};
    ReportTable table;
    table.headsCaption = dowelHeadsCaption(units);
    bool marked = false;
    for (int c = 0; c < kDowelCaseCount; ++c) {
        table.heads[c] = dowelHeads(kDowelCases[c], units);
        table.grades[c] = study.run.cases[c].grade;
        marked = marked || outsideFittedRelations(study.run.cases[c].engine);
    }
    table.lines = resultLines(study.run, units);
    s.blocks.push_back(table);
    if (marked) {
        s.blocks.push_back(ReportParagraph{
            std::string(kOutsideMark) + " " + kOutsideFittedRelations + "; the grade is unchanged.",
            ReportTextStyle::Strong});
    }
    ReportLegend legend;
    for (CaseGrade grade :
         {CaseGrade::Acceptable, CaseGrade::Conditional, CaseGrade::Unacceptable}) {
        std::string words = legendText(grade);
        while (!words.empty() && words.back() == ' ') words.pop_back();
        legend.entries.emplace_back(grade, words + "  (\u201c" + gradeWord(grade) + "\u201d)");
    }
    s.blocks.push_back(legend);
    return s;
}

ReportSection workingSection(const DesignStudy& study, UnitSystem units) {
    ReportSection s{"Working", false, {}};
    s.blocks.push_back(ReportParagraph{
        "Everything the joint analysis reported for each bar, then each graded result against "
        "its limit, given with the digits that show which side of the limit it lies on.",
        ReportTextStyle::Small});
    for (int c = 0; c < kDowelCaseCount; ++c) {
        const CaseResult& result = study.run.cases[c];
        const std::string text = describeWorking(kDowelCases[c], result.engine, units);
        ReportWorking working;
        std::size_t start = 0;
        for (std::size_t end = text.find('\n'); end != std::string::npos;
             start = end + 1, end = text.find('\n', start)) {
            if (start > 0)
                working.lines.push_back(text.substr(start, end - start));
            else
                working.bar = text.substr(0, end);
        }
        working.lines.push_back(text.substr(start));
        const DowelJointResult& e = result.engine;
        working.lines.push_back("Graded: " + lteCheck(e.deflectionLte) + "; " +
                                stressCheck("edge", e.edgeBearingStress, units) + "; " +
                                stressCheck("corner", e.cornerBearingStress, units));
        working.lines.push_back(std::string("Grade: ") + gradeWord(result.grade));
        s.blocks.push_back(working);
    }
    return s;
}

ReportSection textbookSection(const DesignStudy& study, const ReportSettings& settings) {
    const UnitSystem units = settings.units;
    const TextbookCheck check = textbookCheck(study.engineInput, settings.check);
    ReportSection s{kTextbookCheckTitle, false, {}};
    s.blocks.push_back(ReportParagraph{
        "A second, separate verdict on each bar's bearing stress by the classic hand method; "
        "the grades above never depend on it.",
        ReportTextStyle::Small});
    s.blocks.push_back(
        ReportParagraph{checkMethodParagraph(check.settings), ReportTextStyle::Small});
    ReportPairs inputs;
    for (const CheckInputRow& row : checkInputRows(check, units)) {
        std::string value = row.value + (row.unit.empty() ? "" : " " + row.unit);
        if (!row.note.empty()) value += " (" + row.note + ")";
        inputs.rows.emplace_back(row.caption + ":", value);
    }
    s.blocks.push_back(inputs);
    ReportGrid chain;
    chain.head.push_back(std::string("Bar (") + dowelUnit(units) + ")");
    for (int c = 0; c < kCheckColumnCount; ++c) {
        const std::string unit = checkColumnUnit(c, units);
        chain.head.push_back(kCheckColumns[c].caption + (unit == "-" ? "" : " (" + unit + ")"));
    }
    for (int b = 0; b < kDowelCaseCount; ++b) {
        const auto row = checkRow(check.bars[b], units);
        chain.rows.emplace_back(1, dowelLabel(kDowelCases[b], units));
        chain.rows.back().insert(chain.rows.back().end(), row.begin(), row.end());
    }
    s.blocks.push_back(chain);
    return s;
}

}  // namespace tavrel
