// The report's sensitivity charts and the acceptable range of every input.
#include <algorithm>
#include <cmath>
#include <limits>

#include "analysis/report_model_parts.h"
#include "analysis/result_format.h"

namespace tavrel {

namespace {

// Distinct colours for the eight curves; the elliptical bars are dashed too.
constexpr Rgb kCurveColours[kDowelCaseCount] = {{31, 119, 180},  {255, 127, 14},  {44, 160, 44},
                                                {214, 39, 40},   {148, 103, 189}, {140, 86, 75},
                                                {227, 119, 194}, {80, 80, 80}};

// A caption without its closing colon, for running text and axis labels.
std::string bareCaption(const char* caption) {
    std::string text = caption;
    if (!text.empty() && text.back() == ':') text.pop_back();
    return text;
}

// The stretches of the scan where some bar leaves the fitted relations,
// widened by half a step each way so that a single point shows.
std::vector<ChartSpan> outsideSpans(const InputScan& scan, const std::vector<double>& xs) {
    std::vector<ChartSpan> spans;
    const std::size_t n = xs.size();
    auto outside = [&](std::size_t k) {
        for (int c = 0; c < kDowelCaseCount; ++c)
            if (scan.outsideFitted[c][k]) return true;
        return false;
    };
    for (std::size_t k = 0; k < n; ++k) {
        if (!outside(k)) continue;
        std::size_t last = k;
        while (last + 1 < n && outside(last + 1)) ++last;
        const double from = k == 0 ? xs[0] : (xs[k - 1] + xs[k]) / 2;
        const double to = last + 1 == n ? xs[n - 1] : (xs[last] + xs[last + 1]) / 2;
        spans.push_back({from, to});
        k = last;
    }
    return spans;
}

ReportChartPair chartPair(const DesignStudy& study, int input, UnitSystem units) {
    const InputScan& scan = study.inputs[input].scan;
    const UnitScale xScale = inputScale(units, input);
    const UnitScale stress = stressScale(units);
    const std::string name = bareCaption(kDesignInputs[input].caption);
    const double inf = std::numeric_limits<double>::infinity();
    const double s1 = static_cast<double>(kAcceptableBearingStress) * stress.perUsUnit;
    const double s2 = static_cast<double>(kConditionalBearingStress) * stress.perUsUnit;
    const double lte1 = std::round(static_cast<double>(kAcceptableDeflectionLte) * 1000) / 10;
    const double lte2 = std::round(static_cast<double>(kConditionalDeflectionLte) * 1000) / 10;

    ReportChart left;
    left.title = "Bearing stress as " + name + " varies";
    left.xLabel = name + " (" + xScale.caption + ")";
    left.yLabel = std::string("Bearing stress (") + stress.caption + ")";
    for (float v : scan.values) left.x.push_back(static_cast<double>(v) * xScale.perUsUnit);
    left.bands = {{-inf, s1, CaseGrade::Acceptable},
                  {s1, s2, CaseGrade::Conditional},
                  {s2, inf, CaseGrade::Unacceptable}};
    left.limits = {{s1, stressLimitText(kAcceptableBearingStress, units)},
                   {s2, stressLimitText(kConditionalBearingStress, units)}};
    left.outsideFitted = outsideSpans(scan, left.x);
    left.designX = fromAnalysisUnits(units, input, study.values[input]);
    left.designLabel = "design: " + groupThousands(plainDecimal(static_cast<float>(left.designX)));
    left.yCeiling = s2 * 1.2;

    ReportChart right = left;
    right.title = "Deflection LTE as " + name + " varies";
    right.yLabel = "Deflection LTE (%)";
    right.bands = {{lte1, inf, CaseGrade::Acceptable},
                   {lte2, lte1, CaseGrade::Conditional},
                   {-inf, lte2, CaseGrade::Unacceptable}};
    right.limits = {{lte1, formatFixed(lte1, 0) + " %"}, {lte2, formatFixed(lte2, 0) + " %"}};
    right.yCeiling = 100;

    for (int c = 0; c < kDowelCaseCount; ++c) {
        const DowelCase& d = kDowelCases[c];
        ChartSeries series{
            dowelLabel(d, units) + " " + dowelUnit(units), kCurveColours[c], !isRound(d), {}};
        series.y = scan.bearingStress[c];
        for (double& y : series.y) y *= stress.perUsUnit;
        left.series.push_back(series);
        series.y = scan.deflectionLte[c];
        right.series.push_back(std::move(series));
    }
    return {std::move(left), std::move(right)};
}

// A solved value's text: fine enough that the rounding moves the value by
// less than a hundredth of the 0.001-of-range margin around it; a range end
// as the input's limit is shown.
std::string endText(int input, double value, UnitSystem units) {
    const DesignInput& d = kDesignInputs[input];
    if (value == d.minimum) return inputMinimumText(units, input);
    if (value == d.maximum) return inputMaximumText(units, input);
    const double range =
        fromAnalysisUnits(units, input, static_cast<double>(d.maximum) - d.minimum);
    const int decimals = std::max(0, static_cast<int>(std::ceil(-std::log10(2e-5 * range))));
    return formatFixed(fromAnalysisUnits(units, input, value), decimals);
}

}  // namespace

ReportSection sensitivitySection(const DesignStudy& study, UnitSystem units) {
    ReportSection s{"Sensitivity", true, {}};
    s.blocks.push_back(ReportParagraph{
        "Each input runs over its whole range while the other six keep the design's values. "
        "Left: each bar's governing bearing stress, the larger of edge and corner loading. "
        "Right: each bar's deflection load transfer. The shading follows the grade colours; the "
        "dotted line marks the design's own value; a hatched stretch is where some bar's results "
        "lie outside the range of the fitted relations.",
        ReportTextStyle::Small});
    for (int i = 0; i < kDesignInputCount; ++i) s.blocks.push_back(chartPair(study, i, units));
    return s;
}

ReportSection acceptableSection(const DesignStudy& study, UnitSystem units) {
    ReportSection s{"What makes each bar acceptable", false, {}};
    s.blocks.push_back(ReportParagraph{
        "For each bar and each input: the values of that input, within its range and with the "
        "other six at the design's values, over which the bar is graded acceptable.",
        ReportTextStyle::Small});
    for (int c = 0; c < kDowelCaseCount; ++c) {
        s.blocks.push_back(
            ReportParagraph{barName(kDowelCases[c], units), ReportTextStyle::Strong});
        ReportPairs rows;
        for (int i = 0; i < kDesignInputCount; ++i) {
            std::string text;
            for (const ValueInterval& v : acceptableIntervals(study.inputs[i], c)) {
                if (!text.empty()) text += " and ";
                text += endText(i, v.from, units) + " to " + endText(i, v.to, units);
            }
            text = text.empty() ? "none in range" : text + " " + inputScale(units, i).caption;
            rows.rows.emplace_back(kDesignInputs[i].caption, text);
        }
        s.blocks.push_back(rows);
    }
    return s;
}

}  // namespace tavrel
