// The report's one typeface, a metric twin of Arial that every machine with
// the program has, so that pages look alike wherever they are made.
#pragma once

#include <QFont>

namespace tavrel::report::fonts {

inline QFont text(qreal points, bool bold = false) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

}  // namespace tavrel::report::fonts
