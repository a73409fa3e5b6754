// The eight dowel bars the sizing table analyses, in column order.
#pragma once

#include <array>
#include <string>

#include "quorvix/dowel_joint.h"

namespace tavrel {

struct DowelCase {
    int32_t shape;                // 1 round, 2 elliptical
    float diameter;               // round bars
    float width;                  // elliptical bars: horizontal axis
    float height;                 // elliptical bars: vertical axis
    float supportModulus;         // K, psi/in
    std::array<int, 2> headings;  // lblDia indices coloured by the case's grade, in order
    int headingCount;
};

constexpr int kDowelCaseCount = 8;
constexpr int kDowelHeadingCount = 11;

extern const std::array<DowelCase, kDowelCaseCount> kDowelCases;

// The bar's size in inches, as text: "1.25" for a round bar, width by height
// "1.41x0.88" for an elliptical one.
std::string dowelCaseLabel(const DowelCase& dowel);

// Writes the case's shape, dimensions and K into the engine's input; the other
// shape's dimensions are zeroed.
void applyDowelCase(const DowelCase& dowel, DowelJointInput& input);

}  // namespace tavrel
