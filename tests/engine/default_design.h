// The window's default design and its eight dowel cases, as engine input records.
#pragma once

#include "quorvix/dowel_joint.h"

namespace testing_support {

struct DowelBar {
    int32_t shape;
    float diameter, width, height, supportModulus;
};

inline constexpr DowelBar kWindowDowelBars[8] = {
    {1, 1.0f, 0, 0, 2500000},      {1, 1.25f, 0, 0, 2250000},     {1, 1.5f, 0, 0, 2000000},
    {1, 1.75f, 0, 0, 1750000},     {1, 2.0f, 0, 0, 1500000},      {2, 0, 1.41f, 0.88f, 2500000},
    {2, 0, 1.66f, 1.13f, 1500000}, {2, 0, 1.98f, 1.34f, 1300000},
};

// s = 12, z = 0.25, k = 300, P = 9000, E = 4000000, h = 12, p = 90, dowels only.
inline DowelJointInput defaultDesign(const DowelBar& bar = kWindowDowelBars[1]) {
    DowelJointInput in{};
    in.includeDowels = -1;
    in.includeAggregate = 0;
    in.dowelShape = bar.shape;
    in.dowelDiameter = bar.diameter;
    in.dowelWidth = bar.width;
    in.dowelHeight = bar.height;
    in.dowelSupportModulus = bar.supportModulus;
    in.dowelPoisson = 0.3f;
    in.dowelModulus = 29000000;
    in.concretePoisson = 0.15f;
    in.dowelSpacing = 12;
    in.jointOpening = 0.25f;
    in.subgradeModulus = 300;
    in.wheelLoad = 9000;
    in.concreteModulus = 4000000;
    in.slabThickness = 12;
    in.tirePressure = 90;
    return in;
}

inline DowelJointResult analyse(const DowelJointInput& in) {
    DowelJointResult r{};
    CALCLTE(&in, &r);
    return r;
}

}  // namespace testing_support
