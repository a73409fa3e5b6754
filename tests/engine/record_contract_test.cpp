// The records as bytes at their offsets, through the library loaded at run time
// and bound by name, as the program binds it.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>

#include "default_design.h"

namespace {

class LoadedEngine : public ::testing::Test {
  protected:
    void SetUp() override {
        handle_ = dlopen(QUORVIX_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(handle_, nullptr) << dlerror();
        entry_ = reinterpret_cast<CalclteFunction>(dlsym(handle_, "CALCLTE"));
        ASSERT_NE(entry_, nullptr);
    }
    void TearDown() override {
        if (handle_) dlclose(handle_);
    }

    // The default design for the 1.25-inch round bar, written field by field at
    // its byte offsets; every other byte (the gaps included) holds `filler`.
    static std::array<unsigned char, 76> defaultDesignBytes(unsigned char filler) {
        std::array<unsigned char, 76> b;
        b.fill(filler);
        putInt16(b, 0, -1);        // includeDowels
        putInt32(b, 4, 1);         // dowelShape: round
        putInt16(b, 8, 0);         // includeAggregate
        putFloat(b, 12, 1.25f);    // dowelDiameter
        putFloat(b, 16, 0);        // dowelWidth
        putFloat(b, 20, 0);        // dowelHeight
        putFloat(b, 24, 0.3f);     // dowelPoisson
        putFloat(b, 28, 29e6f);    // dowelModulus
        putFloat(b, 32, 12);       // dowelSpacing
        putFloat(b, 36, 2.25e6f);  // dowelSupportModulus
        putFloat(b, 40, 0.25f);    // jointOpening
        putFloat(b, 44, 4e6f);     // concreteModulus
        putFloat(b, 48, 0.15f);    // concretePoisson
        putFloat(b, 52, 12);       // slabThickness
        putFloat(b, 56, 0);        // interlockDepthDeduction
        putFloat(b, 60, 9000);     // wheelLoad
        putFloat(b, 64, 90);       // tirePressure
        putFloat(b, 68, 300);      // subgradeModulus
        putFloat(b, 72, 0);        // interlockDecayCount
        return b;
    }

    std::array<unsigned char, 60> call(const std::array<unsigned char, 76>& input) {
        alignas(4) unsigned char in[76];
        alignas(4) unsigned char out[60];
        std::memcpy(in, input.data(), sizeof in);
        std::memset(out, 0xA5, sizeof out);
        EXPECT_EQ(entry_(reinterpret_cast<const DowelJointInput*>(in),
                         reinterpret_cast<DowelJointResult*>(out)),
                  0);
        std::array<unsigned char, 60> result;
        std::memcpy(result.data(), out, sizeof out);
        return result;
    }

    static float floatAt(const std::array<unsigned char, 60>& b, size_t offset) {
        float v;
        std::memcpy(&v, b.data() + offset, 4);
        return v;
    }

    static void putFloat(std::array<unsigned char, 76>& b, size_t offset, float v) {
        std::memcpy(b.data() + offset, &v, 4);
    }
    static void putInt32(std::array<unsigned char, 76>& b, size_t offset, int32_t v) {
        std::memcpy(b.data() + offset, &v, 4);
    }
    static void putInt16(std::array<unsigned char, 76>& b, size_t offset, int16_t v) {
        std::memcpy(b.data() + offset, &v, 2);
    }

    CalclteFunction entry_ = nullptr;

  private:
    void* handle_ = nullptr;
};

TEST_F(LoadedEngine, ResultFieldsAtTheirOffsets) {
    const auto out = call(defaultDesignBytes(0));
    const struct {
        size_t offset;
        double expected, tolerance;
    } fields[] = {
        {0, 0.7719, 5e-5},     // deflectionLte
        {4, 0.3005, 5e-5},     // stressLte
        {8, 0.8713, 5e-5},     // deflectionTransferRatio
        {12, 0.4698, 5e-5},    // effectiveness
        {16, 0.004584, 5e-7},  // loadedDeflection
        {20, 0.003539, 5e-7},  // unloadedDeflection
        {24, 0.008123, 5e-7},  // freeEdgeDeflection
        {28, 124.8, 0.05},     // loadedStress
        {32, 37.50, 0.005},    // unloadedStress
        {36, 162.3, 0.05},     // freeEdgeStress
        {40, 72600, 0.5},      // dowelStiffness
        {44, 361.6, 0.05},     // aggregateStiffness
        {48, 72600, 0.5},      // jointStiffness
        {52, 1060.0, 0.05},    // edgeBearingStress
        {56, 1744.0, 0.05},    // cornerBearingStress
    };
    for (const auto& f : fields) {
        EXPECT_NEAR(floatAt(out, f.offset), f.expected, f.tolerance) << "offset " << f.offset;
    }
}

TEST_F(LoadedEngine, GapsAreNeverRead) {
    const auto clean = call(defaultDesignBytes(0));
    for (unsigned char garbage : {0x01, 0x7F, 0xFF}) {
        auto dirty = defaultDesignBytes(0);
        dirty[2] = dirty[3] = dirty[10] = dirty[11] = garbage;
        EXPECT_EQ(call(dirty), clean) << int(garbage);
    }
}

TEST_F(LoadedEngine, StructMatchesTheBytes) {
    // The same design through the C header's struct gives the same bytes back.
    const DowelJointInput in = testing_support::defaultDesign();
    std::array<unsigned char, 76> asBytes;
    std::memcpy(asBytes.data(), &in, 76);
    EXPECT_EQ(call(asBytes), call(defaultDesignBytes(0)));
}

TEST_F(LoadedEngine, ResultIsOnlyWritten) {
    // Whatever the result buffer held before, the answer is the same.
    const auto input = defaultDesignBytes(0);
    alignas(4) unsigned char in[76];
    std::memcpy(in, input.data(), 76);
    DowelJointResult a, b;
    std::memset(&a, 0x00, sizeof a);
    std::memset(&b, 0xFF, sizeof b);  // NaNs everywhere
    entry_(reinterpret_cast<const DowelJointInput*>(in), &a);
    entry_(reinterpret_cast<const DowelJointInput*>(in), &b);
    EXPECT_EQ(std::memcmp(&a, &b, sizeof a), 0);
}

}  // namespace
