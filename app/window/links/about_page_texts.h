// The static texts of the "About Tavrel" page: the conditions behind the layout comparison
// (Label13) and the disclaimer (Label2).
#ifndef TAVREL_LINKS_ABOUT_PAGE_TEXTS_H
#define TAVREL_LINKS_ABOUT_PAGE_TEXTS_H

#include <QString>
#include <array>

namespace tavrel::links {

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

// Label13(0..21), indexed by the control index (not in reading order).
const std::array<PlacedCaption, kAssumptionCaptionCount>& assumptionCaptions();

// Label2's word-wrapped caption.
QString disclaimerText();

}  // namespace tavrel::links

#endif
