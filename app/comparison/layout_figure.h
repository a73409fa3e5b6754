// The layout drawings of the "Dowel Spacing" page described once, as marks in
// one coordinate system: the slab outline, the dowels, the dimension lines and
// their labels. The window paints a figure with one unit to a screen pixel, the
// web page writes it as SVG at any size; neither decides what a drawing shows.
#ifndef TAVREL_COMPARISON_LAYOUT_FIGURE_H
#define TAVREL_COMPARISON_LAYOUT_FIGURE_H

#include <string>
#include <vector>

#include "comparison/comparison_scenario.h"

namespace tavrel::comparison {

// Figure units, origin at the top left, y downwards.
struct FigurePoint {
    double x;
    double y;
};

struct FigureColour {
    int red, green, blue;
    bool operator==(const FigureColour&) const = default;
};

struct ColourStop {
    double at;  // 0 at the gradient's start point, 1 at its end point
    FigureColour colour;
};

// What fills a closed mark: nothing, one colour, or a linear gradient.
struct FigureFill {
    enum class Kind { None, Plain, Gradient };
    Kind kind = Kind::None;
    FigureColour colour{};
    FigurePoint from{};  // gradient start and end, in figure units
    FigurePoint to{};
    std::vector<ColourStop> stops;
};

// The outline of a closed mark, a line, or the colour of a label.
struct FigureStroke {
    bool drawn = false;
    FigureColour colour{};
    double width = 1.0;
    bool dashed = false;  // dashes four widths long, gaps two widths long
};

struct FigureMark {
    enum class Kind {
        Polygon,    // points: the corners
        Rectangle,  // points: top left and bottom right corners
        Ellipse,    // points: the centre; radiusX, radiusY
        Line,       // points: the two ends
        Label,      // text centred in the box points[0] (top left) to points[1]
    };
    Kind kind;
    std::vector<FigurePoint> points;
    double radiusX = 0;
    double radiusY = 0;
    FigureStroke stroke;
    FigureFill fill;
    std::string text;     // a label's text, bold sans serif
    double textSize = 0;  // a label's em height in figure units
    int dowel = -1;       // the dowel (left to right) the mark draws, -1 for none
};

struct LayoutFigure {
    double width;  // the figure spans 0..width and 0..height
    double height;
    std::vector<FigureMark> marks;  // painted in this order, later ones on top
    // Each dowel's axis where it leaves the joint face, left to right.
    std::vector<FigurePoint> dowelAxes;
    // The joint face's ends: a lane figure's slab edges at 0 and the lane
    // width; a corner figure's side face and the slab's far end.
    double faceLeft;
    double faceRight;
};

// The figure of a picture; pictures that show the same drawing give equal figures.
LayoutFigure layoutFigure(Picture picture);

}  // namespace tavrel::comparison

#endif  // TAVREL_COMPARISON_LAYOUT_FIGURE_H
