#include "comparison/dowel_selection.h"

#include <iterator>

#include "analysis/dowel_cases.h"

namespace tavrel::comparison {

namespace {

struct DowelRow {
    int dowelCase;          // index of kDowelCases
    const char* sizeClass;  // the item's name for an elliptical bar
    int pictureLeft;
    const char* slabClass;
};

// Three round bars, then three elliptical ones of matching stiffness.
constexpr DowelRow kDowels[] = {
    {0, nullptr, 75, "Thin Slab (~7\")"},     {1, nullptr, 675, "Avg. Slab (~9\")"},
    {2, nullptr, 1455, "Thick Slab (~14\")"}, {5, "Small", 2400, "Thin Slab (~7\")"},
    {6, "Medium", 3240, "Avg. Slab (~9\")"},  {7, "Large", 4275, "Thick Slab (~14\")"},
};

constexpr int kPictureBase = 1500;  // the pictures stand on this line

constexpr int kDowelRows = static_cast<int>(std::size(kDowels));

// The arrow tip and the two barb ends; fixed by the layout.
constexpr float kTipY = 1650.0f;
constexpr float kBarbY = 1875.0f;
constexpr float kNotchY = 1725.0f;
constexpr float kHalfWidth = 150.0f;

const DowelRow* row(int index) {
    return index >= 0 && index < kDowelRows ? &kDowels[index] : nullptr;
}

}  // namespace

std::optional<int> dowelCaseOfItem(int index) {
    const DowelRow* r = row(index);
    return r ? std::optional(r->dowelCase) : std::nullopt;
}

std::optional<std::string> dowelItemCaption(int index) {
    const DowelRow* r = row(index);
    if (r == nullptr) return std::nullopt;
    const DowelCase& dowel = kDowelCases[static_cast<std::size_t>(r->dowelCase)];
    if (isRound(dowel)) return dowelCaseLabel(dowel) + "\" Round";
    return std::string(r->sizeClass) + " Elliptical";
}

std::optional<DowelPicture> dowelPicture(int index) {
    const DowelRow* r = row(index);
    if (r == nullptr) return std::nullopt;
    const DowelCase& dowel = kDowelCases[static_cast<std::size_t>(r->dowelCase)];
    return DowelPicture{isRound(dowel), r->pictureLeft, kPictureBase - dowel.drawnHeight,
                        dowel.drawnWidth, dowel.drawnHeight};
}

std::array<MarkerLine, 4> markerLines(float c) {
    return {{
        {c, kTipY, c - kHalfWidth, kBarbY},
        {c, kTipY, c + kHalfWidth, kBarbY},
        {c - kHalfWidth, kBarbY, c, kNotchY},
        {c + kHalfWidth, kBarbY, c, kNotchY},
    }};
}

std::optional<DowelMarker> dowelMarker(int index) {
    const std::optional<DowelPicture> picture = dowelPicture(index);
    if (!picture) {
        return std::nullopt;
    }
    const float centre =
        static_cast<float>(picture->left) + static_cast<float>(picture->width) / 2.0f;
    return DowelMarker{centre, markerLines(centre)};
}

std::optional<std::string> slabClassCaption(int index) {
    const DowelRow* r = row(index);
    return r ? std::optional(std::string(r->slabClass)) : std::nullopt;
}

}  // namespace tavrel::comparison
