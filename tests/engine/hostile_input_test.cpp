// Any record at all must come back: no hang, no trap, whatever the bytes hold.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include "default_design.h"

namespace {

using testing_support::analyse;
using testing_support::defaultDesign;

constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

float* realFields(DowelJointInput& in) {
    return &in.dowelDiameter;
}
constexpr int kRealFieldCount = 16;

TEST(HostileInput, SpecialValueInEachField) {
    const float specials[] = {0.0f, -0.0f, -1.0f, kNaN, kInf, -kInf, 1e38f, -1e38f, 1e-45f, 1e-30f};
    for (int field = 0; field < kRealFieldCount; ++field) {
        for (float special : specials) {
            DowelJointInput in = defaultDesign();
            realFields(in)[field] = special;
            const DowelJointResult r = analyse(in);
            // The clamps hold whatever else happens.
            EXPECT_FALSE(r.unloadedDeflection < 0) << field << " " << special;
            EXPECT_FALSE(r.unloadedStress < 0) << field << " " << special;
        }
    }
}

TEST(HostileInput, RandomBytesAlwaysReturn) {
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int i = 0; i < 20000; ++i) {
        unsigned char raw[sizeof(DowelJointInput)];
        for (auto& b : raw) b = static_cast<unsigned char>(byte(random));
        DowelJointInput in;
        std::memcpy(&in, raw, sizeof in);
        DowelJointResult r;
        EXPECT_EQ(CALCLTE(&in, &r), 0);
    }
}

TEST(HostileInput, RandomDesignsNearTheWindowRangesStayFinite) {
    // Inside the window's input ranges every result is finite and the bearing
    // stresses are non-negative, including designs whose search runs backwards.
    std::mt19937 random(7);
    auto between = [&](float lo, float hi) {
        return std::uniform_real_distribution<float>(lo, hi)(random);
    };
    for (int i = 0; i < 20000; ++i) {
        DowelJointInput in = defaultDesign(testing_support::kWindowDowelBars[i % 8]);
        in.dowelSpacing = between(6, 36);
        in.jointOpening = between(0.005f, 3);
        in.subgradeModulus = between(50, 5000);
        in.wheelLoad = between(1000, 50000);
        in.concreteModulus = between(500000, 10000000);
        in.slabThickness = between(5, 30);
        in.tirePressure = between(20, 500);
        const DowelJointResult r = analyse(in);
        ASSERT_TRUE(std::isfinite(r.edgeBearingStress)) << i;
        ASSERT_TRUE(std::isfinite(r.cornerBearingStress)) << i;
        ASSERT_GE(r.edgeBearingStress, 0) << i;
        ASSERT_GE(r.cornerBearingStress, 0) << i;
        ASSERT_TRUE(std::isfinite(r.deflectionLte)) << i;
        ASSERT_TRUE(std::isfinite(r.effectiveness)) << i;
    }
}

}  // namespace
