// The eight dowel bars the sizing table analyses, in column order.
#pragma once

#include <array>
#include <string>

#include "quorvix/dowel_joint.h"

namespace tavrel {

// The engine reads any shape but a round one as elliptical; this is the value we send.
constexpr int32_t kEllipticalDowel = 2;

struct DowelCase {
    int32_t shape;         // QUORVIX_ROUND_DOWEL or kEllipticalDowel
    float diameter;        // round bars
    float width;           // elliptical bars: horizontal axis
    float height;          // elliptical bars: vertical axis
    float supportModulus;  // K, psi/in
};

constexpr int kDowelCaseCount = 8;

extern const std::array<DowelCase, kDowelCaseCount> kDowelCases;

inline bool isRound(const DowelCase& dowel) {
    return dowel.shape == QUORVIX_ROUND_DOWEL;
}

// The bar's cross-section across and up, in inches: a round bar's diameter
// both ways, an elliptical bar's width and height.
inline float sectionWidth(const DowelCase& dowel) {
    return isRound(dowel) ? dowel.diameter : dowel.width;
}
inline float sectionHeight(const DowelCase& dowel) {
    return isRound(dowel) ? dowel.diameter : dowel.height;
}

// The bar's shape in words: "round" or "elliptical".
inline const char* dowelShapeWord(const DowelCase& dowel) {
    return isRound(dowel) ? "round" : "elliptical";
}

// The bar's size in inches, as text: "1.25" for a round bar, width by height
// "1.41x0.88" for an elliptical one.
std::string dowelCaseLabel(const DowelCase& dowel);

// How many lines the bar's size takes in the table's heads: the diameter of a
// round bar; the width over the height of an elliptical one.
inline int sizeLineCount(const DowelCase& dowel) {
    return isRound(dowel) ? 1 : 2;
}

// What each of the bar's size headings says, top to bottom: the
// diameter of a round bar; the width, then the height of an elliptical one.
std::array<std::string, 2> headingCaptions(const DowelCase& dowel);

// Writes the case's shape, dimensions and K into the engine's input; the other
// shape's dimensions are zeroed.
void applyDowelCase(const DowelCase& dowel, DowelJointInput& input);

}  // namespace tavrel
