#include "analysis/page_texts.h"

#include <gtest/gtest.h>

#include "analysis/typed_text.h"

namespace {

using tavrel::readBox;
using tavrel::UnitSystem;

constexpr int kSpacing = 0;

// Only format characters leave: what looks like a space or a digit, and bytes
// that are not UTF-8, stay for the reader to judge.
TEST(PageTexts, FormatCharactersAloneAreDropped) {
    const std::string typed = "\u202E2\u200B1\uFEFF \u00A0\uFF15\xFF\u00AD";
    EXPECT_EQ(tavrel::withoutFormatCharacters(typed), "21 \u00A0\uFF15\xFF");
    EXPECT_EQ(tavrel::withoutFormatCharacters("12.5"), "12.5");
}

TEST(PageTexts, ABoxSaysWhatWasReadAndWhyItIsRefused) {
    struct Case {
        const char* text;
        const char* readAs;
        const char* refusal;
    };
    const Case cases[] = {
        {"12", "", ""},
        {" 12 ", "", ""},
        {"12abc", "read as 12", ""},
        {"+.5e1x", "read as 5", "5 is outside 6 to 36 inches"},
        {"37", "", "37 is outside 6 to 36 inches"},
        {"abc", "", "Enter a number from 6 to 36 inches"},
        {"-", "", "Enter a number from 6 to 36 inches"},
        {"", "", "Enter a number from 6 to 36 inches"},
        // Beyond single precision the value stays short enough for a link.
        {"1e400x", "", "Enter a number from 6 to 36 inches"},
        {"1e300", "", "1e+300 is outside 6 to 36 inches"},
    };
    for (const Case& c : cases) {
        const tavrel::BoxReading reading = readBox(UnitSystem::Us, kSpacing, c.text);
        EXPECT_EQ(tavrel::readAsText(reading), c.readAs) << c.text;
        EXPECT_EQ(tavrel::refusalText(UnitSystem::Us, kSpacing, reading), c.refusal) << c.text;
    }
}

// A limit as shown is itself accepted, and just beyond it is refused in the
// box's own units.
TEST(PageTexts, SiBoxesAreReadAndRefusedInSiUnits) {
    EXPECT_TRUE(readBox(UnitSystem::Si, kSpacing, "152.4").inRange);
    const tavrel::BoxReading below = readBox(UnitSystem::Si, kSpacing, "152.3");
    EXPECT_EQ(tavrel::refusalText(UnitSystem::Si, kSpacing, below),
              "152.3 is outside 152.4 to 914.4 mm");
    EXPECT_EQ(tavrel::bearingStressSection(UnitSystem::Si), "Bearing Stress (MPa) -");
}

}  // namespace
