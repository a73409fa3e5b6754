// Figures of the default design, the flag and shape paths, and the two mended
// search cases. Expected figures are given to the digits the method's authors
// print, so each check allows half a unit in the last printed digit.
#include <gtest/gtest.h>

#include <cmath>

#include "default_design.h"

namespace {

using testing_support::analyse;
using testing_support::defaultDesign;
using testing_support::kWindowDowelBars;

// value matches `printed`, shown with `decimals` digits after the point.
void expectPrinted(double value, double printed, int decimals, const char* what) {
    const double halfUnit = 0.5 * std::pow(10.0, -decimals);
    EXPECT_NEAR(value, printed, halfUnit * 1.0001) << what;
}

// The force in the critical dowel follows from the two bearing stresses:
// corner = 2 edge / (1 + F / (R P)).
double dowelForce(const DowelJointResult& r, double wheelLoad) {
    return r.effectiveness * wheelLoad * (2 * r.edgeBearingStress / r.cornerBearingStress - 1);
}

TEST(DefaultDesign, RoundBarOneAndAQuarterInch) {
    const DowelJointResult r = analyse(defaultDesign());
    expectPrinted(r.dowelStiffness, 72600, 0, "dowelStiffness");
    expectPrinted(r.aggregateStiffness, 361.6, 1, "aggregateStiffness");
    expectPrinted(r.jointStiffness, 72600, 0, "jointStiffness");
    expectPrinted(r.freeEdgeDeflection, 0.008123, 6, "freeEdgeDeflection");
    expectPrinted(r.unloadedDeflection, 0.003539, 6, "unloadedDeflection");
    expectPrinted(r.loadedDeflection, 0.004584, 6, "loadedDeflection");
    expectPrinted(r.freeEdgeStress, 162.3, 1, "freeEdgeStress");
    expectPrinted(r.unloadedStress, 37.50, 2, "unloadedStress");
    expectPrinted(r.loadedStress, 124.8, 1, "loadedStress");
    expectPrinted(r.deflectionLte, 0.7719, 4, "deflectionLte");
    expectPrinted(r.stressLte, 0.3005, 4, "stressLte");
    expectPrinted(r.deflectionTransferRatio, 0.8713, 4, "deflectionTransferRatio");
    expectPrinted(r.effectiveness, 0.4698, 4, "effectiveness");
    expectPrinted(r.edgeBearingStress, 1060, 0, "edgeBearingStress");
    expectPrinted(r.cornerBearingStress, 1744, 0, "cornerBearingStress");
    expectPrinted(dowelForce(r, 9000), 911, 0, "dowel force");
}

struct CaseFigures {
    double dowelStiffness, deflectionLte, stressLte, transferRatio, effectiveness, edge, corner;
};

// The eight window dowel cases at the default design, in the window's order.
constexpr CaseFigures kEightCases[8] = {
    {51218, 0.7165, 0.2607, 0.8348, 0.4619, 1479.2, 2468.6},
    {72600, 0.7719, 0.3005, 0.8713, 0.4698, 1060.0, 1744.0},
    {93977, 0.8081, 0.3312, 0.8939, 0.4748, 788.0, 1284.1},
    {113752, 0.8322, 0.3545, 0.9084, 0.4781, 602.2, 974.6},
    {130275, 0.8480, 0.3713, 0.9177, 0.4802, 468.6, 754.8},
    {64283, 0.7534, 0.2864, 0.8594, 0.4672, 1246.2, 2060.2},
    {66508, 0.7587, 0.2903, 0.8628, 0.4679, 758.4, 1252.1},
    {83117, 0.7914, 0.3165, 0.8836, 0.4725, 565.4, 925.5},
};

TEST(DefaultDesign, EightWindowCases) {
    for (int c = 0; c < 8; ++c) {
        SCOPED_TRACE(c);
        const DowelJointResult r = analyse(defaultDesign(kWindowDowelBars[c]));
        const CaseFigures& f = kEightCases[c];
        expectPrinted(r.dowelStiffness, f.dowelStiffness, 0, "dowelStiffness");
        expectPrinted(r.deflectionLte, f.deflectionLte, 4, "deflectionLte");
        expectPrinted(r.stressLte, f.stressLte, 4, "stressLte");
        expectPrinted(r.deflectionTransferRatio, f.transferRatio, 4, "deflectionTransferRatio");
        expectPrinted(r.effectiveness, f.effectiveness, 4, "effectiveness");
        expectPrinted(r.edgeBearingStress, f.edge, 1, "edgeBearingStress");
        expectPrinted(r.cornerBearingStress, f.corner, 1, "cornerBearingStress");
        // Shared by all eight: they do not depend on the bar.
        expectPrinted(r.freeEdgeDeflection, 0.008123, 6, "freeEdgeDeflection");
        expectPrinted(r.freeEdgeStress, 162.3, 1, "freeEdgeStress");
        expectPrinted(r.aggregateStiffness, 361.6, 1, "aggregateStiffness");
        // The loaded and unloaded sides add up to the free edge.
        EXPECT_FLOAT_EQ(r.loadedDeflection + r.unloadedDeflection, r.freeEdgeDeflection);
        EXPECT_NEAR(r.loadedStress + r.unloadedStress, r.freeEdgeStress, 1e-4);
    }
}

TEST(Flags, OnlyBitZeroCounts) {
    const DowelJointResult reference = analyse(defaultDesign());
    for (int16_t value : {int16_t{-1}, int16_t{1}, int16_t{3}, int16_t{-3}}) {
        DowelJointInput in = defaultDesign();
        in.includeDowels = value;
        EXPECT_EQ(analyse(in).jointStiffness, reference.jointStiffness) << value;
    }
    for (int16_t value : {int16_t{2}, int16_t{4}, int16_t{-2}}) {
        DowelJointInput in = defaultDesign();
        in.includeDowels = value;  // even: false, so nothing crosses the joint
        EXPECT_EQ(analyse(in).jointStiffness, 0) << value;
    }
}

TEST(Flags, JointStiffnessFollowsTheFlags) {
    const struct {
        int16_t dowels, aggregate;
        double expected(const DowelJointResult& r) const {
            return (dowels ? r.dowelStiffness : 0.0) + (aggregate ? r.aggregateStiffness : 0.0);
        }
    } cases[] = {{-1, -1}, {-1, 0}, {0, -1}, {0, 0}};
    for (const auto& c : cases) {
        DowelJointInput in = defaultDesign();
        in.includeDowels = c.dowels;
        in.includeAggregate = c.aggregate;
        const DowelJointResult r = analyse(in);
        EXPECT_FLOAT_EQ(r.jointStiffness, static_cast<float>(c.expected(r)))
            << c.dowels << "," << c.aggregate;
        EXPECT_GT(r.dowelStiffness, 0);  // computed whatever the flags say
        EXPECT_GT(r.aggregateStiffness, 0);
    }
}

TEST(Flags, BothFalseLeavesThreeFieldsAsTheCallerHadThem) {
    DowelJointInput in = defaultDesign();
    in.includeDowels = 0;
    in.includeAggregate = 0;
    DowelJointResult r;
    const float sentinel = -12345.5f;
    float* fields = &r.deflectionLte;
    for (int i = 0; i < 15; ++i) fields[i] = sentinel;
    CALCLTE(&in, &r);
    EXPECT_EQ(r.effectiveness, sentinel);
    EXPECT_EQ(r.edgeBearingStress, sentinel);
    EXPECT_EQ(r.cornerBearingStress, sentinel);
    EXPECT_EQ(r.unloadedDeflection, 0);
    EXPECT_EQ(r.unloadedStress, 0);
    EXPECT_EQ(r.deflectionLte, 0);
    EXPECT_EQ(r.stressLte, 0);
    EXPECT_EQ(r.deflectionTransferRatio, 0);
    EXPECT_EQ(r.jointStiffness, 0);
    EXPECT_EQ(r.loadedDeflection, r.freeEdgeDeflection);
    EXPECT_EQ(r.loadedStress, r.freeEdgeStress);
    expectPrinted(r.freeEdgeDeflection, 0.008123, 6, "freeEdgeDeflection");
    expectPrinted(r.dowelStiffness, 72600, 0, "dowelStiffness");
}

TEST(Shape, OnlyOneSelectsTheRoundBar) {
    DowelJointInput round = defaultDesign();
    round.dowelWidth = 1.98f;  // ignored for a round bar
    round.dowelHeight = 1.34f;
    EXPECT_EQ(analyse(round).edgeBearingStress, analyse(defaultDesign()).edgeBearingStress);

    const DowelJointInput reference = defaultDesign(kWindowDowelBars[5]);
    const float expected = analyse(reference).edgeBearingStress;
    for (int32_t shape : {0, 2, 7, -1}) {
        DowelJointInput in = reference;
        in.dowelShape = shape;
        in.dowelDiameter = 2.0f;  // ignored for an elliptical bar
        EXPECT_EQ(analyse(in).edgeBearingStress, expected) << shape;
    }
}

TEST(AggregateInterlock, FaceHeightSelectsTheFit) {
    DowelJointInput in = defaultDesign();
    in.jointOpening = 0.1f;
    const struct {
        float h, hd;
        double c1;  // the fit's first coefficient at hf = h - hd
    } cases[] = {
        {7, 0, 61.59 * 7 - 309},                    // hf = 7 takes the linear fits
        {12, 5, 61.59 * 7 - 309},                   // so does a deduction to 7
        {6.5f, 0, 0.1267 * std::pow(6.5, 3.5309)},  // below 7 the power fits
        {12, 0, 61.59 * 12 - 309},
    };
    for (const auto& c : cases) {
        in.slabThickness = c.h;
        in.interlockDepthDeduction = c.hd;
        const DowelJointResult r = analyse(in);
        // With N = 0 and a positive residual term, AGG = A0 k l = exp(-38 z) c1 k l.
        const double l = std::pow(c.h * c.h * c.h * 4000000.0 / 12 / (1 - 0.15 * 0.15) / 300, 0.25);
        EXPECT_NEAR(r.aggregateStiffness, std::exp(-38 * 0.1) * c.c1 * 300 * l,
                    2e-5 * r.aggregateStiffness)
            << "h " << c.h << " hd " << c.hd;
    }
}

TEST(AggregateInterlock, NoFaceHeightMeansNoInterlock) {
    for (float hd : {12.0f, 13.0f, 40.0f}) {
        DowelJointInput in = defaultDesign();
        in.includeDowels = 0;
        in.includeAggregate = -1;
        in.interlockDepthDeduction = hd;
        const DowelJointResult r = analyse(in);
        EXPECT_EQ(r.aggregateStiffness, 0) << hd;
        EXPECT_EQ(r.jointStiffness, 0);
        EXPECT_EQ(r.unloadedDeflection, 0);
        EXPECT_EQ(r.unloadedStress, 0);
        EXPECT_EQ(r.deflectionLte, 0);
        EXPECT_EQ(r.deflectionTransferRatio, 0);
        EXPECT_FLOAT_EQ(r.effectiveness, 1.0f / 3);
        EXPECT_GT(r.edgeBearingStress, 0);  // the search ran with delta = dFree
    }
}

TEST(AggregateInterlock, DecayDrivesTowardsTheResidualTerm) {
    DowelJointInput in = defaultDesign();
    in.jointOpening = 0.05f;  // a residual term well below the initial one
    const float undecayed = analyse(in).aggregateStiffness;
    in.interlockDecayCount = 1e6f;
    const float decayed = analyse(in).aggregateStiffness;
    EXPECT_LT(decayed, undecayed);
    EXPECT_GT(decayed, 0);
}

// A very stiff joint under a large loaded area: the unloaded side deflects more
// than the loaded one. The search must end, with the force carried the other way.
TEST(ForceSearch, NegativeDifferenceEndsWithFiniteStresses) {
    for (const auto& bar : kWindowDowelBars) {
        DowelJointInput in = defaultDesign(bar);
        in.dowelSpacing = 6;
        in.jointOpening = 0.005f;
        in.concreteModulus = 500000;
        in.slabThickness = 5;
        in.tirePressure = 20;
        in.subgradeModulus = 50;
        const DowelJointResult r = analyse(in);
        ASSERT_LT(r.loadedDeflection - r.unloadedDeflection, -1e-6);
        EXPECT_TRUE(std::isfinite(r.edgeBearingStress));
        EXPECT_TRUE(std::isfinite(r.cornerBearingStress));
        EXPECT_GT(r.edgeBearingStress, 0);
        EXPECT_GT(r.cornerBearingStress, 0);
    }
}

// Where the free-edge deflection all but vanishes the search is not needed; the
// result must come from this call's inputs alone, not from an earlier call.
TEST(ForceSearch, TinyDifferenceDependsOnlyOnThisCall) {
    DowelJointInput tiny = defaultDesign();
    tiny.dowelSpacing = 12;
    tiny.jointOpening = 0.25f;
    tiny.subgradeModulus = 5000;
    tiny.wheelLoad = 50000;
    tiny.concreteModulus = 500000;
    tiny.slabThickness = 5;
    tiny.tirePressure = 82.1f;

    const DowelJointResult first = analyse(tiny);
    ASSERT_LE(std::fabs(first.loadedDeflection - first.unloadedDeflection), 1e-6);
    analyse(defaultDesign(kWindowDowelBars[0]));  // a search with another outcome
    const DowelJointResult second = analyse(tiny);
    EXPECT_EQ(first.edgeBearingStress, second.edgeBearingStress);
    EXPECT_EQ(first.cornerBearingStress, second.cornerBearingStress);
    EXPECT_GE(first.edgeBearingStress, 0);
    EXPECT_LT(first.edgeBearingStress, 1.0f);  // a vanishing force bears almost nothing
}

}  // namespace
