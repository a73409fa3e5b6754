// The dowel selection list of the "Dowel Spacing" page: its items, the arrow
// marker that points up at the chosen dowel picture, and the slab class the dowel
// suits. Positions are twips inside the "Dowel Selection" frame.
#ifndef TAVREL_COMPARISON_DOWEL_SELECTION_H
#define TAVREL_COMPARISON_DOWEL_SELECTION_H

#include <array>
#include <optional>
#include <string>

namespace tavrel::comparison {

// Marker centre drawn by the layout before the first selection moves it.
inline constexpr float kInitialMarkerCentre = 300.0f;

// The sizing table's bar (an index of kDowelCases) behind item index of cboDia;
// nothing outside 0..5.
std::optional<int> dowelCaseOfItem(int index);

// Item caption of cboDia index, e.g. "1.25\" Round"; nothing outside 0..5.
std::optional<std::string> dowelItemCaption(int index);

// The dowel picture shpDowelPic(index): the bar's cross-section as drawn, every
// picture standing on the same base line.
struct DowelPicture {
    bool round;
    int left;
    int top;
    int width;
    int height;
};

std::optional<DowelPicture> dowelPicture(int index);

// One line of the arrow head linDowelPic(i); x may end in .5.
struct MarkerLine {
    float x1;
    float y1;
    float x2;
    float y2;
};

// The arrow head centred at c. Only the x coordinates depend on c.
std::array<MarkerLine, 4> markerLines(float centre);

struct DowelMarker {
    float centre;  // left + width / 2 of the picture, in single precision
    std::array<MarkerLine, 4> lines;
};

// Marker under the picture of index; nothing outside 0..5.
std::optional<DowelMarker> dowelMarker(int index);

// lblThixComment text for index: "Thin Slab (~7\")", "Avg. Slab (~9\")" or
// "Thick Slab (~14\")"; nothing (keep the caption) outside 0..5.
std::optional<std::string> slabClassCaption(int index);

}  // namespace tavrel::comparison

#endif  // TAVREL_COMPARISON_DOWEL_SELECTION_H
