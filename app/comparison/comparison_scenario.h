// Which layout pictures and steel-savings text the "Dowel Spacing" page shows
// for an analysis type and layout variant, and the captions of the choices.
#ifndef TAVREL_COMPARISON_COMPARISON_SCENARIO_H
#define TAVREL_COMPARISON_COMPARISON_SCENARIO_H

#include <array>
#include <bitset>
#include <initializer_list>
#include <string>

#include "comparison/comparison_table.h"

namespace tavrel::comparison {

// The thirteen layout pictures of the page.
enum class Picture {
    Baseline,
    Baseline2,
    Ctr10,
    Ctr08,
    Ctr06,
    AltA,
    AltB,
    AltC,
    Corner06,
    Corner06a,
    Corner08,
    Corner10,
    Corner12,
};

inline constexpr int kPictureCount = 13;

inline constexpr std::array<Picture, kPictureCount> kAllPictures = {
    Picture::Baseline, Picture::Baseline2, Picture::Ctr10,    Picture::Ctr08,    Picture::Ctr06,
    Picture::AltA,     Picture::AltB,      Picture::AltC,     Picture::Corner06, Picture::Corner06a,
    Picture::Corner08, Picture::Corner10,  Picture::Corner12,
};

// A set of pictures, one bit per enumerator.
class PictureSet {
  public:
    PictureSet() = default;
    PictureSet(std::initializer_list<Picture> pictures);
    bool contains(Picture picture) const { return bits_.test(static_cast<std::size_t>(picture)); }
    void insert(Picture picture) { bits_.set(static_cast<std::size_t>(picture)); }
    int size() const { return static_cast<int>(bits_.count()); }
    bool operator==(const PictureSet&) const = default;

  private:
    std::bitset<kPictureCount> bits_;
};

// The page state for one (a, v).
struct ScenarioView {
    PictureSet visiblePictures;  // every other picture is hidden
    bool savingsVisible;
    std::string savingsText;  // the steel saved; empty where it is not shown
};

ScenarioView scenarioView(AnalysisType a, LayoutVariant v);

std::string analysisTypeCaption(AnalysisType a);
std::string variantFrameCaption(AnalysisType a);
std::string variantCaption(AnalysisType a, LayoutVariant v);

// The picture of the alternative layout.
Picture variantPicture(AnalysisType a, LayoutVariant v);

// The letter that names an alternate layout: 'A' for the first after the baseline.
inline char alternateLetter(LayoutVariant v) {
    return static_cast<char>('A' + indexOf(v) - 1);
}

}  // namespace tavrel::comparison

#endif  // TAVREL_COMPARISON_COMPARISON_SCENARIO_H
