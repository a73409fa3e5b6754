#include "comparison/comparison_scenario.h"

#include "analysis/result_format.h"
#include "comparison/comparison_table.h"
#include "comparison/layout_drawing.h"

namespace tavrel::comparison {

namespace {

constexpr const char* kPictureNames[kPictureCount] = {
    "imgBaseline", "imgBaseline2", "imgCtr10",    "imgCtr08",    "imgCtr06",
    "imgAltA",     "imgAltB",      "imgAltC",     "imgCorner06", "imgCorner06a",
    "imgCorner08", "imgCorner10",  "imgCorner12",
};

struct AnalysisTypeRow {
    const char* caption;
    const char* frameCaption;
    const char* frameName;
    const char* groupName;
    Picture baselinePicture;
    bool showsSavings;
    const char* variantCaption[kVariantCount];
    Picture variantPicture[kVariantCount];
};

constexpr AnalysisTypeRow kTypes[kAnalysisTypeCount] = {
    {"Corner Dowel Spacing",
     "Dowel Corner Spacing",
     "framNumDowels1",
     "optDowelSpac",
     Picture::Corner06,
     false,
     {"6 inches (baseline)", "8 inches", "10 inches", "12 inches"},
     {Picture::Corner06a, Picture::Corner08, Picture::Corner10, Picture::Corner12}},
    {"Center Lane Dowel Leave-Out",
     "Number of Dowels",
     "framNumDowels2",
     "optNumDowels",
     Picture::Baseline,
     true,
     {"12 Dowels (baseline)", "10 Dowels (2 dowels removed)", "8 Dowels (4 dowels removed)",
      "6 Dowels (6 dowels removed)"},
     {Picture::Baseline2, Picture::Ctr10, Picture::Ctr08, Picture::Ctr06}},
    {"Alternate Dowel Spacings",
     "Dowel Spacing Alternatives",
     "framNumDowels3",
     "optDowelAlt",
     Picture::Baseline,
     true,
     {"12 Dowels, uniform (baseline)", "11 Dowels (Alternate A)", "9 Dowels (Alternate B)",
      "8 Dowels (Alternate C)"},
     {Picture::Baseline2, Picture::AltA, Picture::AltB, Picture::AltC}},
};

const AnalysisTypeRow* typeRow(int a) {
    return a >= 0 && a < kAnalysisTypeCount ? &kTypes[a] : nullptr;
}

bool isVariant(int v) {
    return v >= 0 && v < kVariantCount;
}

// The share of the baseline's dowels the variant leaves out, as the drawings
// count them: "17%" for 10 of 12.
std::string savingsText(Picture baseline, Picture variant) {
    const int all = *laneDowelCount(baseline);
    const int kept = *laneDowelCount(variant);
    return formatHalfAwayFromZero(100.0 * (all - kept) / all, 0) + "%";
}

}  // namespace

std::string pictureObjectName(Picture picture) {
    return std::string(kPictureNames[static_cast<int>(picture)]);
}

PictureSet::PictureSet(std::initializer_list<Picture> pictures) {
    for (Picture picture : pictures) {
        insert(picture);
    }
}

std::optional<ScenarioView> scenarioView(int a, std::optional<int> v) {
    const AnalysisTypeRow* row = typeRow(a);
    if (row == nullptr) {
        return std::nullopt;
    }
    ScenarioView view{};
    view.frameVisible[static_cast<std::size_t>(a)] = true;
    view.savingsVisible = row->showsSavings;
    view.visiblePictures.insert(row->baselinePicture);
    if (v && isVariant(*v)) {
        view.visiblePictures.insert(row->variantPicture[*v]);
        if (row->showsSavings) {
            view.savingsText = savingsText(row->baselinePicture, row->variantPicture[*v]);
        }
    }
    return view;
}

std::optional<std::string> analysisTypeCaption(int a) {
    const AnalysisTypeRow* row = typeRow(a);
    return row ? std::optional(std::string(row->caption)) : std::nullopt;
}

std::optional<std::string> variantFrameCaption(int a) {
    const AnalysisTypeRow* row = typeRow(a);
    return row ? std::optional(std::string(row->frameCaption)) : std::nullopt;
}

std::optional<std::string> variantFrameObjectName(int a) {
    const AnalysisTypeRow* row = typeRow(a);
    return row ? std::optional(std::string(row->frameName)) : std::nullopt;
}

std::optional<std::string> variantGroupName(int a) {
    const AnalysisTypeRow* row = typeRow(a);
    return row ? std::optional(std::string(row->groupName)) : std::nullopt;
}

std::optional<std::string> variantCaption(int a, int v) {
    const AnalysisTypeRow* row = typeRow(a);
    if (row == nullptr || !isVariant(v)) {
        return std::nullopt;
    }
    return std::string(row->variantCaption[v]);
}

std::optional<Picture> variantPicture(int a, int v) {
    const AnalysisTypeRow* row = typeRow(a);
    if (row == nullptr || !isVariant(v)) {
        return std::nullopt;
    }
    return row->variantPicture[v];
}

}  // namespace tavrel::comparison
