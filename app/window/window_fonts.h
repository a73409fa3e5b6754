// The window's fonts. Its layout was measured in fonts that a Linux desktop
// lacks; each is mapped once to a metric match so captions fit their boxes.
#pragma once

#include <QFont>

namespace tavrel::fonts {

// The standard text font: "MS Sans Serif" 8.25 points.
QFont standard();
// What the layout calls bold without a size: "MS Sans Serif" bold 9.75 points.
QFont bold();
// A font of the layout by its family name, size and weight.
QFont of(const char* family, qreal points, bool bold = false, bool italic = false);

}  // namespace tavrel::fonts
