#include "window/layout_pictures.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <cmath>
#include <cstdlib>
#include <memory>

namespace tavrel {
namespace {

using comparison::drawingSource;
using comparison::kAllPictures;
using comparison::laneDistances;
using comparison::Picture;
using comparison::pictureObjectName;

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

TEST_F(LayoutDrawing, LaneDrawingShowsEachDowelWhereItBelongs) {
    for (Picture picture : kAllPictures) {
        const std::optional<std::vector<int>> distances = laneDistances(picture);
        if (!distances) {
            continue;
        }
        SCOPED_TRACE(pictureObjectName(picture));
        const QImage& image = pictureImage(picture);
        const std::vector<double> expected = laneDowelCentres(*distances);
        const std::vector<double> found = runCentres(image, kLaneDowelProbeRow);
        ASSERT_EQ(found.size(), expected.size());
        for (std::size_t i = 0; i < found.size(); ++i) {
            EXPECT_NEAR(found[i], expected[i], 1.5) << "dowel " << i;
            // A cylinder has dark silhouette lines, unlike the plain background.
            const int centre = static_cast<int>(std::lround(expected[i]));
            bool dark = false;
            for (int x = centre - 4; x <= centre + 4; ++x) {
                dark = dark || isDark(image, x, kLaneDowelProbeRow);
            }
            EXPECT_TRUE(dark) << "dowel " << i;
        }
    }
}

TEST_F(LayoutDrawing, LaneDrawingWritesADistanceUnderEverySpace) {
    const std::vector<int> distances = *laneDistances(Picture::Ctr06);
    const QImage image = drawLaneLayout(distances);
    std::vector<double> marks{laneDowelCentres({0, 144}).front()};  // left slab edge
    for (double centre : laneDowelCentres(distances)) {
        marks.push_back(centre);
    }
    marks.push_back(laneDowelCentres({144, 0}).front());  // right slab edge
    for (std::size_t i = 0; i + 1 < marks.size(); ++i) {
        const int middle = static_cast<int>(std::lround((marks[i] + marks[i + 1]) / 2));
        int dark = 0;
        for (int y = 52; y < image.height(); ++y) {
            for (int x = middle - 6; x <= middle + 6; ++x) {
                dark += isDark(image, x, y) ? 1 : 0;
            }
        }
        EXPECT_GE(dark, 10) << "space " << i;
    }
}

TEST_F(LayoutDrawing, CornerDimensionEndsAtTheDowel) {
    for (int inches : {6, 8, 10, 12}) {
        const QImage image = drawCornerDetail(inches);
        ASSERT_EQ(image.size(), QSize(134, 90));
        for (int other : {6, 8, 10, 12}) {
            const int column = static_cast<int>(std::floor(cornerDowelCentre(other)));
            int dark = 0;
            for (int y = 59; y < 66; ++y) {
                dark += isDark(image, column, y) ? 1 : 0;
            }
            if (other == inches) {
                EXPECT_GE(dark, 3) << inches << " in.: no extension line at the dowel";
            } else {
                EXPECT_EQ(dark, 0) << inches << " in.: line under the " << other << " in. place";
            }
        }
        // The label sits under the dimension line, centred between side face and dowel.
        const int middle = static_cast<int>((34 + cornerDowelCentre(inches)) / 2);
        int dark = 0;
        for (int y = 70; y < 90; ++y) {
            for (int x = middle - 8; x <= middle + 8; ++x) {
                dark += isDark(image, x, y) ? 1 : 0;
            }
        }
        EXPECT_GE(dark, 15) << inches;
    }
}

}  // namespace
}  // namespace tavrel
