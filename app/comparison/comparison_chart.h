// The two-bar chart of the "Dowel Spacing" page: baseline bar on the left, the
// chosen alternative on the right, values above, captions below and the change in
// percent inside the top of the right bar. Everything here is arithmetic on the
// comparison table; the front ends place and draw what it returns.
#ifndef TAVREL_COMPARISON_COMPARISON_CHART_H
#define TAVREL_COMPARISON_COMPARISON_CHART_H

#include <array>
#include <string>

#include "comparison/comparison_table.h"

namespace tavrel::comparison {

// Element 0 the baseline value, element 1 the alternative value.
using ComparisonBars = std::array<float, 2>;

// What is known of one plotted quantity, for its list item, the chart's axis,
// the comparison CSV and the report.
struct QuantityFacts {
    const char* listText;                  // its item in the plotted-quantity list
    std::array<const char*, 3> axisWords;  // the axis title's lines above the unit
    const char* unit;                      // "psi", "in."
    float fullScale;                       // value drawn at full bar height
    int decimals;                          // 0 for the "0" format, 3 for "0.000"
};

const QuantityFacts& quantityFacts(Quantity q);

// The axis title's four lines: the words, then the unit in brackets.
std::array<std::string, 4> axisTitle(Quantity q);

// The quantity in words: "Dowel Bearing Stress".
std::string quantityName(Quantity q);

// Fixed second caption line under the baseline bar.
std::string baselineBarSubCaption();

// Captions under the bars.
struct BarCaptions {
    std::string baseline;
    std::string alternative;
    std::string alternativeSub;  // empty where the alternative has no second line
};

BarCaptions barCaptions(AnalysisType a, LayoutVariant v);

// A bar value as the chart writes it: decimals 0 or 3, halves away from zero.
std::string formatBarValue(float value, int decimals);

// round(fullHeight * value / fullScale) in double from the float operands, ties
// to even: a bar's height where `fullHeight` stands for full scale.
int barHeight(float value, float fullScale, int fullHeight);

// Change from baseline to alternative, relative to the baseline, with the sign
// written here: "+24%", "-3%", and "0%" when equal, when the change rounds to
// zero either way, or when the baseline is zero.
std::string percentChangeText(float baseline, float alternative);

// The choices of the page the chart follows.
struct ChartSelection {
    Quantity q;
    DowelSelection d;
    AnalysisType a;
    LayoutVariant v;
};

// What the chart shows for a selection.
struct ChartUpdate {
    std::array<std::string, 4> axisTitle;
    BarCaptions captions;
    ComparisonBars bars;
    std::array<std::string, 2> valueTexts;  // above the bars
    std::string percentText;                // inside the right bar
    float fullScale;                        // of the quantity, for the bars' heights
};

ChartUpdate updateComparisonChart(const ComparisonTable& table, const ChartSelection& selection);

}  // namespace tavrel::comparison

#endif  // TAVREL_COMPARISON_COMPARISON_CHART_H
