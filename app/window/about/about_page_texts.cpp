#include "window/about/about_page_texts.h"

#include "analysis/disclaimer.h"
#include "comparison/comparison_conditions.h"
#include "links/web_sites.h"

namespace tavrel::about {

namespace {

// Label13's control index of each line's value, in reading order: the indices
// do not follow the lines (load, 17, stands above pressure, 16, and the tire
// position, 21, was added last). The categories take 1 to 7 in reading order.
constexpr int kValueControl[comparison::kConditionLineCount] = {8,  9,  10, 11, 12, 13, 14,
                                                                15, 17, 16, 18, 21, 19, 20};
constexpr int kFirstLineTop = 975;
constexpr int kLineStep = 225;

}  // namespace

const std::array<PlacedCaption, kAssumptionCaptionCount>& assumptionCaptions() {
    static const std::array<PlacedCaption, kAssumptionCaptionCount> captions = [] {
        std::array<PlacedCaption, kAssumptionCaptionCount> placed{};
        placed[0] = {kAssumptionCategoryLeft, 600, CaptionStyle::Heading,
                     QString::fromUtf8(comparison::kConditionsHeading)};
        int category = 1;
        for (int i = 0; i < comparison::kConditionLineCount; ++i) {
            const comparison::ConditionLine& line = comparison::kConditionLines[i];
            const int top = kFirstLineTop + kLineStep * i;
            if (*line.category != '\0') {
                placed[category++] = {kAssumptionCategoryLeft, top, CaptionStyle::Category,
                                      QString::fromUtf8(line.category)};
            }
            placed[kValueControl[i]] = {kAssumptionValueLeft, top, CaptionStyle::Value,
                                        QString::fromUtf8(line.value)};
        }
        return placed;
    }();
    return captions;
}

QString disclaimerText() {
    return QString::fromStdString(tavrel::disclaimerText());
}

}  // namespace tavrel::about
