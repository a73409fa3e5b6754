#include "comparison/layout_figure.h"

#include <cmath>
#include <string>

#include "comparison/layout_drawing.h"

namespace tavrel::comparison {

namespace {

// ---- shared look ---------------------------------------------------------------

constexpr FigureColour kOutline{80, 80, 80};
constexpr FigureColour kTopFaceFar{236, 236, 236};
constexpr FigureColour kTopFaceNear{212, 212, 212};
constexpr FigureColour kFrontFace{178, 178, 178};
constexpr FigureColour kSideFace{150, 150, 150};
constexpr FigureColour kDowelDark{96, 96, 96};
constexpr FigureColour kDowelLight{222, 222, 222};
constexpr FigureColour kDowelEnd{168, 168, 168};
constexpr FigureColour kDimension{30, 30, 30};

FigureStroke stroke(FigureColour colour, bool dashed = false) {
    return {true, colour, 1.0, dashed};
}

FigureFill plain(FigureColour colour) {
    return {FigureFill::Kind::Plain, colour, {}, {}, {}};
}

// The lit face of a slab top, lighter where it lies further away.
FigureFill topFaceShading(double farY, double nearY) {
    return {FigureFill::Kind::Gradient,
            {},
            {0, farY},
            {0, nearY},
            {{0, kTopFaceFar}, {1, kTopFaceNear}}};
}

// Shading across a cylinder from one silhouette edge to the other.
FigureFill cylinderShading(FigurePoint from, FigurePoint to) {
    return {FigureFill::Kind::Gradient,
            {},
            from,
            to,
            {{0.0, kDowelDark}, {0.4, kDowelLight}, {1.0, kDowelDark}}};
}

FigureMark polygon(std::vector<FigurePoint> corners, FigureStroke outline, FigureFill fill) {
    return {FigureMark::Kind::Polygon, std::move(corners), 0, 0, outline, std::move(fill), {}, 0};
}

FigureMark rectangle(FigurePoint topLeft, FigurePoint bottomRight, FigureStroke outline,
                     FigureFill fill) {
    return {
        FigureMark::Kind::Rectangle, {topLeft, bottomRight}, 0, 0, outline, std::move(fill), {}, 0};
}

FigureMark ellipse(FigurePoint centre, double radius, FigureStroke outline, FigureFill fill) {
    return {FigureMark::Kind::Ellipse, {centre}, radius, radius, outline, std::move(fill), {}, 0};
}

FigureMark line(FigurePoint from, FigurePoint to, FigureStroke pen) {
    return {FigureMark::Kind::Line, {from, to}, 0, 0, pen, {}, {}, 0};
}

FigureMark label(FigurePoint topLeft, FigurePoint bottomRight, std::string text, double size) {
    return {FigureMark::Kind::Label,
            {topLeft, bottomRight},
            0,
            0,
            stroke(kDimension),
            {},
            std::move(text),
            size};
}

// Lines one unit wide lie on the middle of a unit, so that they stay crisp
// where a unit is a pixel.
double crisp(double x) {
    return std::round(x) + 0.5;
}

// Tags the marks from `first` on as the drawing of the latest dowel.
void tagDowel(LayoutFigure& figure, std::size_t first) {
    const int dowel = static_cast<int>(figure.dowelAxes.size()) - 1;
    for (std::size_t i = first; i < figure.marks.size(); ++i) figure.marks[i].dowel = dowel;
}

// ---- lane figure ---------------------------------------------------------------

// The lane spans the joint face; the top face recedes towards the middle of
// the figure (one-point perspective seen from above the joint).
constexpr double kLaneFigureWidth = 482, kLaneFigureHeight = 70;
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
constexpr double kLaneTextSize = 12;

double laneX(double inches) {
    return kLaneLeft + (kLaneRight - kLaneLeft) * inches / kLaneWidthInches;
}

double farX(double x) {
    return kLaneMiddle + (x - kLaneMiddle) * kFarShrink;
}

void addLaneSlab(LayoutFigure& figure) {
    figure.marks.push_back(polygon({{kLaneLeft, kJointTopY},
                                    {kLaneRight, kJointTopY},
                                    {farX(kLaneRight), kTopFaceFarY},
                                    {farX(kLaneLeft), kTopFaceFarY}},
                                   stroke(kOutline), topFaceShading(kTopFaceFarY, kJointTopY)));
    figure.marks.push_back(rectangle({kLaneLeft, kJointTopY}, {kLaneRight, kJointBottomY},
                                     stroke(kOutline), plain(kFrontFace)));
}

// A dowel pointing out of the joint face towards the viewer: a short cylinder
// seen slightly from above, its near end a circle below its root.
void addLaneDowel(LayoutFigure& figure, double x) {
    const double r = kDowelRadius;
    figure.dowelAxes.push_back({x, kDowelAxisY});
    const std::size_t first = figure.marks.size();
    std::vector<FigureMark>& marks = figure.marks;
    marks.push_back(ellipse({x, kDowelAxisY}, r, {}, plain(kDowelDark)));
    marks.push_back(rectangle({x - r, kDowelAxisY}, {x + r, kDowelNearY}, {},
                              cylinderShading({x - r, 0}, {x + r, 0})));
    marks.push_back(line({x - r, kDowelAxisY}, {x - r, kDowelNearY}, stroke(kOutline)));
    marks.push_back(line({x + r, kDowelAxisY}, {x + r, kDowelNearY}, stroke(kOutline)));
    marks.push_back(ellipse({x, kDowelNearY}, r, stroke(kOutline), plain(kDowelEnd)));
    tagDowel(figure, first);
}

void addLaneDimensions(LayoutFigure& figure, const std::vector<int>& distances) {
    std::vector<double> marks{laneX(0)};
    int inches = 0;
    for (int distance : distances) {
        inches += distance;
        marks.push_back(laneX(inches));
    }
    const FigureStroke pen = stroke(kDimension);
    figure.marks.push_back(
        line({marks.front(), kDimensionY + 0.5}, {marks.back(), kDimensionY + 0.5}, pen));
    for (double mark : marks) {
        figure.marks.push_back(line({crisp(mark), kTickTop}, {crisp(mark), kTickBottom}, pen));
    }
    for (std::size_t i = 0; i < distances.size(); ++i) {
        figure.marks.push_back(label({marks[i], kLaneTextTop}, {marks[i + 1], kLaneFigureHeight},
                                     std::to_string(distances[i]), kLaneTextSize));
    }
}

LayoutFigure laneFigure(const std::vector<int>& distances) {
    LayoutFigure figure{kLaneFigureWidth, kLaneFigureHeight, {}, {}, kLaneLeft, kLaneRight};
    addLaneSlab(figure);
    int inches = 0;
    for (std::size_t i = 0; i + 1 < distances.size(); ++i) {
        inches += distances[i];
        addLaneDowel(figure, laneX(inches));
    }
    addLaneDimensions(figure, distances);
    return figure;
}

// ---- corner figure -------------------------------------------------------------

// Oblique view: the joint face in true shape, depth receding up and to the left
// so the slab's side face (the lane edge) shows on the left.
constexpr double kCornerFigureWidth = 134, kCornerFigureHeight = 90;
constexpr double kSideX = 34.0;
constexpr double kSlabEndX = 128.0;
constexpr double kFaceTopY = 34.0;
constexpr double kFaceBottomY = 56.0;
constexpr double kDepthDx = -20.0;
constexpr double kDepthDy = -20.0;
constexpr double kUnitsPerInch = 4.5;
constexpr double kCornerAxisY = 45.0;
constexpr double kCornerRadius = 4.5;
constexpr double kProtrusion = 9.0;  // along the receding direction, towards the viewer
constexpr double kExtensionTop = 59.0;
constexpr double kExtensionBottom = 70.0;
constexpr double kCornerDimensionY = 66.0;
constexpr double kCornerTextSize = 13;
constexpr double kArrowLength = 4.0, kArrowHalfWidth = 2.2;

FigurePoint offset(FigurePoint p, FigurePoint by, double scale = 1.0) {
    return {p.x + by.x * scale, p.y + by.y * scale};
}

void addCornerSlab(LayoutFigure& figure) {
    const FigurePoint depth{kDepthDx, kDepthDy};
    const FigurePoint sideTop{kSideX, kFaceTopY}, sideBottom{kSideX, kFaceBottomY};
    const FigurePoint endTop{kSlabEndX, kFaceTopY};
    figure.marks.push_back(polygon({sideTop, endTop, offset(endTop, depth), offset(sideTop, depth)},
                                   stroke(kOutline),
                                   topFaceShading(kFaceTopY + kDepthDy, kFaceTopY)));
    figure.marks.push_back(
        polygon({sideTop, sideBottom, offset(sideBottom, depth), offset(sideTop, depth)},
                stroke(kOutline), plain(kSideFace)));
    figure.marks.push_back(
        rectangle(sideTop, {kSlabEndX, kFaceBottomY}, stroke(kOutline), plain(kFrontFace)));
}

void addCornerDowel(LayoutFigure& figure, double x) {
    const double r = kCornerRadius;
    const FigurePoint root{x, kCornerAxisY};
    const FigurePoint tip = offset(root, {-kDepthDx, -kDepthDy}, kProtrusion / -kDepthDx);
    // Silhouette edges run parallel to the axis, offset across it by the radius.
    const FigurePoint across{-r / std::sqrt(2.0), r / std::sqrt(2.0)};
    const FigurePoint rootA = offset(root, across), rootB = offset(root, across, -1);
    const FigurePoint tipA = offset(tip, across), tipB = offset(tip, across, -1);
    figure.dowelAxes.push_back(root);
    const std::size_t first = figure.marks.size();
    std::vector<FigureMark>& marks = figure.marks;
    marks.push_back(ellipse(root, r, {}, plain(kDowelDark)));
    marks.push_back(polygon({rootA, tipA, tipB, rootB}, {}, cylinderShading(rootA, rootB)));
    marks.push_back(line(rootA, tipA, stroke(kOutline)));
    marks.push_back(line(rootB, tipB, stroke(kOutline)));
    marks.push_back(ellipse(tip, r, stroke(kOutline), plain(kDowelEnd)));
    tagDowel(figure, first);
}

FigureMark arrowHead(FigurePoint point, double direction) {
    return polygon({point, offset(point, {kArrowLength * direction, -kArrowHalfWidth}),
                    offset(point, {kArrowLength * direction, kArrowHalfWidth})},
                   stroke(kDimension), plain(kDimension));
}

void addCornerDimension(LayoutFigure& figure, double dowelX, int inches) {
    const double left = kSideX + 0.5;
    const double right = crisp(dowelX);
    const double y = kCornerDimensionY + 0.5;
    figure.marks.push_back(
        line({left, kExtensionTop}, {left, kExtensionBottom}, stroke(kDimension)));
    // The dowel's axis, carried down from its root past the near end.
    figure.marks.push_back(line({right, kCornerAxisY + kCornerRadius + 1},
                                {right, kExtensionBottom}, stroke(kDimension, true)));
    figure.marks.push_back(line({left, y}, {right, y}, stroke(kDimension)));
    figure.marks.push_back(arrowHead({left, y}, 1.0));
    figure.marks.push_back(arrowHead({right, y}, -1.0));
    const double middle = (left + right) / 2.0;
    figure.marks.push_back(label({middle - 30, kCornerDimensionY + 2},
                                 {middle + 30, kCornerFigureHeight}, std::to_string(inches) + '"',
                                 kCornerTextSize));
}

LayoutFigure cornerFigure(int inches) {
    LayoutFigure figure{kCornerFigureWidth, kCornerFigureHeight, {}, {}, kSideX, kSlabEndX};
    addCornerSlab(figure);
    const double dowelX = kSideX + kUnitsPerInch * inches;
    addCornerDowel(figure, dowelX);
    addCornerDimension(figure, dowelX, inches);
    return figure;
}

}  // namespace

LayoutFigure layoutFigure(Picture picture) {
    const Picture source = drawingSource(picture);
    if (const std::optional<std::vector<int>> distances = laneDistances(source)) {
        return laneFigure(*distances);
    }
    return cornerFigure(cornerDistance(source).value_or(0));
}

}  // namespace tavrel::comparison
