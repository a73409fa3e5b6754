// Colours the window's pages share.
#pragma once

#include <QColor>

#include "analysis/results_table.h"

namespace tavrel::colours {

inline QColor fromRgb(Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

inline const QColor kCaptionBlue = fromRgb(kCaptionColour);  // input captions, frame titles
inline const QColor kRoundDowel = fromRgb(kRoundDowelColour);
inline const QColor kEllipticalDowel = fromRgb(kEllipticalDowelColour);

}  // namespace tavrel::colours
