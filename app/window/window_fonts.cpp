#include "window/window_fonts.h"

#include <cstring>

namespace tavrel::fonts {

namespace {

// Liberation Sans has Arial's metrics, and MS Sans Serif's at these sizes.
const char* installedFamily(const char* family) {
    if (std::strcmp(family, "MS Sans Serif") == 0 || std::strcmp(family, "Arial") == 0) {
        return "Liberation Sans";
    }
    return family;
}

}  // namespace

QFont of(const char* family, qreal points, bool bold, bool italic) {
    QFont font(QString::fromLatin1(installedFamily(family)));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QFont standard() {
    return of("MS Sans Serif", 8.25);
}

QFont bold() {
    return of("MS Sans Serif", 9.75, true);
}

}  // namespace tavrel::fonts
