#include "window/layout_pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <map>

namespace tavrel {

using comparison::cornerDistance;
using comparison::drawingSource;
using comparison::kLaneWidthInches;
using comparison::laneDistances;
using comparison::Picture;

namespace {

// ---- shared look -----------------------------------------------------------

const QColor kBackground(255, 255, 255);
const QColor kOutline(80, 80, 80);
const QColor kTopFaceFar(236, 236, 236);
const QColor kTopFaceNear(212, 212, 212);
const QColor kFrontFace(178, 178, 178);
const QColor kSideFace(150, 150, 150);
const QColor kDowelDark(96, 96, 96);
const QColor kDowelLight(222, 222, 222);
const QColor kDowelEnd(168, 168, 168);
const QColor kDimension(30, 30, 30);

QFont numberFont(int pixelSize) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QImage blankImage(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(kBackground);
    return image;
}

// Shading across a cylinder from one silhouette edge to the other.
QLinearGradient cylinderShading(QPointF from, QPointF to) {
    QLinearGradient gradient(from, to);
    gradient.setColorAt(0.0, kDowelDark);
    gradient.setColorAt(0.4, kDowelLight);
    gradient.setColorAt(1.0, kDowelDark);
    return gradient;
}

// ---- lane drawing ------------------------------------------------------------

// The lane spans these pixels on the joint face; the top face recedes towards
// the middle of the picture (one-point perspective seen from above the joint).
constexpr double kLaneLeft = 10.0;
constexpr double kLaneRight = 472.0;
constexpr double kLaneMiddle = (kLaneLeft + kLaneRight) / 2.0;
constexpr double kFarShrink = 0.94;
constexpr double kTopFaceFarY = 5.0;
constexpr double kJointTopY = 22.0;
constexpr double kJointBottomY = 34.0;
constexpr double kDowelAxisY = 28.0;
constexpr double kDowelNearY = 39.0;
constexpr double kDowelRadius = 3.2;
constexpr double kDimensionY = 46.0;
constexpr double kTickTop = 43.0;
constexpr double kTickBottom = 50.0;
constexpr double kLaneTextTop = 50.0;
constexpr int kLaneTextPixels = 12;

double laneX(double inches) {
    return kLaneLeft + (kLaneRight - kLaneLeft) * inches / kLaneWidthInches;
}

double farX(double x) {
    return kLaneMiddle + (x - kLaneMiddle) * kFarShrink;
}

void drawLaneSlab(QPainter& painter) {
    QLinearGradient top(0, kTopFaceFarY, 0, kJointTopY);
    top.setColorAt(0, kTopFaceFar);
    top.setColorAt(1, kTopFaceNear);
    painter.setPen(QPen(kOutline, 1));
    painter.setBrush(top);
    painter.drawPolygon(QPolygonF({{kLaneLeft, kJointTopY},
                                   {kLaneRight, kJointTopY},
                                   {farX(kLaneRight), kTopFaceFarY},
                                   {farX(kLaneLeft), kTopFaceFarY}}));
    painter.setBrush(kFrontFace);
    painter.drawRect(QRectF(QPointF(kLaneLeft, kJointTopY), QPointF(kLaneRight, kJointBottomY)));
}

// A dowel pointing out of the joint face towards the viewer: a short cylinder
// seen slightly from above, its near end a circle below its root.
void drawLaneDowel(QPainter& painter, double x) {
    const double r = kDowelRadius;
    painter.setPen(Qt::NoPen);
    painter.setBrush(kDowelDark);
    painter.drawEllipse(QPointF(x, kDowelAxisY), r, r);
    painter.setBrush(cylinderShading({x - r, 0}, {x + r, 0}));
    painter.drawRect(QRectF(QPointF(x - r, kDowelAxisY), QPointF(x + r, kDowelNearY)));
    painter.setPen(QPen(kOutline, 1.0));
    painter.drawLine(QPointF(x - r, kDowelAxisY), QPointF(x - r, kDowelNearY));
    painter.drawLine(QPointF(x + r, kDowelAxisY), QPointF(x + r, kDowelNearY));
    painter.setBrush(kDowelEnd);
    painter.drawEllipse(QPointF(x, kDowelNearY), r, r);
}

void drawLaneDimensions(QPainter& painter, const std::vector<int>& distances) {
    std::vector<double> marks{laneX(0)};
    int inches = 0;
    for (int distance : distances) {
        inches += distance;
        marks.push_back(laneX(inches));
    }
    painter.setPen(QPen(kDimension, 1));
    painter.drawLine(QPointF(marks.front(), kDimensionY + 0.5),
                     QPointF(marks.back(), kDimensionY + 0.5));
    for (double mark : marks) {
        const double x = std::round(mark) + 0.5;
        painter.drawLine(QPointF(x, kTickTop), QPointF(x, kTickBottom));
    }
    painter.setFont(numberFont(kLaneTextPixels));
    for (std::size_t i = 0; i < distances.size(); ++i) {
        const QRectF space(QPointF(marks[i], kLaneTextTop),
                           QPointF(marks[i + 1], kLaneDrawingSize.height()));
        painter.drawText(space, Qt::AlignHCenter | Qt::AlignVCenter, QString::number(distances[i]));
    }
}

// ---- corner detail -------------------------------------------------------------

// Oblique view: the joint face in true shape, depth receding up and to the left
// so the slab's side face (the lane edge) shows on the left.
constexpr double kSideX = 34.0;
constexpr double kSlabEndX = 128.0;
constexpr double kFaceTopY = 34.0;
constexpr double kFaceBottomY = 56.0;
constexpr double kDepthDx = -20.0;
constexpr double kDepthDy = -20.0;
constexpr double kPixelsPerInch = 4.5;
constexpr double kCornerAxisY = 45.0;
constexpr double kCornerRadius = 4.5;
constexpr double kProtrusion = 9.0;  // along the receding direction, towards the viewer
constexpr double kExtensionTop = 59.0;
constexpr double kExtensionBottom = 70.0;
constexpr double kCornerDimensionY = 66.0;
constexpr int kCornerTextPixels = 13;

void drawCornerSlab(QPainter& painter) {
    painter.setPen(QPen(kOutline, 1));
    QLinearGradient top(0, kFaceTopY + kDepthDy, 0, kFaceTopY);
    top.setColorAt(0, kTopFaceFar);
    top.setColorAt(1, kTopFaceNear);
    painter.setBrush(top);
    painter.drawPolygon(QPolygonF({{kSideX, kFaceTopY},
                                   {kSlabEndX, kFaceTopY},
                                   {kSlabEndX + kDepthDx, kFaceTopY + kDepthDy},
                                   {kSideX + kDepthDx, kFaceTopY + kDepthDy}}));
    painter.setBrush(kSideFace);
    painter.drawPolygon(QPolygonF({{kSideX, kFaceTopY},
                                   {kSideX, kFaceBottomY},
                                   {kSideX + kDepthDx, kFaceBottomY + kDepthDy},
                                   {kSideX + kDepthDx, kFaceTopY + kDepthDy}}));
    painter.setBrush(kFrontFace);
    painter.drawRect(QRectF(QPointF(kSideX, kFaceTopY), QPointF(kSlabEndX, kFaceBottomY)));
}

void drawCornerDowel(QPainter& painter, double x) {
    const double r = kCornerRadius;
    const QPointF root(x, kCornerAxisY);
    const QPointF tip = root + QPointF(-kDepthDx, -kDepthDy) * (kProtrusion / -kDepthDx);
    // Silhouette edges run parallel to the axis, offset across it by the radius.
    const QPointF across = QPointF(-1.0, 1.0) * (r / std::sqrt(2.0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kDowelDark);
    painter.drawEllipse(root, r, r);
    painter.setBrush(cylinderShading(root + across, root - across));
    painter.drawPolygon(QPolygonF({root + across, tip + across, tip - across, root - across}));
    painter.setPen(QPen(kOutline, 1.0));
    painter.drawLine(root + across, tip + across);
    painter.drawLine(root - across, tip - across);
    painter.setBrush(kDowelEnd);
    painter.drawEllipse(tip, r, r);
}

void drawArrowHead(QPainter& painter, QPointF point, double direction) {
    painter.drawPolygon(QPolygonF(
        {point, point + QPointF(4.0 * direction, -2.2), point + QPointF(4.0 * direction, 2.2)}));
}

void drawCornerDimension(QPainter& painter, double dowelX, int inches) {
    painter.setPen(QPen(kDimension, 1));
    painter.setBrush(kDimension);
    const double left = kSideX + 0.5;
    const double right = std::round(dowelX) + 0.5;
    painter.drawLine(QPointF(left, kExtensionTop), QPointF(left, kExtensionBottom));
    // The dowel's axis, carried down from its root past the near end.
    painter.setPen(QPen(kDimension, 1, Qt::DashLine));
    painter.drawLine(QPointF(right, kCornerAxisY + kCornerRadius + 1),
                     QPointF(right, kExtensionBottom));
    painter.setPen(QPen(kDimension, 1));
    painter.drawLine(QPointF(left, kCornerDimensionY + 0.5),
                     QPointF(right, kCornerDimensionY + 0.5));
    drawArrowHead(painter, {left, kCornerDimensionY + 0.5}, 1.0);
    drawArrowHead(painter, {right, kCornerDimensionY + 0.5}, -1.0);
    painter.setFont(numberFont(kCornerTextPixels));
    const double middle = (left + right) / 2.0;
    painter.drawText(QRectF(QPointF(middle - 30, kCornerDimensionY + 2),
                            QPointF(middle + 30, kCornerDrawingSize.height())),
                     Qt::AlignHCenter | Qt::AlignVCenter,
                     QString::number(inches) + QLatin1Char('"'));
}

}  // namespace

std::vector<double> laneDowelCentres(const std::vector<int>& distances) {
    std::vector<double> centres;
    int inches = 0;
    for (std::size_t i = 0; i + 1 < distances.size(); ++i) {
        inches += distances[i];
        centres.push_back(laneX(inches));
    }
    return centres;
}

QImage drawLaneLayout(const std::vector<int>& distances) {
    QImage image = blankImage(kLaneDrawingSize);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    drawLaneSlab(painter);
    for (double x : laneDowelCentres(distances)) {
        drawLaneDowel(painter, x);
    }
    drawLaneDimensions(painter, distances);
    return image;
}

double cornerDowelCentre(int inches) {
    return kSideX + kPixelsPerInch * inches;
}

QImage drawCornerDetail(int inches) {
    QImage image = blankImage(kCornerDrawingSize);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    drawCornerSlab(painter);
    const double dowelX = cornerDowelCentre(inches);
    drawCornerDowel(painter, dowelX);
    drawCornerDimension(painter, dowelX, inches);
    return image;
}

const QImage& pictureImage(Picture picture) {
    static std::map<Picture, QImage> cache;
    const Picture source = drawingSource(picture);
    auto found = cache.find(source);
    if (found == cache.end()) {
        QImage image;
        if (const auto distances = laneDistances(source)) {
            image = drawLaneLayout(*distances);
        } else {
            image = drawCornerDetail(*cornerDistance(source));
        }
        found = cache.emplace(source, std::move(image)).first;
    }
    return found->second;
}

}  // namespace tavrel
