#include "comparison/comparison_scenario.h"

#include <optional>

#include "analysis/result_format.h"
#include "comparison/comparison_table.h"
#include "comparison/layout_drawing.h"

namespace tavrel::comparison {

namespace {

struct AnalysisTypeRow {
    const char* caption;
    const char* frameCaption;
    Picture baselinePicture;
    bool showsSavings;
    Picture variantPicture[kVariantCount];
};

constexpr AnalysisTypeRow kTypes[kAnalysisTypeCount] = {
    {"Corner Dowel Spacing",
     "Dowel Corner Spacing",
     Picture::Corner06,
     false,
     {Picture::Corner06a, Picture::Corner08, Picture::Corner10, Picture::Corner12}},
    {"Center Lane Dowel Leave-Out",
     "Number of Dowels",
     Picture::Baseline,
     true,
     {Picture::Baseline2, Picture::Ctr10, Picture::Ctr08, Picture::Ctr06}},
    {"Alternate Dowel Spacings",
     "Dowel Spacing Alternatives",
     Picture::Baseline,
     true,
     {Picture::Baseline2, Picture::AltA, Picture::AltB, Picture::AltC}},
};

const AnalysisTypeRow& typeRow(AnalysisType a) {
    return kTypes[indexOf(a)];
}

// The share of the baseline's dowels the variant leaves out, as the drawings
// count them: "17%" for 10 of 12.
std::string savingsText(Picture baseline, Picture variant) {
    const int all = *laneDowelCount(baseline);
    const int kept = *laneDowelCount(variant);
    return formatHalfAwayFromZero(100.0 * (all - kept) / all, 0) + "%";
}

}  // namespace

PictureSet::PictureSet(std::initializer_list<Picture> pictures) {
    for (Picture picture : pictures) {
        insert(picture);
    }
}

ScenarioView scenarioView(AnalysisType a, LayoutVariant v) {
    const AnalysisTypeRow& row = typeRow(a);
    ScenarioView view{};
    view.savingsVisible = row.showsSavings;
    view.visiblePictures.insert(row.baselinePicture);
    view.visiblePictures.insert(variantPicture(a, v));
    if (row.showsSavings) view.savingsText = savingsText(row.baselinePicture, variantPicture(a, v));
    return view;
}

std::string analysisTypeCaption(AnalysisType a) {
    return typeRow(a).caption;
}

std::string variantFrameCaption(AnalysisType a) {
    return typeRow(a).frameCaption;
}

// The layout's caption counts what its drawing shows, so the two cannot part:
// "8 inches", "10 Dowels (2 dowels removed)", "9 Dowels (Alternate B)".
std::string variantCaption(AnalysisType a, LayoutVariant v) {
    const Picture picture = variantPicture(a, v);
    const bool baseline = v == LayoutVariant::Baseline;
    if (const std::optional<int> corner = cornerDistance(picture))
        return std::to_string(*corner) + " inches" + (baseline ? " (baseline)" : "");
    const int dowels = *laneDowelCount(picture);
    const std::string count = std::to_string(dowels) + " Dowels";
    if (a == AnalysisType::AlternateSpacings)
        return count + (baseline ? ", uniform (baseline)"
                                 : std::string(" (Alternate ") + alternateLetter(v) + ")");
    if (baseline) return count + " (baseline)";
    const int removed = *laneDowelCount(typeRow(a).baselinePicture) - dowels;
    return count + " (" + std::to_string(removed) + " dowels removed)";
}

Picture variantPicture(AnalysisType a, LayoutVariant v) {
    return typeRow(a).variantPicture[indexOf(v)];
}

}  // namespace tavrel::comparison
