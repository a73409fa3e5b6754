#include <gtest/gtest.h>

#include <cmath>

#include "analysis/number_reader.h"

namespace {

using tavrel::readCompleteNumber;

TEST(ReadCompleteNumber, AcceptsOnlyAWholeNumber) {
    const struct {
        const char* text;
        std::optional<double> value;
    } cases[] = {
        {"12", 12},
        {"0.25", 0.25},
        {".25", 0.25},
        {"25.", 25},
        {"-3", -3},
        {"+7", 7},
        {"4e6", 4e6},
        {"4E+6", 4e6},
        {"2.5e-3", 0.0025},
        {"1e400", INFINITY},
        // What the window's reader would quietly turn into another number.
        {"12abc", {}},
        {"", {}},
        {" 12", {}},
        {"12 ", {}},
        {"10,000", {}},
        {"1.5.3", {}},
        {"2e", {}},
        {"2e+", {}},
        {"-", {}},
        {".", {}},
        {"abc", {}},
        {"0x10", {}},
        {"nan", {}},
        {"inf", {}},
        {"--5", {}},
        {"12\n", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(readCompleteNumber(c.text), c.value) << '"' << c.text << '"';
    }
}

}  // namespace
