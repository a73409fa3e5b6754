// Any 76 bytes are a record the engine must answer promptly, without reading
// outside the records and without touching the result fields it leaves alone.
// Shorter inputs are padded with zero bytes; longer ones are cut.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "fuzz_check.h"
#include "quorvix/dowel_joint.h"

namespace {

constexpr int kResultFields = sizeof(DowelJointResult) / sizeof(float);

// Fill patterns for the result record: signalling NaNs, which no arithmetic
// produces, so a field still holding one was not written.
constexpr uint32_t kFillA = 0x7FA5A5A5;
constexpr uint32_t kFillB = 0xFFB3C3D3;

uint32_t bitsOf(float f) {
    uint32_t u;
    std::memcpy(&u, &f, sizeof u);
    return u;
}

uint32_t fieldBits(const DowelJointResult& r, int i) {
    uint32_t u;
    std::memcpy(&u, reinterpret_cast<const unsigned char*>(&r) + 4 * i, sizeof u);
    return u;
}

DowelJointResult filled(uint32_t pattern) {
    DowelJointResult r;
    for (int i = 0; i < kResultFields; ++i)
        std::memcpy(reinterpret_cast<unsigned char*>(&r) + 4 * i, &pattern, sizeof pattern);
    return r;
}

// Left as the caller had them when neither flag is set.
bool keptWithoutFlags(int field) {
    return field == offsetof(DowelJointResult, effectiveness) / 4 ||
           field == offsetof(DowelJointResult, edgeBearingStress) / 4 ||
           field == offsetof(DowelJointResult, cornerBearingStress) / 4;
}

// a + b == sum up to the single-precision rounding of the three values.
bool addsUp(double a, double b, double sum) {
    if (!std::isfinite(a) || !std::isfinite(b) || !std::isfinite(sum)) return true;
    const double slack = 0x1p-22 * (std::fabs(a) + std::fabs(b) + std::fabs(sum)) + 0x1p-140;
    return std::fabs(a + b - sum) <= slack;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The record goes on the heap at its exact size so that ASan sees any
    // read past its end.
    auto* input = new DowelJointInput;
    std::memset(input, 0, sizeof *input);
    std::memcpy(input, data, size < sizeof *input ? size : sizeof *input);
    auto* first = new DowelJointResult(filled(kFillA));
    auto* second = new DowelJointResult(filled(kFillB));

    FUZZ_CHECK(CALCLTE(input, first) == 0, "CALCLTE returns 0");
    FUZZ_CHECK(CALCLTE(input, second) == 0, "CALCLTE returns 0");

    const bool flags = (input->includeDowels & 1) || (input->includeAggregate & 1);
    for (int i = 0; i < kResultFields; ++i) {
        if (!flags && keptWithoutFlags(i)) {
            FUZZ_CHECK(fieldBits(*first, i) == kFillA && fieldBits(*second, i) == kFillB,
                       "a field the path leaves alone is untouched");
        } else {
            // Written, from the input alone: never read back, no state between calls.
            FUZZ_CHECK(fieldBits(*first, i) == fieldBits(*second, i),
                       "a written field depends on the input only");
        }
    }

    const DowelJointResult& r = *first;
    FUZZ_CHECK(!(r.unloadedDeflection < 0), "unloaded deflection is never negative");
    FUZZ_CHECK(!(r.unloadedStress < 0), "unloaded stress is never negative");
    if (!flags) {
        FUZZ_CHECK(r.jointStiffness == 0 && r.unloadedDeflection == 0 && r.unloadedStress == 0,
                   "nothing crosses the joint");
        FUZZ_CHECK(r.deflectionLte == 0 && r.stressLte == 0 && r.deflectionTransferRatio == 0,
                   "no load transfer without a flag");
        FUZZ_CHECK(bitsOf(r.loadedDeflection) == bitsOf(r.freeEdgeDeflection) &&
                       bitsOf(r.loadedStress) == bitsOf(r.freeEdgeStress),
                   "the loaded side is the free edge");
    } else {
        FUZZ_CHECK(addsUp(r.loadedDeflection, r.unloadedDeflection, r.freeEdgeDeflection),
                   "loaded + unloaded deflection = free-edge deflection");
        FUZZ_CHECK(addsUp(r.loadedStress, r.unloadedStress, r.freeEdgeStress),
                   "loaded + unloaded stress = free-edge stress");
        const bool dowels = input->includeDowels & 1;
        const bool aggregate = input->includeAggregate & 1;
        if (dowels && !aggregate)
            FUZZ_CHECK(bitsOf(r.jointStiffness) == bitsOf(r.dowelStiffness),
                       "dowels alone: joint stiffness is the dowel stiffness");
        if (aggregate && !dowels)
            FUZZ_CHECK(bitsOf(r.jointStiffness) == bitsOf(r.aggregateStiffness),
                       "interlock alone: joint stiffness is the interlock stiffness");
        if (dowels && aggregate)
            FUZZ_CHECK(addsUp(r.dowelStiffness, r.aggregateStiffness, r.jointStiffness),
                       "both: joint stiffness is the sum");
    }

    delete second;
    delete first;
    delete input;
    return 0;
}
