#include "analysis/working_summary.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <vector>

#include "analysis/case_grade.h"
#include "analysis/design_analysis.h"

namespace {

using tavrel::kDowelCases;

DowelJointResult sampleRecord() {
    DowelJointResult r{};
    r.deflectionLte = 0.716f;
    r.stressLte = 0.261f;
    r.deflectionTransferRatio = 0.8348052f;
    r.effectiveness = 0.462f;
    r.loadedDeflection = 0.0047323583f;
    r.unloadedDeflection = 0.0033905033f;
    r.freeEdgeDeflection = 0.008122861f;
    r.loadedStress = 128.73167f;
    r.unloadedStress = 33.555046f;
    r.freeEdgeStress = 162.28671f;
    r.dowelStiffness = 51217.57f;
    r.aggregateStiffness = 361.55057f;
    r.jointStiffness = 51217.57f;
    r.edgeBearingStress = 1479.4f;
    r.cornerBearingStress = 2468.6f;
    return r;
}

TEST(DescribeWorking, EveryFieldWithItsUnit) {
    EXPECT_EQ(describeWorking(kDowelCases[0], sampleRecord()),
              "1 in. round bar\n"
              "Joint stiffness: 51218 psi (dowels 51218 psi; aggregate 362 psi, not used)\n"
              "Free edge: deflection 0.00812 in., stress 162.3 psi\n"
              "Loaded side: deflection 0.00473 in., stress 128.7 psi\n"
              "Unloaded side: deflection 0.00339 in., stress 33.6 psi\n"
              "Load transfer: deflection 71.6 %, stress 26.1 %, transfer ratio 83.5 %\n"
              "Effectiveness: 46.2 %\n"
              "Bearing stress: edge 1479 psi, corner 2469 psi");
}

TEST(DescribeWorking, NamesTheBarAndShowsWhatIsNotANumber) {
    DowelJointResult r = sampleRecord();
    r.edgeBearingStress = NAN;
    r.unloadedDeflection = INFINITY;
    const std::string text = describeWorking(kDowelCases[5], r);
    EXPECT_EQ(text.substr(0, text.find('\n')), "1.41x0.88 in. elliptical bar");
    EXPECT_NE(text.find("Unloaded side: deflection n/a, stress"), std::string::npos) << text;
    EXPECT_NE(text.find("Bearing stress: edge n/a, corner 2469 psi"), std::string::npos) << text;
}

TEST(DowelCaseLabel, RoundByDiameterEllipticalByWidthAndHeight) {
    const char* expected[] = {"1", "1.25",      "1.5",       "1.75",
                              "2", "1.41x0.88", "1.66x1.13", "1.98x1.34"};
    for (int c = 0; c < tavrel::kDowelCaseCount; ++c) {
        EXPECT_EQ(tavrel::dowelCaseLabel(kDowelCases[c]), expected[c]);
    }
}

TEST(DowelCatalogue, HeadingsSpellTheLabel) {
    for (const tavrel::DowelCase& dowel : kDowelCases) {
        const std::string label = tavrel::dowelCaseLabel(dowel);
        const auto captions = tavrel::headingCaptions(dowel);
        EXPECT_EQ(tavrel::sizeLineCount(dowel) == 1 ? captions[0] : captions[0] + "x" + captions[1],
                  label);
        EXPECT_EQ(captions[1].empty(), tavrel::sizeLineCount(dowel) == 1) << label;
    }
}

// Numbers already read run exactly as the same numbers typed into the boxes.
TEST(DesignAnalysis, RunFromValuesMatchesRunFromTexts) {
    using Texts = std::array<std::string_view, tavrel::kDesignInputCount>;
    const struct {
        Texts texts;
        tavrel::DesignValues values;
    } cases[] = {
        {{"12", "0.25", "300", "9000", "4000000", "12", "90"},
         {12, 0.25f, 300, 9000, 4e6f, 12, 90}},
        {{"36", "3", "50", "50000", "500000", "5", "500"}, {36, 3, 50, 50000, 5e5f, 5, 500}},
        {{"6", "0.005", "5000", "1000", "10000000", "30", "20"},
         {6, 0.005f, 5000, 1000, 1e7f, 30, 20}},
        {{"12", "0.25", "300", "900", "4000000", "12", "90"}, {12, 0.25f, 300, 900, 4e6f, 12, 90}},
    };
    for (const auto& c : cases) {
        tavrel::DesignAnalysis fromTexts, fromValues;
        const tavrel::AnalysisRun a = fromTexts.run(c.texts, &CALCLTE);
        const tavrel::AnalysisRun b = fromValues.run(c.values, &CALCLTE);
        ASSERT_EQ(a.outcome, b.outcome);
        EXPECT_EQ(a.inputsInRange, b.inputsInRange);
        for (int k = 0; k < tavrel::kDowelCaseCount; ++k) {
            EXPECT_EQ(a.cases[k].grade, b.cases[k].grade);
            for (int row = 0; row < tavrel::kResultRowCount; ++row) {
                EXPECT_EQ(a.cases[k].cells[row].text, b.cases[k].cells[row].text);
            }
        }
    }
}

TEST(GradeWord, OneWordPerGrade) {
    EXPECT_STREQ(gradeWord(tavrel::CaseGrade::Acceptable), "acceptable");
    EXPECT_STREQ(gradeWord(tavrel::CaseGrade::Conditional), "conditional");
    EXPECT_STREQ(gradeWord(tavrel::CaseGrade::Unacceptable), "unacceptable");
}

}  // namespace
