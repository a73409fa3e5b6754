// The window is laid out in twips, 1/1440 inch; 15 twips make one
// device-independent pixel. Every conversion goes through here.
#pragma once

#include <QLineF>
#include <QPointF>
#include <QRect>
#include <QtGlobal>

namespace tavrel::twips {

constexpr int kPerPixel = 15;

inline int toPixels(double twips) {
    return qRound(twips / kPerPixel);
}
inline qreal toPixelsF(double twips) {
    return twips / kPerPixel;
}

inline QRect rect(double left, double top, double width, double height) {
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

inline QPointF point(double x, double y) {
    return QPointF(toPixelsF(x), toPixelsF(y));
}

inline double fromPixels(double pixels) {
    return pixels * kPerPixel;
}

}  // namespace tavrel::twips
