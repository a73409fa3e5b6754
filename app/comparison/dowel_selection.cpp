#include "comparison/dowel_selection.h"

#include <iterator>

namespace tavrel::comparison {

namespace {

struct DowelRow {
    const char* item;
    DowelPictureSpan picture;
    const char* slabClass;
};

// Three round bars, then three elliptical ones of matching stiffness.
constexpr DowelRow kDowels[] = {
    {"1\" Round", {75, 495}, "Thin Slab (~7\")"},
    {"1.25\" Round", {675, 630}, "Avg. Slab (~9\")"},
    {"1.5\" Round", {1455, 750}, "Thick Slab (~14\")"},
    {"Small Elliptical", {2400, 705}, "Thin Slab (~7\")"},
    {"Medium Elliptical", {3240, 825}, "Avg. Slab (~9\")"},
    {"Large Elliptical", {4275, 990}, "Thick Slab (~14\")"},
};

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

std::optional<std::string> dowelItemCaption(int index) {
    const DowelRow* r = row(index);
    return r ? std::optional(std::string(r->item)) : std::nullopt;
}

std::optional<DowelPictureSpan> dowelPictureSpan(int index) {
    const DowelRow* r = row(index);
    return r ? std::optional(r->picture) : std::nullopt;
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
    const DowelRow* r = row(index);
    if (r == nullptr) {
        return std::nullopt;
    }
    const float centre =
        static_cast<float>(r->picture.left) + static_cast<float>(r->picture.width) / 2.0f;
    return DowelMarker{centre, markerLines(centre)};
}

std::optional<std::string> slabClassCaption(int index) {
    const DowelRow* r = row(index);
    return r ? std::optional(std::string(r->slabClass)) : std::nullopt;
}

}  // namespace tavrel::comparison
