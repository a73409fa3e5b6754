#include "window/layout_pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <map>

#include "comparison/layout_drawing.h"

namespace tavrel {

using comparison::FigureColour;
using comparison::FigureFill;
using comparison::FigureMark;
using comparison::FigurePoint;
using comparison::FigureStroke;
using comparison::Picture;

namespace {

QColor colour(FigureColour c) {
    return QColor(c.red, c.green, c.blue);
}

QPointF point(FigurePoint p) {
    return {p.x, p.y};
}

QPen pen(const FigureStroke& stroke) {
    if (!stroke.drawn) return Qt::NoPen;
    return QPen(colour(stroke.colour), stroke.width, stroke.dashed ? Qt::DashLine : Qt::SolidLine);
}

QBrush brush(const FigureFill& fill) {
    switch (fill.kind) {
        case FigureFill::Kind::None:
            break;
        case FigureFill::Kind::Plain:
            return colour(fill.colour);
        case FigureFill::Kind::Gradient: {
            QLinearGradient gradient(point(fill.from), point(fill.to));
            for (const comparison::ColourStop& stop : fill.stops)
                gradient.setColorAt(stop.at, colour(stop.colour));
            return gradient;
        }
    }
    return Qt::NoBrush;
}

QFont labelFont(double size) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(static_cast<int>(size));
    font.setBold(true);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

void paintMark(QPainter& painter, const FigureMark& mark) {
    painter.setPen(pen(mark.stroke));
    painter.setBrush(brush(mark.fill));
    const std::vector<FigurePoint>& p = mark.points;
    switch (mark.kind) {
        case FigureMark::Kind::Polygon: {
            QPolygonF corners;
            for (const FigurePoint& corner : p) corners << point(corner);
            painter.drawPolygon(corners);
            break;
        }
        case FigureMark::Kind::Rectangle:
            painter.drawRect(QRectF(point(p[0]), point(p[1])));
            break;
        case FigureMark::Kind::Ellipse:
            painter.drawEllipse(point(p[0]), mark.radiusX, mark.radiusY);
            break;
        case FigureMark::Kind::Line:
            painter.drawLine(point(p[0]), point(p[1]));
            break;
        case FigureMark::Kind::Label:
            painter.setFont(labelFont(mark.textSize));
            painter.drawText(QRectF(point(p[0]), point(p[1])), Qt::AlignHCenter | Qt::AlignVCenter,
                             QString::fromStdString(mark.text));
            break;
    }
}

}  // namespace

QImage paintFigure(const comparison::LayoutFigure& figure) {
    QImage image(static_cast<int>(figure.width), static_cast<int>(figure.height),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const FigureMark& mark : figure.marks) paintMark(painter, mark);
    return image;
}

const QImage& pictureImage(Picture picture) {
    static std::map<Picture, QImage> cache;
    const Picture source = comparison::drawingSource(picture);
    auto found = cache.find(source);
    if (found == cache.end()) {
        found = cache.emplace(source, paintFigure(comparison::layoutFigure(source))).first;
    }
    return found->second;
}

}  // namespace tavrel
