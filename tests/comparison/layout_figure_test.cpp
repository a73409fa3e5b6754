#include "comparison/layout_figure.h"

#include <gtest/gtest.h>

#include "comparison/layout_drawing.h"

namespace tavrel::comparison {
namespace {

std::vector<std::string> labels(const LayoutFigure& figure) {
    std::vector<std::string> texts;
    for (const FigureMark& mark : figure.marks)
        if (mark.kind == FigureMark::Kind::Label) texts.push_back(mark.text);
    return texts;
}

void expectInsideTheFigure(const LayoutFigure& figure) {
    for (const FigureMark& mark : figure.marks) {
        for (const FigurePoint& p : mark.points) {
            EXPECT_GE(p.x - mark.radiusX, 0);
            EXPECT_LE(p.x + mark.radiusX, figure.width);
            EXPECT_GE(p.y - mark.radiusY, 0);
            EXPECT_LE(p.y + mark.radiusY, figure.height);
        }
    }
}

TEST(LayoutFigure, LaneDowelsStandAtTheirDistancesAcrossTheJointFace) {
    for (Picture picture : kAllPictures) {
        const std::optional<std::vector<int>> distances = laneDistances(picture);
        if (!distances) continue;
        SCOPED_TRACE(static_cast<int>(picture));
        const LayoutFigure figure = layoutFigure(picture);
        ASSERT_EQ(figure.dowelAxes.size(), distances->size() - 1);
        int inches = 0;
        for (std::size_t i = 0; i < figure.dowelAxes.size(); ++i) {
            inches += (*distances)[i];
            const double across = (figure.dowelAxes[i].x - figure.faceLeft) /
                                  (figure.faceRight - figure.faceLeft) * kLaneWidthInches;
            EXPECT_NEAR(across, inches, 1e-9) << "dowel " << i;
        }
        std::vector<std::string> expected;
        for (int d : *distances) expected.push_back(std::to_string(d));
        EXPECT_EQ(labels(figure), expected);
        // Every dowel is drawn, and only dowels are tagged.
        std::vector<int> marksPerDowel(figure.dowelAxes.size());
        for (const FigureMark& mark : figure.marks) {
            if (mark.dowel < 0) continue;
            ASSERT_LT(mark.dowel, static_cast<int>(marksPerDowel.size()));
            ++marksPerDowel[static_cast<std::size_t>(mark.dowel)];
        }
        for (int count : marksPerDowel) EXPECT_GT(count, 0);
        expectInsideTheFigure(figure);
    }
}

TEST(LayoutFigure, CornerDowelStandsItsDistanceFromTheSideFace) {
    const LayoutFigure six = layoutFigure(Picture::Corner06);
    const double perInch = (six.dowelAxes.at(0).x - six.faceLeft) / 6;
    for (Picture picture :
         {Picture::Corner06a, Picture::Corner08, Picture::Corner10, Picture::Corner12}) {
        SCOPED_TRACE(static_cast<int>(picture));
        const int inches = *cornerDistance(picture);
        const LayoutFigure figure = layoutFigure(picture);
        ASSERT_EQ(figure.dowelAxes.size(), 1u);
        EXPECT_NEAR(figure.dowelAxes[0].x - figure.faceLeft, perInch * inches, 1e-9);
        EXPECT_EQ(labels(figure), std::vector<std::string>{std::to_string(inches) + "\""});
        expectInsideTheFigure(figure);
    }
}

TEST(LayoutFigure, PicturesOfOneDrawingHaveOneFigure) {
    EXPECT_EQ(labels(layoutFigure(Picture::Baseline2)), labels(layoutFigure(Picture::Baseline)));
    EXPECT_EQ(layoutFigure(Picture::Corner06a).dowelAxes[0].x,
              layoutFigure(Picture::Corner06).dowelAxes[0].x);
}

}  // namespace
}  // namespace tavrel::comparison
