#include "analysis/design_analysis.h"

#include <gtest/gtest.h>

#include <cmath>

#include "default_design_table.h"

namespace {

using tavrel::AnalysisRun;
using tavrel::CaseGrade;
using tavrel::DesignAnalysis;

using Texts = std::array<std::string_view, tavrel::kDesignInputCount>;
constexpr Texts kDefaults = testing_support::kDefaultDesignTexts;

TEST(DesignAnalysis, DefaultDesignTable) {
    const auto& expected = testing_support::kDefaultDesignTable;
    DesignAnalysis analysis;
    const AnalysisRun run = analysis.run(kDefaults, &CALCLTE);
    ASSERT_EQ(run.outcome, AnalysisRun::Complete);
    EXPECT_EQ(analysis.engineCalls(), 8);
    for (int c = 0; c < 8; ++c) {
        for (int row = 0; row < tavrel::kResultRowCount; ++row) {
            EXPECT_EQ(run.cases[c].cells[row].text, expected[c][row])
                << "case " << c << " row " << row;
        }
        EXPECT_EQ(run.cases[c].grade, CaseGrade::Acceptable);
    }
    // The input record keeps the last case and the read values.
    EXPECT_EQ(analysis.input().dowelShape, 2);
    EXPECT_EQ(analysis.input().dowelDiameter, 0);
    EXPECT_EQ(analysis.input().dowelWidth, 1.98f);
    EXPECT_EQ(analysis.input().slabThickness, 12);
}

TEST(DesignAnalysis, StopsAtTheFirstInputOutOfRange) {
    const struct {
        Texts texts;
        int inputsInRange;
    } cases[] = {
        {{"5", "0.25", "300", "9000", "4000000", "2", "90"}, 0},  // spacing and thickness bad
        {{"12", "0.25", "300", "9000", "4000000", "2", "90"}, 5},
        {{"12", "0.25", "300", "10,000", "4000000", "12", "90"}, 3},
        {{"12", "0.25", "300", "9000", "4000000", "12", ""}, 6},
    };
    for (const auto& c : cases) {
        DesignAnalysis analysis;
        const AnalysisRun run = analysis.run(c.texts, &CALCLTE);
        EXPECT_EQ(run.outcome, AnalysisRun::InputOutOfRange);
        EXPECT_EQ(run.inputsInRange, c.inputsInRange);
        EXPECT_EQ(analysis.engineCalls(), 0);
        // Every box was read into the record, the bad ones too.
        EXPECT_EQ(analysis.input().slabThickness,
                  static_cast<float>(std::atof(std::string(c.texts[5]).c_str())));
        EXPECT_EQ(analysis.input().includeDowels, -1);
    }
}

TEST(DesignAnalysis, MissingEngineStillChecksTheInputs) {
    DesignAnalysis analysis;
    EXPECT_EQ(analysis.run(kDefaults, nullptr).outcome, AnalysisRun::EngineMissing);
    Texts bad = kDefaults;
    bad[2] = "1";
    const AnalysisRun run = analysis.run(bad, nullptr);
    EXPECT_EQ(run.outcome, AnalysisRun::InputOutOfRange);
    EXPECT_EQ(run.inputsInRange, 2);
}

// Stands in for the engine: every case gets the same figures.
DowelJointResult stubFigures{};
int32_t QUORVIX_CALL stubEngine(const DowelJointInput*, DowelJointResult* result) {
    *result = stubFigures;
    return 0;
}

TEST(DesignAnalysis, WorstGradedCellGoverns) {
    const struct {
        float deflectionLte, edge, corner;
        CaseGrade expected;
    } cases[] = {
        {0.8f, 3500, 4600, CaseGrade::Unacceptable},     {0.8f, 3500, 100, CaseGrade::Conditional},
        {0.6f, 100, 100, CaseGrade::Conditional},        {0.4f, 100, 100, CaseGrade::Unacceptable},
        {0.8f, 2999.6f, 2999.6f, CaseGrade::Acceptable}, {NAN, 100, 100, CaseGrade::Unacceptable},
    };
    DesignAnalysis analysis;
    for (const auto& c : cases) {
        stubFigures = {};
        stubFigures.deflectionLte = c.deflectionLte;
        stubFigures.stressLte = 0.05f;  // never graded
        stubFigures.edgeBearingStress = c.edge;
        stubFigures.cornerBearingStress = c.corner;
        const AnalysisRun run = analysis.run(kDefaults, &stubEngine);
        ASSERT_EQ(run.outcome, AnalysisRun::Complete);
        const tavrel::CaseResult& r = run.cases[0];
        EXPECT_EQ(r.grade, c.expected) << c.deflectionLte << " " << c.edge << " " << c.corner;
        EXPECT_FALSE(r.cells[tavrel::StressLteRow].grade.has_value());
        EXPECT_FALSE(r.cells[tavrel::EffectivenessRow].grade.has_value());
    }
    stubFigures = {};
    stubFigures.deflectionLte = 0.8f;
    stubFigures.edgeBearingStress = 3500;
    stubFigures.cornerBearingStress = 4600;
    const tavrel::CaseResult r = analysis.run(kDefaults, &stubEngine).cases[0];
    EXPECT_EQ(r.cells[tavrel::DeflectionLteRow].grade, CaseGrade::Acceptable);
    EXPECT_EQ(r.cells[tavrel::EdgeStressRow].grade, CaseGrade::Conditional);
    EXPECT_EQ(r.cells[tavrel::CornerStressRow].grade, CaseGrade::Unacceptable);
}

}  // namespace
