#include "about_page_texts.h"

#include "analysis/disclaimer.h"
#include "web_sites.h"

namespace tavrel::links {

namespace {

constexpr int kCategoryLeft = kAssumptionCategoryLeft;
constexpr int kValueLeft = kAssumptionValueLeft;

PlacedCaption category(int top, const char16_t* text) {
    return {kCategoryLeft, top, CaptionStyle::Category, QString::fromUtf16(text)};
}

PlacedCaption value(int top, const char16_t* text) {
    return {kValueLeft, top, CaptionStyle::Value, QString::fromUtf16(text)};
}

}  // namespace

const std::array<PlacedCaption, kAssumptionCaptionCount>& assumptionCaptions() {
    // The control indices do not follow the lines: load (17) stands above pressure (16), and
    // the tire position (21) was added last.
    static const std::array<PlacedCaption, kAssumptionCaptionCount> captions = {
        PlacedCaption{kCategoryLeft, 600, CaptionStyle::Heading,
                      QStringLiteral("Dowel Spacing Analysis Assumptions")},
        category(975, u"Concrete properties:"),
        category(1425, u"Dowel properties:"),
        category(1875, u"Slab dimensions:"),
        category(2325, u"Joint:"),
        category(2775, u"Loading:"),
        category(3675, u"Slab support:"),
        category(3900, u"Shoulder:"),
        value(975, u"Elastic Modulus: 4 Mpsi (28 GPa)"),
        value(1200, u"Poisson's Ratio: 0.15"),
        value(1425, u"Elastic Modulus: 29 Mpsi (200 GPa)"),
        value(1650, u"Poisson's Ratio: 0.3"),
        value(1875, u"Width: 12 ft. (3.66 m)"),
        value(2100, u"Length: 15 ft. (4.57 m)"),
        value(2325, u"Opening: 0.1 in. (2.5 mm)"),
        value(2550, u"Aggregate Interlock: None"),
        value(3000, u"Pressure: 100 psi (690 kPa)"),
        value(2775, u"Load: 18 kips (80 kN) single axle"),
        value(3225, u"Axle Length: 87 in. (2.21 m) c-c"),
        value(3675, u"Modulus of Reaction: 200 psi/in. (5500 g/cm\u00B3)"),
        value(3900, u"None (free edge condition)"),
        value(3450, u"Position: Outside tire adjacent to slab edge"),
    };
    return captions;
}

QString disclaimerText() {
    return QString::fromStdString(tavrel::disclaimerText());
}

}  // namespace tavrel::links
