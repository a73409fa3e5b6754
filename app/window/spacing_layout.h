// Where the Dowel Spacing page's controls stand and what they are called.
#pragma once

#include <array>

#include "comparison/comparison_scenario.h"
#include "comparison/comparison_table.h"

namespace tavrel::spacing_layout {

// The variants' frame and option group of each analysis type; the three
// frames share one place and differ only in width.
struct VariantFrame {
    const char* frame;
    const char* group;  // the option buttons are group_0 .. group_3
    double width;
};
constexpr VariantFrame kVariantFrames[comparison::kAnalysisTypeCount] = {
    {"framNumDowels1", "optDowelSpac", 2115},
    {"framNumDowels2", "optNumDowels", 2790},
    {"framNumDowels3", "optDowelAlt", 2715},
};
constexpr double kOptionTops[] = {225, 600, 975, 1350};

// The image control of each layout picture, in the order of the pictures.
constexpr const char* kPictureNames[comparison::kPictureCount] = {
    "imgBaseline", "imgBaseline2", "imgCtr10",    "imgCtr08",    "imgCtr06",
    "imgAltA",     "imgAltB",      "imgAltC",     "imgCorner06", "imgCorner06a",
    "imgCorner08", "imgCorner10",  "imgCorner12",
};

// The dowel pictures inside the "Dowel Selection" frame: their left edges, in
// the order of the list, all standing on one base line.
constexpr double kDowelPictureLefts[comparison::kDowelCount] = {75, 675, 1455, 2400, 3240, 4275};
constexpr double kDowelPictureBase = 1500;

// The arrow under the chosen dowel picture: tip, barb ends and inner corner.
// Only its x follows the choice; before the first choice it stands here.
constexpr float kMarkerTipY = 1650.0f, kMarkerBarbY = 1875.0f, kMarkerNotchY = 1725.0f;
constexpr float kMarkerHalfWidth = 150.0f;
constexpr float kInitialMarkerCentre = 300.0f;

struct MarkerLine {
    float x1, y1, x2, y2;
};

// The arrow's four strokes centred at `c`; x may end in .5.
constexpr std::array<MarkerLine, 4> markerLines(float c) {
    return {{
        {c, kMarkerTipY, c - kMarkerHalfWidth, kMarkerBarbY},
        {c, kMarkerTipY, c + kMarkerHalfWidth, kMarkerBarbY},
        {c - kMarkerHalfWidth, kMarkerBarbY, c, kMarkerNotchY},
        {c + kMarkerHalfWidth, kMarkerBarbY, c, kMarkerNotchY},
    }};
}

// The chart: both bars stand on one foot, full scale is this tall, each value
// stands above its bar and the change inside the top of the right bar.
constexpr int kBarFoot = 6540;
constexpr int kFullScaleBarHeight = 2500;
constexpr int kValueLabelRise = 300;
constexpr int kPercentLabelDrop = 150;
constexpr double kBarLefts[2] = {8160, 9750}, kBarWidth = 915;
constexpr double kValueLefts[2] = {8235, 9825}, kValueWidth = 765;
constexpr double kPercentLeft = 9675, kPercentWidth = 1065;
constexpr double kChartTextHeight = 240;

}  // namespace tavrel::spacing_layout
