#include "analysis/report_model.h"

#include <cmath>
#include <cstdlib>

#include "analysis/disclaimer.h"
#include "analysis/report_model_parts.h"
#include "analysis/result_format.h"
#include "analysis/working_summary.h"

namespace tavrel {

namespace {

constexpr const char* kNotGiven = "\u2014";  // an em dash: the detail was left empty

std::string orNotGiven(const std::string& text) {
    return text.empty() ? kNotGiven : text;
}

ReportSection titleSection(const ReportSettings& settings) {
    const ProjectDetails& p = settings.project;
    ReportSection s;
    s.blocks.push_back(ReportParagraph{disclaimerText(), ReportTextStyle::Small});
    s.blocks.push_back(ReportPairs{{{"Project:", orNotGiven(p.project)},
                                    {"Location:", orNotGiven(p.location)},
                                    {"Joint:", orNotGiven(p.joint)},
                                    {"Engineer:", orNotGiven(p.engineer)},
                                    {"Checker:", orNotGiven(p.checker)},
                                    {"Revision:", orNotGiven(p.revision)},
                                    {"Date:", settings.made},
                                    {"Notes:", orNotGiven(p.notes)},
                                    {"Program:", settings.program}},
                                   false});
    s.blocks.push_back(ReportSignOff{{"Checked", "Approved"}, {"Name", "Signature", "Date"}});
    return s;
}

// An input as the report states it: in the report's units, its unit after it.
std::string inputText(const DesignStudy& study, int input, UnitSystem units) {
    const double value = fromAnalysisUnits(units, input, study.values[input]);
    return plainDecimal(static_cast<float>(value)) + " " + inputScale(units, input).caption;
}

ReportSection designSection(const DesignStudy& study, UnitSystem units) {
    ReportSection s{"Design", false, {}};
    s.blocks.push_back(ReportParagraph{"Design inputs", ReportTextStyle::Strong});
    ReportPairs inputs;
    for (int i = 0; i < kDesignInputCount; ++i) {
        inputs.rows.emplace_back(kDesignInputs[i].caption, inputText(study, i, units));
    }
    s.blocks.push_back(inputs);

    const DowelJointInput& e = study.engineInput;
    const UnitScale stress = stressScale(units);
    auto stressText = [&](double psi) {
        return groupThousands(plainDecimal(static_cast<float>(psi * stress.perUsUnit))) + " " +
               stress.caption;
    };
    s.blocks.push_back(
        ReportParagraph{"Fixed assumptions of the analysis", ReportTextStyle::Strong});
    ReportPairs fixed{{{"Dowel elastic modulus:", stressText(e.dowelModulus)},
                       {"Dowel Poisson's ratio:", plainDecimal(e.dowelPoisson)},
                       {"Concrete Poisson's ratio:", plainDecimal(e.concretePoisson)},
                       {"Aggregate interlock:",
                        e.includeAggregate == 0
                            ? "none; the dowels alone carry the load (the aggregate stiffness in "
                              "the working is reported by the engine but not used)"
                            : "included"}}};
    const double supportScale = inputScale(units, 2).perUsUnit;  // the k-value's unit
    for (int c = 0; c < kDowelCaseCount; ++c) {
        const DowelCase& d = kDowelCases[c];
        fixed.rows.emplace_back(
            c == 0 ? "Modulus of dowel support:" : "",
            barName(d, units) + ": " +
                groupThousands(plainDecimal(static_cast<float>(d.supportModulus * supportScale))) +
                " " + inputScale(units, 2).caption);
    }
    s.blocks.push_back(fixed);
    return s;
}

ReportSection methodSection(UnitSystem units) {
    ReportSection s{"Method", false, {}};
    s.blocks.push_back(ReportParagraph{
        "Each of the eight bars is analysed by the Quorvix joint analysis engine: one transverse "
        "joint of a concrete slab on an elastic foundation, the wheel load carried across the "
        "joint opening by a row of identical dowels at the design's spacing, each dowel a beam "
        "embedded in the concrete on both sides. Aggregate interlock is left out. The engine "
        "computes the joint stiffness; the free-edge, loaded-side and unloaded-side deflections "
        "and stresses; the deflection and stress load transfer and the joint effectiveness; and "
        "the bearing stress between the critical dowel and the concrete with the wheel at the "
        "slab edge and in the slab corner."});
    s.blocks.push_back(ReportParagraph{
        "The grades follow the Tavrel Dowel Design Guidelines (the guidelines document shipped "
        "with the program, \"Reading the grades\"). Only the deflection load transfer (LTE) and "
        "the two bearing stresses are graded; the worst of the three governs the bar's grade:"});
    s.blocks.push_back(ReportPairs{gradingRule(units)});
    s.blocks.push_back(ReportParagraph{
        std::string("A result marked ") + kOutsideMark + " lies " + kOutsideFittedRelations +
        ": a load transfer at or below 0 % or at or above 100 %, a bearing stress at or below 0, "
        "or a value that is not finite. Its grade is computed as usual but rests on relations "
        "used beyond the results they were fitted to."});
    return s;
}

}  // namespace

std::string groupThousands(const std::string& number) {
    const std::size_t start = !number.empty() && number[0] == '-' ? 1 : 0;
    std::size_t end = number.find('.');
    if (end == std::string::npos) end = number.size();
    std::string text;
    text.reserve(number.size() + number.size() / 3);
    for (std::size_t i = 0; i < number.size(); ++i) {
        if (i > start && i < end && (end - i) % 3 == 0) text += ',';
        text += number[i];
    }
    return text;
}

std::string sideOfLimitText(double value, double limit, int decimals) {
    if (!std::isfinite(value) || value == limit) return formatFixed(value, decimals);
    const std::string limitText = formatFixed(limit, decimals);
    for (int d = decimals; d < 9; ++d) {
        const std::string text = formatFixed(value, d);
        const double shown = std::strtod(text.c_str(), nullptr);
        // Shown on the limit, or across it: one more digit.
        if ((shown - limit) * (value - limit) > 0) return text;
    }
    return formatFixed(value, 9);
}

ReportModel buildReport(const DesignStudy& study, const ReportSettings& settings) {
    const UnitSystem units = settings.units;
    ReportModel model;
    model.title = kReportTitle;
    model.subtitle = "Preliminary evaluation of the dowel bar selection; not for design purposes";
    const ProjectDetails& p = settings.project;
    model.footer = "Project: " + orNotGiven(p.project) +
                   " \u00b7 Revision: " + orNotGiven(p.revision) + " \u00b7 " + settings.program;
    model.sections.push_back(titleSection(settings));
    model.sections.push_back(designSection(study, units));
    model.sections.push_back(methodSection(units));
    model.sections.push_back(resultsSection(study, units));
    model.sections.push_back(workingSection(study, units));
    // The charts last, on pages of their own: the texts fill the pages before.
    model.sections.push_back(textbookSection(study, settings));
    model.sections.push_back(acceptableSection(study, units));
    model.sections.push_back(sensitivitySection(study, units));
    return model;
}

}  // namespace tavrel
