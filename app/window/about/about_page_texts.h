// The static texts of the "About Tavrel" page: the conditions behind the layout comparison
// (Label13) and the disclaimer (Label2).
#ifndef TAVREL_WINDOW_ABOUT_PAGE_TEXTS_H
#define TAVREL_WINDOW_ABOUT_PAGE_TEXTS_H

#include <QString>
#include <array>

namespace tavrel::about {

enum class CaptionStyle {
    Heading,   // bold, in the system highlight colour
    Category,  // italic
    Value,     // plain
};

struct PlacedCaption {
    int left;  // twips, on the tab page
    int top;   // twips
    CaptionStyle style;
    QString text;
};

inline constexpr int kAssumptionCaptionCount = 22;

// The two columns of the conditions, in twips on the tab page. The values stand
// where the layout puts them; the heading and the categories stand 150 twips
// (10 pixels) further left than the layout's 6075, so that the longest
// category ("Concrete properties:", about 100 pixels in italics) keeps a gap
// before its value instead of touching it.
inline constexpr int kAssumptionCategoryLeft = 5925;
inline constexpr int kAssumptionValueLeft = 7575;

// Label13(0..21), indexed by the control index (not in reading order).
const std::array<PlacedCaption, kAssumptionCaptionCount>& assumptionCaptions();

// Label2's word-wrapped caption.
QString disclaimerText();

}  // namespace tavrel::about

#endif
