// The evaluation report's content as the rules build it, before any drawing.
#include "analysis/report_model.h"

#include <gtest/gtest.h>

#include <regex>

#include "analysis/design_inputs.h"

namespace tavrel {
namespace {

TEST(ReportNumbers, ThousandsGroupedAndValuesOnALimitShowTheirSide) {
    EXPECT_EQ(groupThousands("4000000"), "4,000,000");
    EXPECT_EQ(groupThousands("-1250.125"), "-1,250.125");
    EXPECT_EQ(groupThousands("300"), "300");
    EXPECT_EQ(groupThousands("0.00125"), "0.00125");
    // 3000.4 psi is conditional: "3000" would hide why.
    EXPECT_EQ(sideOfLimitText(3000.4, 3000, 0), "3000.4");
    EXPECT_EQ(sideOfLimitText(2999.96, 3000, 0), "2999.96");
    EXPECT_EQ(sideOfLimitText(69.99, 70, 1), "69.99");
    EXPECT_EQ(sideOfLimitText(3000, 3000, 0), "3000");
    EXPECT_EQ(sideOfLimitText(1479.4, 3000, 0), "1479");
}

// Every text of the report, one per line.
std::string allText(const ReportModel& model) {
    std::string text = model.title + "\n" + model.subtitle + "\n" + model.footer + "\n";
    auto add = [&text](const std::string& t) { text += t + "\n"; };
    for (const ReportSection& section : model.sections) {
        add(section.heading);
        for (const ReportBlock& block : section.blocks) {
            // The textbook formula is stated, as published, in inches and psi.
            if (const auto* p = std::get_if<ReportParagraph>(&block);
                p && p->text != checkMethodParagraph({}))
                add(p->text);
            if (const auto* grid = std::get_if<ReportGrid>(&block)) {
                for (const std::string& head : grid->head) add(head);
            }
            if (const auto* pairs = std::get_if<ReportPairs>(&block)) {
                for (const auto& [label, value] : pairs->rows) add(label + " " + value);
            }
            if (const auto* w = std::get_if<ReportWorking>(&block)) {
                add(w->bar);
                for (const std::string& line : w->lines) add(line);
            }
            if (const auto* table = std::get_if<ReportTable>(&block)) {
                add(table->headsCaption);
                for (const ResultLine& line : table->lines) add(line.caption);
            }
            if (const auto* charts = std::get_if<ReportChartPair>(&block)) {
                for (const ReportChart* c : {&charts->left, &charts->right}) {
                    add(c->title + " " + c->xLabel + " " + c->yLabel + " " + c->designLabel);
                    for (const ChartLimit& l : c->limits) add(l.label);
                    for (const ChartSeries& s : c->series) add(s.name);
                }
            }
        }
    }
    return text;
}

TEST(ReportModel, SiReportStatesNoUsUnitAndGradesAsTheUsOne) {
    const std::optional<DesignStudy> study = studyDesign(inputDefaults(), &CALCLTE);
    ASSERT_TRUE(study.has_value());
    ReportSettings settings;
    settings.project.project = "Route 9 overlay";
    settings.project.revision = "B";
    const ReportModel us = buildReport(*study, settings);
    settings.units = UnitSystem::Si;
    const ReportModel si = buildReport(*study, settings);

    const std::string siText = allText(si);
    const std::regex usUnit(R"(\b(psi|inch|inches|lbs)\b|\bin\.)");
    std::smatch found;
    EXPECT_FALSE(std::regex_search(siText, found, usUnit)) << found.str() << " in\n" << siText;
    for (const char* words : {"MPa", "mm", "kN", "kPa", "MPa/m", "20.684 MPa", "25.4 mm round bar",
                              "Dowel Diameter(s) (mm):", "Bearing Stress (MPa) -"}) {
        EXPECT_NE(siText.find(words), std::string::npos) << words;
    }
    const std::string usText = allText(us);
    EXPECT_NE(usText.find("3,000 psi"), std::string::npos);
    EXPECT_NE(us.footer.find("Route 9 overlay"), std::string::npos);
    EXPECT_NE(us.footer.find("Revision: B"), std::string::npos);

    auto grades = [](const ReportModel& model) {
        for (const ReportSection& section : model.sections)
            for (const ReportBlock& block : section.blocks)
                if (const auto* t = std::get_if<ReportTable>(&block)) return t->lines.back().texts;
        return std::array<std::string, kDowelCaseCount>{};
    };
    EXPECT_EQ(grades(us), grades(si));
}

}  // namespace
}  // namespace tavrel
