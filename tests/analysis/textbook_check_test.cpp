#include "analysis/textbook_check.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "analysis/design_file.h"

namespace {

using namespace tavrel;

// A worked course example in SI (N, mm, MPa): a 65 kN wheel with half of it on
// 32 mm dowels at 300 mm, l = 950 mm given, joint 15 mm, K = 415 N/mm^3,
// Es = 200000 MPa, f'c = 32 MPa.
ChainInputs courseExample() {
    ChainInputs in{};
    in.radius = 950;
    in.lengthFactor = 1.0;
    in.spacing = 300;
    in.opening = 15;
    in.wheelLoad = 65000;
    in.loadShare = 0.5;
    in.section = {32, 3.141592653589793 * 32 * 32 * 32 * 32 / 64};
    in.supportModulus = 415;
    in.dowelModulus = 200000;
    in.strength = 32;
    in.lengthPerInch = 25.4;
    return in;
}

TEST(TextbookCheck, FollowsThePublishedExample) {
    const ChainInputs in = courseExample();
    const BarCheck bar = checkChain(in);
    EXPECT_EQ(bar.dowels, 4);
    EXPECT_NEAR(bar.factorSum, 1 + 0.684 + 0.368 + 0.053, 0.001);
    EXPECT_NEAR(bar.dowelLoad, 15437.5, 0.1);
    EXPECT_NEAR(bar.beta, 0.0238, 0.00005);
    EXPECT_NEAR(bar.bearingStress, 27.10, 0.005);
    EXPECT_NEAR(bar.allowable, 29.23, 0.005);
    EXPECT_TRUE(bar.passes);
    EXPECT_STREQ(verdictWord(bar), "passes");

    // The course rounds beta to 0.0238 before using it, which prints 27.20.
    const double printed =
        in.supportModulus *
        dowelFaceDeflection(bar.dowelLoad, 0.0238, in.opening, in.dowelModulus, in.section.inertia);
    EXPECT_NEAR(printed, 27.20, 0.005);
}

TEST(TextbookCheck, DowelGroupCountsOnlyDowelsShortOfL) {
    // A dowel exactly at L carries nothing and does not count.
    EXPECT_EQ(dowelGroup(10, 30).dowels, 3);
    EXPECT_DOUBLE_EQ(dowelGroup(10, 30).factorSum, 2);
    EXPECT_EQ(dowelGroup(12, 5).dowels, 1);
    EXPECT_EQ(dowelGroup(0, 30).dowels, 0);
    // Without dowels the check cannot pass.
    ChainInputs in = courseExample();
    in.spacing = 0;
    EXPECT_FALSE(checkChain(in).passes);
}

DesignValues design(float spacing, float opening, float load) {
    return {spacing, opening, 300, load, 4000000, 12, 90};
}

TEST(TextbookCheck, BearingStressFollowsLoadOpeningAndSpacing) {
    const CheckSettings settings;
    for (const CheckMethod& method : kCheckMethods) {
        CheckSettings s = settings;
        s.method = &method;
        for (float spacing : {6.0f, 12.0f, 18.0f}) {
            const TextbookCheck base = textbookCheck(design(spacing, 0.25f, 9000), s);
            const TextbookCheck heavier = textbookCheck(design(spacing, 0.25f, 12000), s);
            const TextbookCheck wider = textbookCheck(design(spacing, 0.5f, 9000), s);
            const TextbookCheck closer = textbookCheck(design(spacing - 3, 0.25f, 9000), s);
            for (int c = 0; c < kDowelCaseCount; ++c) {
                const double stress = base.bars[c].bearingStress;
                EXPECT_GT(heavier.bars[c].bearingStress, stress);
                EXPECT_GT(wider.bars[c].bearingStress, stress);
                EXPECT_LT(closer.bars[c].bearingStress, stress);
            }
        }
    }
    for (float spacing = 6; spacing <= 36; spacing += 0.5f) {
        CheckSettings longer = settings;
        longer.method = findCheckMethod("friberg-1.8l");
        const TextbookCheck one = textbookCheck(design(spacing, 0.25f, 9000), settings);
        const TextbookCheck other = textbookCheck(design(spacing, 0.25f, 9000), longer);
        EXPECT_GE(other.bars[0].dowels, one.bars[0].dowels) << spacing;
    }
}

TEST(TextbookCheck, StrengthIsGivenConvertedOrDerived) {
    CheckSettings s;
    EXPECT_NEAR(concreteStrength(s, 4000000).psi, 4924.6, 0.1);
    EXPECT_EQ(concreteStrength(s, 4000000).source, StrengthSource::FromModulus);
    s.cubeStrength = 5000;
    EXPECT_DOUBLE_EQ(concreteStrength(s, 4000000).psi, 4000);
    s.cylinderStrength = 4500;
    EXPECT_EQ(concreteStrength(s, 4000000).source, StrengthSource::Given);
    EXPECT_EQ(strengthLimitsText(UnitSystem::Us), "1000 to 20000 psi");
    EXPECT_EQ(strengthLimitsText(UnitSystem::Si), "6.8948 to 137.89 MPa");
    EXPECT_FALSE(cubeStrengthInRange(1200));
    EXPECT_TRUE(cubeStrengthInRange(1250));
    EXPECT_FALSE(loadShareInRange(0.5));
    EXPECT_EQ(findCheckMethod("westergaard"), nullptr);

    const TextbookCheck check = textbookCheck(design(12, 0.25f, 9000), CheckSettings{});
    EXPECT_NE(checkInputRows(check, UnitSystem::Us)[0].note.find("derived"), std::string::npos);
}

TEST(TextbookCheck, FullPrecisionReadsBack) {
    const TextbookCheck check = textbookCheck(design(12, 0.25f, 9000), CheckSettings{});
    for (UnitSystem system : {UnitSystem::Us, UnitSystem::Si}) {
        const std::string text = checkColumnText(check.bars[5], CheckBeta, system, true);
        const double factor = system == UnitSystem::Si ? 1 / kMillimetresPerInch : 1;
        EXPECT_EQ(std::strtod(text.c_str(), nullptr), check.bars[5].beta * factor) << text;
    }
    EXPECT_EQ(checkRow(check.bars[0], UnitSystem::Si)[CheckRadius], "951");
}

TEST(TextbookCheck, ADesignFileKeepsTheMethodAndTheAddedInputs) {
    DesignDocument document;
    document.units = UnitSystem::Si;
    CheckSettings settings;
    settings.method = findCheckMethod("friberg-1.8l");
    settings.cubeStrength = 40 / (kKilopascalsPerPsi / 1000);  // 40 MPa
    settings.loadShare = 45;
    keepDesignCheck(document, settings);
    const DesignReading reading = readDesign(writeDesign(document));
    ASSERT_TRUE(reading.document) << reading.error;
    EXPECT_EQ(reading.document->inputs.at("fck"), "40");

    std::string error;
    const std::optional<CheckSettings> back = designCheck(*reading.document, error);
    ASSERT_TRUE(back);
    EXPECT_EQ(error, "");
    EXPECT_STREQ(back->method->name, "friberg-1.8l");
    EXPECT_FALSE(back->cylinderStrength);
    EXPECT_NEAR(*back->cubeStrength, *settings.cubeStrength, 0.01);
    EXPECT_EQ(back->loadShare, 45);
    // In US units the strength is in psi.
    EXPECT_EQ(inUnits(*reading.document, UnitSystem::Us).inputs.at("fck"), "5801.5093");

    keepDesignCheck(document, std::nullopt);
    EXPECT_FALSE(designCheck(*readDesign(writeDesign(document)).document, error));
    EXPECT_EQ(writeDesign(document).find("fck"), std::string::npos);

    const DesignReading odd = readDesign(
        R"({"format":"tavrel-design","version":1,"check":"friberg","inputs":{"fc":"90"}})");
    ASSERT_TRUE(odd.document) << odd.error;
    const std::optional<CheckSettings> derived = designCheck(*odd.document, error);
    ASSERT_TRUE(derived);
    EXPECT_FALSE(derived->cylinderStrength);  // 90 psi is out of range: derived instead
    EXPECT_EQ(error, "inputs.fc: 90 is out of range (allowed: 1000 to 20000 psi)");
    EXPECT_EQ(readDesign(R"({"format":"tavrel-design","version":1,"check":"hand"})").error,
              "check: expected one of friberg, friberg-1.8l or nothing");
}

}  // namespace
