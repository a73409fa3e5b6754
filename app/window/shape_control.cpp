#include "window/shape_control.h"

#include <QPainter>

namespace tavrel {

ShapeControl::ShapeControl(Kind kind, QColor fill, QWidget* parent)
    : QWidget(parent), kind_(kind), fill_(fill) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeControl::setBorder(QColor border, int widthPixels) {
    border_ = border;
    borderWidth_ = widthPixels;
    update();
}

void ShapeControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, kind_ != Rectangle);
    // The border lies inside the control's box, as the layout measures it.
    const qreal inset = borderWidth_ / 2.0;
    QRectF box = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    if (kind_ == Circle) {
        const qreal side = qMin(box.width(), box.height());
        box = QRectF(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
    }
    painter.setPen(borderWidth_ > 0 ? QPen(border_, borderWidth_) : QPen(Qt::NoPen));
    painter.setBrush(fill_.isValid() ? QBrush(fill_) : QBrush(Qt::NoBrush));
    if (kind_ == Rectangle) {
        painter.drawRect(box);
    } else {
        painter.drawEllipse(box);
    }
}

}  // namespace tavrel
