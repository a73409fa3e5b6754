#include "window/about/emblems.h"

#include <gtest/gtest.h>

#include <QColor>

#include "test_application.h"

using namespace tavrel::about;
using namespace tavrel::links;

namespace {

// Share of the pixels in columns [fromX, image width) that are visibly painted.
double inkShare(const QImage& image, int fromX) {
    int painted = 0;
    int total = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = fromX; x < image.width(); ++x) {
            ++total;
            if (qAlpha(image.pixel(x, y)) > 128) ++painted;
        }
    }
    return total ? double(painted) / total : 0;
}

}  // namespace

TEST(Emblems, HaveTheirLayoutSizesAndCarryTextBesideTheMark) {
    ensureTestApplication();
    struct Row {
        const char* name;
        QImage image;
        QSize size;
    };
    const Row rows[] = {
        {"Image2", makerEmblem(), QSize(213, 46)},
        {"Image4", associationEmblem(), QSize(260, 43)},
        {"Image1", partnerEmblem(), QSize(250, 46)},
        {"Image3", tavrelLogo(), QSize(214, 36)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.image.size(), row.size);
        // The mark fills the left; the name must reach well into the right half.
        EXPECT_GT(inkShare(row.image, 0), 0.05);
        EXPECT_GT(inkShare(row.image, row.size.width() / 2), 0.03);
        EXPECT_LT(inkShare(row.image, 0), 0.6);  // text, not a filled block
    }
}
