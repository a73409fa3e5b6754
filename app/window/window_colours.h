// Colours the window's pages share.
#pragma once

#include <QColor>

namespace tavrel::colours {

inline const QColor kCaptionBlue(0, 0, 255);        // input captions, frame titles
inline const QColor kRoundDowel(0, 0, 255);         // round dowel cross-sections
inline const QColor kEllipticalDowel(255, 0, 255);  // elliptical dowel cross-sections

}  // namespace tavrel::colours
