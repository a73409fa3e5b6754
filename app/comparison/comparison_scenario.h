// Which option frame, layout pictures and steel-savings text the "Dowel Spacing"
// page shows for an analysis type a and layout variant v, plus the captions of
// the choices themselves.
#ifndef TAVREL_COMPARISON_COMPARISON_SCENARIO_H
#define TAVREL_COMPARISON_COMPARISON_SCENARIO_H

#include <array>
#include <bitset>
#include <initializer_list>
#include <optional>
#include <string>

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

// Object name of the picture's image control, e.g. "imgCorner06a".
std::string pictureObjectName(Picture picture);

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
    std::array<bool, 3> frameVisible;        // framNumDowels1..3
    PictureSet visiblePictures;              // every other picture is hidden
    bool savingsVisible;                     // framSavings
    std::optional<std::string> savingsText;  // lblSavings; nothing: keep the caption
};

// View for analysis type a and the selected variant v of its group (nothing when
// no button of the group is selected: only the baseline picture then shows).
// Nothing for an a outside 0..2: the page is left as it is.
std::optional<ScenarioView> scenarioView(int a, std::optional<int> v);

// Captions of the choices, nothing outside the ranges.
std::optional<std::string> analysisTypeCaption(int a);     // optAnType(a)
std::optional<std::string> variantFrameCaption(int a);     // framNumDowels1..3
std::optional<std::string> variantFrameObjectName(int a);  // "framNumDowels1".."framNumDowels3"
std::optional<std::string> variantGroupName(
    int a);  // "optDowelSpac", "optNumDowels", "optDowelAlt"
std::optional<std::string> variantCaption(int a, int v);  // the option button v of the group of a

// The variant picture of (a, v), or nothing outside the ranges.
std::optional<Picture> variantPicture(int a, int v);

}  // namespace tavrel::comparison

#endif  // TAVREL_COMPARISON_COMPARISON_SCENARIO_H
