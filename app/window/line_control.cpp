#include "window/line_control.h"

#include <QPainter>
#include <cmath>

#include "window/twips.h"

namespace tavrel {

LineControl::LineControl(double x1, double y1, double x2, double y2, int widthPixels, QColor colour,
                         QWidget* parent)
    : QWidget(parent), x1_(x1), y1_(y1), x2_(x2), y2_(y2), width_(widthPixels), colour_(colour) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    place();
}

void LineControl::setX1(double twips) {
    x1_ = twips;
    place();
}

void LineControl::setX2(double twips) {
    x2_ = twips;
    place();
}

void LineControl::setCapStyle(Qt::PenCapStyle cap) {
    cap_ = cap;
    update();
}

void LineControl::place() {
    const int margin = width_;  // room for the pen's width and round caps
    const QPointF a = twips::point(x1_, y1_);
    const QPointF b = twips::point(x2_, y2_);
    const int left = static_cast<int>(std::floor(qMin(a.x(), b.x()))) - margin;
    const int top = static_cast<int>(std::floor(qMin(a.y(), b.y()))) - margin;
    const int right = static_cast<int>(std::ceil(qMax(a.x(), b.x()))) + margin;
    const int bottom = static_cast<int>(std::ceil(qMax(a.y(), b.y()))) + margin;
    setGeometry(left, top, right - left, bottom - top);
    update();
}

void LineControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPointF origin = pos();
    painter.setRenderHint(QPainter::Antialiasing, x1_ != x2_ && y1_ != y2_);
    painter.setPen(QPen(colour_, width_, Qt::SolidLine, cap_));
    painter.drawLine(twips::point(x1_, y1_) - origin, twips::point(x2_, y2_) - origin);
}

}  // namespace tavrel
