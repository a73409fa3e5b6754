#include "window/about/about_page_texts.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSet>

#include "links/web_sites.h"

using namespace tavrel::about;
using namespace tavrel::links;

TEST(AssumptionCaptions, StandOnTheirOwnLinesInTheTwoColumns) {
    const auto& captions = assumptionCaptions();
    QSet<QPair<int, int>> places;
    for (int index = 0; index < kAssumptionCaptionCount; ++index) {
        const PlacedCaption& caption = captions[index];
        SCOPED_TRACE(index);
        EXPECT_FALSE(caption.text.isEmpty());
        places.insert({caption.left, caption.top});
        if (index == 0) continue;
        EXPECT_EQ((caption.top - 975) % 225, 0);
        EXPECT_GE(caption.top, 975);
        EXPECT_LE(caption.top, 3900);
        const bool category = index <= 7;
        EXPECT_EQ(caption.style, category ? CaptionStyle::Category : CaptionStyle::Value);
        EXPECT_EQ(caption.left, category ? kAssumptionCategoryLeft : kAssumptionValueLeft);
        EXPECT_EQ(caption.text.endsWith(u':'), category);
    }
    EXPECT_EQ(places.size(), kAssumptionCaptionCount);  // no two on the same spot
}

TEST(AssumptionCaptions, IndicesOutOfReadingOrderSitWhereTheyBelong) {
    const auto& captions = assumptionCaptions();
    struct Row {
        int index;
        int top;
        const char16_t* text;
    };
    for (const Row& row : {Row{0, 600, u"Dowel Spacing Analysis Assumptions"},
                           Row{16, 3000, u"Pressure: 100 psi (690 kPa)"},
                           Row{17, 2775, u"Load: 18 kips (80 kN) single axle"},
                           Row{21, 3450, u"Position: Outside tire adjacent to slab edge"},
                           Row{19, 3675, u"Modulus of Reaction: 200 psi/in. (5500 g/cm\u00B3)"}}) {
        EXPECT_EQ(captions[row.index].top, row.top) << row.index;
        EXPECT_EQ(captions[row.index].text, QString::fromUtf16(row.text)) << row.index;
    }
    EXPECT_EQ(captions[0].style, CaptionStyle::Heading);
}

TEST(Disclaimer, KeepsItsWordingAndNamesAllThreeOrganisations) {
    const QString text = disclaimerText();
    EXPECT_TRUE(text.startsWith(QStringLiteral(
        "DISCLAIMER: This software is intended for preliminary evaluation of the dowel bar "
        "selection process only.  It should not be used for design purposes.  ")));
    for (WebSite site : kWebSites) EXPECT_TRUE(text.contains(siteOwner(site)));
    EXPECT_TRUE(text.endsWith(
        QStringLiteral("cannot guarantee the accuracy of the calculations made herein.")));
    // Two blanks after every full stop that ends a sentence inside the text.
    EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("\\. (?! )"))));
}
