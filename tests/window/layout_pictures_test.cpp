#include "window/layout_pictures.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <cmath>
#include <cstdlib>
#include <memory>

#include "comparison/layout_drawing.h"
#include "window/spacing_layout.h"

namespace tavrel {
namespace {

using comparison::drawingSource;
using comparison::kAllPictures;
using comparison::laneDistances;
using comparison::Picture;
std::string pictureObjectName(comparison::Picture picture) {
    return spacing_layout::kPictureNames[static_cast<int>(picture)];
}

class LayoutDrawing : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (QGuiApplication::instance() == nullptr) {
            static int argc = 1;
            static char name[] = "layout_pictures_test";
            static char* argv[] = {name, nullptr};
            static QGuiApplication application(argc, argv);
        }
    }
};

bool isDark(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 110;
}

// Centres of the runs of non-white pixels along one row.
std::vector<double> runCentres(const QImage& image, int y) {
    std::vector<double> centres;
    int start = -1;
    for (int x = 0; x <= image.width(); ++x) {
        const bool marked = x < image.width() && qGray(image.pixel(x, y)) < 240;
        if (marked && start < 0) {
            start = x;
        } else if (!marked && start >= 0) {
            centres.push_back((start + x - 1) / 2.0);
            start = -1;
        }
    }
    return centres;
}

TEST_F(LayoutDrawing, EveryPictureHasItsSize) {
    for (Picture picture : kAllPictures) {
        const QSize expected = laneDistances(picture) ? QSize(482, 70) : QSize(134, 90);
        EXPECT_EQ(pictureImage(picture).size(), expected) << pictureObjectName(picture);
    }
}

TEST_F(LayoutDrawing, SameDrawingIsTheSameImage) {
    EXPECT_EQ(&pictureImage(Picture::Baseline), &pictureImage(Picture::Baseline2));
    EXPECT_EQ(&pictureImage(Picture::Corner06), &pictureImage(Picture::Corner06a));
    EXPECT_EQ(&pictureImage(Picture::AltC), &pictureImage(Picture::AltC));
    // Distinct layouts give distinct drawings.
    for (std::size_t i = 0; i < kAllPictures.size(); ++i) {
        for (std::size_t j = i + 1; j < kAllPictures.size(); ++j) {
            if (drawingSource(kAllPictures[i]) != drawingSource(kAllPictures[j])) {
                EXPECT_NE(pictureImage(kAllPictures[i]), pictureImage(kAllPictures[j]))
                    << i << " " << j;
            }
        }
    }
}

TEST_F(LayoutDrawing, LaneDrawingShowsEachDowelWhereItsFigurePutsIt) {
    for (Picture picture : kAllPictures) {
        if (!laneDistances(picture)) {
            continue;
        }
        SCOPED_TRACE(pictureObjectName(picture));
        const QImage& image = pictureImage(picture);
        const std::vector<comparison::FigurePoint> expected =
            comparison::layoutFigure(picture).dowelAxes;
        const std::vector<double> found = runCentres(image, kLaneDowelProbeRow);
        ASSERT_EQ(found.size(), expected.size());
        for (std::size_t i = 0; i < found.size(); ++i) {
            EXPECT_NEAR(found[i], expected[i].x, 1.5) << "dowel " << i;
            // A cylinder has dark silhouette lines, unlike the plain background.
            const int centre = static_cast<int>(std::lround(expected[i].x));
            bool dark = false;
            for (int x = centre - 4; x <= centre + 4; ++x) {
                dark = dark || isDark(image, x, kLaneDowelProbeRow);
            }
            EXPECT_TRUE(dark) << "dowel " << i;
        }
    }
}

TEST_F(LayoutDrawing, LabelsArePaintedInTheirBoxes) {
    for (Picture picture : {Picture::Ctr06, Picture::Corner06, Picture::Corner12}) {
        const comparison::LayoutFigure figure = comparison::layoutFigure(picture);
        const QImage& image = pictureImage(picture);
        int labels = 0;
        for (const comparison::FigureMark& mark : figure.marks) {
            if (mark.kind != comparison::FigureMark::Kind::Label) continue;
            ++labels;
            const int middle = static_cast<int>((mark.points[0].x + mark.points[1].x) / 2);
            int dark = 0;
            for (int y = static_cast<int>(mark.points[0].y); y < image.height(); ++y) {
                for (int x = middle - 6; x <= middle + 6; ++x) {
                    dark += isDark(image, x, y) ? 1 : 0;
                }
            }
            EXPECT_GE(dark, 10) << pictureObjectName(picture) << " " << mark.text;
        }
        EXPECT_GT(labels, 0);
    }
}

TEST_F(LayoutDrawing, CornerDimensionEndsAtTheDowel) {
    const Picture corners[] = {Picture::Corner06, Picture::Corner08, Picture::Corner10,
                               Picture::Corner12};
    for (Picture picture : corners) {
        const QImage& image = pictureImage(picture);
        for (Picture other : corners) {
            const double axis = comparison::layoutFigure(other).dowelAxes.at(0).x;
            const int column = static_cast<int>(std::floor(axis));
            int dark = 0;
            for (int y = 59; y < 66; ++y) {
                dark += isDark(image, column, y) ? 1 : 0;
            }
            if (other == picture) {
                EXPECT_GE(dark, 3) << pictureObjectName(picture) << ": no extension line";
            } else {
                EXPECT_EQ(dark, 0) << pictureObjectName(picture) << ": line under "
                                   << pictureObjectName(other) << "'s dowel";
            }
        }
    }
}

}  // namespace
}  // namespace tavrel
