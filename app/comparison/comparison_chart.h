// The two-bar chart of the "Dowel Spacing" page: baseline bar on the left, the
// chosen alternative on the right, values above, captions below and the change in
// percent inside the top of the right bar. Everything here is pure arithmetic on
// the comparison table; the window applies the returned texts and positions.
// Positions are twips in the coordinates of the tab page.
#ifndef TAVREL_COMPARISON_COMPARISON_CHART_H
#define TAVREL_COMPARISON_COMPARISON_CHART_H

#include <array>
#include <optional>
#include <string>

#include "comparison/comparison_table.h"

namespace tavrel::comparison {

// Element 0 the baseline value, element 1 the alternative value.
using ComparisonBars = std::array<float, 2>;

inline constexpr int kBarFoot = 6540;  // bottom edge of both bars
inline constexpr int kFullScaleBarHeight = 2500;
inline constexpr int kValueLabelRise = 300;    // value label top above the bar top
inline constexpr int kPercentLabelDrop = 150;  // percentage label top below the right bar top

// What the chart shows for one plotted quantity q.
struct QuantitySettings {
    std::array<std::string, 4> axisTitle;  // lblYaxis1..lblYaxis4
    float fullScale;                       // value drawn at full bar height
    int decimals;                          // 0 for the "0" format, 3 for "0.000"
    std::string listItem;                  // its item in the plotted-quantity list
};

// Settings of q, or nothing for a q outside 0..3.
std::optional<QuantitySettings> quantitySettings(int q);

// Fixed second caption line under the baseline bar (lblBar1a).
std::string baselineBarSubCaption();

// Captions under the bars for (a, v).
struct BarCaptions {
    std::string baseline;        // lblBar1
    std::string alternative;     // lblBar2
    std::string alternativeSub;  // lblBar2a, empty where the alternative has no second line
};

// Captions of (a, v), or nothing when either index is out of range.
std::optional<BarCaptions> barCaptions(int a, int v);

// A bar value as the chart writes it: decimals 0 or 3, halves away from zero.
std::string formatBarValue(float value, int decimals);

// round(2500 * value / fullScale) in double from the float operands, ties to even.
int barHeight(float value, float fullScale);

// Change from baseline to alternative, relative to the baseline, with the sign
// written here: "+24%", "-3%", and "0%" when equal, when the change rounds to
// zero either way, or when the baseline is zero.
std::string percentChangeText(float baseline, float alternative);

struct BarGeometry {
    int top;
    int height;
    int valueTop;           // lblBar1val / lblBar2val
    std::string valueText;  // lblBar1val / lblBar2val
};

// Everything a drawing of the bars sets.
struct BarsDrawing {
    BarGeometry baseline;     // shpBar1, lblBar1val
    BarGeometry alternative;  // shpBar2, lblBar2val
    int percentTop;           // lblPct
    std::string percentText;  // lblPct
};

// Bar geometry and texts for the two values and quantity q; nothing for a q
// outside 0..3 (no full scale to divide by), in which case the chart stays as is.
std::optional<BarsDrawing> drawComparisonBars(const ComparisonBars& bars, int q);

// The choices of the page the chart follows.
struct ChartSelection {
    int q;                 // plotted-quantity list index
    int d;                 // dowel selection list index
    std::optional<int> a;  // selected analysis type, if any button is selected
    std::optional<int> v;  // selected variant in the group of a, if any
};

// What the chart shows for a selection; an empty optional means "leave as it is".
struct ChartUpdate {
    std::optional<std::array<std::string, 4>> axisTitle;  // lblYaxis1..4
    std::optional<std::string> baselineCaption;           // lblBar1
    std::optional<std::string> alternativeCaption;        // lblBar2
    std::optional<std::string> alternativeSubCaption;     // lblBar2a
    ComparisonBars bars;                                  // the new ComparisonBars
    std::optional<BarsDrawing> drawing;
};

// Chooses captions and the two values for the selection, starting from the
// previous bar values (a value is kept where the selection does not determine
// it), and draws. An out-of-range q or d reads nothing from the table.
ChartUpdate updateComparisonChart(const ComparisonTable& table, const ChartSelection& selection,
                                  const ComparisonBars& previous);

}  // namespace tavrel::comparison

#endif  // TAVREL_COMPARISON_COMPARISON_CHART_H
