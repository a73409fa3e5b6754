#include <gtest/gtest.h>

#include <cmath>

#include "analysis/design_inputs.h"
#include "analysis/number_reader.h"

namespace {

using tavrel::kDesignInputs;

// The value as the sizing run sees it: read, then narrowed to single precision.
bool accepted(int input, const char* text) {
    return tavrel::inRange(static_cast<float>(tavrel::readLeadingNumber(text)),
                           kDesignInputs[input]);
}

TEST(InputCheck, LimitsAreInclusiveInSinglePrecision) {
    const struct {
        int input;
        const char* text;
        bool accepted;
    } cases[] = {
        {0, "6", true},
        {0, "36", true},
        {0, "5.99", false},
        {0, "36.01", false},
        {0, "36.000001", true},  // narrows to 36
        {1, "0.005", true},
        {1, "3", true},
        {1, "0.0049", false},
        {2, "50", true},
        {2, "5000", true},
        {2, "49.9", false},
        {3, "1000", true},
        {3, "50000", true},
        {3, "10,000", false},  // reads as 10
        {4, "500000", true},
        {4, "1e7", true},
        {4, "10000001", false},   // exact in single precision
        {5, "30.0000001", true},  // narrows to 30
        {5, "5", true},
        {5, "30", true},
        {5, "", false},
        {6, "20", true},
        {6, "500", true},
        {6, "-", false},
        {6, "abc", false},
        {6, "1e39", false},  // beyond single precision: infinite, out of range
    };
    for (const auto& c : cases) {
        EXPECT_EQ(accepted(c.input, c.text), c.accepted)
            << kDesignInputs[c.input].option << " \"" << c.text << '"';
    }
    EXPECT_FALSE(tavrel::inRange(NAN, kDesignInputs[0]));
}

TEST(InputCheck, DefaultsAndTooltips) {
    const struct {
        const char* option;
        const char* defaultText;
        const char* tooltip;
    } expected[] = {
        {"spacing", "12", "Minimum: 6  Maximum: 36"},
        {"opening", "0.25", "Minimum: 0.005  Maximum: 3"},
        {"k", "300", "Minimum: 50  Maximum: 5000"},
        {"load", "9000", "Minimum: 1000  Maximum: 50000"},
        {"ec", "4000000", "Minimum: 500000  Maximum: 10000000"},
        {"thickness", "12", "Minimum: 5  Maximum: 30"},
        {"tire-pressure", "90", "Minimum: 20  Maximum: 500"},
    };
    for (int i = 0; i < tavrel::kDesignInputCount; ++i) {
        EXPECT_STREQ(kDesignInputs[i].option, expected[i].option);
        EXPECT_EQ(tavrel::inputByOption(expected[i].option), i);
        EXPECT_EQ(tavrel::plainDecimal(kDesignInputs[i].defaultValue), expected[i].defaultText);
        EXPECT_EQ(tavrel::rangeTooltip(kDesignInputs[i]), expected[i].tooltip);
        EXPECT_TRUE(tavrel::inRange(kDesignInputs[i].defaultValue, kDesignInputs[i]));
    }
}

}  // namespace
