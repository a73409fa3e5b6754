#include "analysis/number_reader.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using tavrel::readLeadingNumber;

TEST(ReadLeadingNumber, ReadsTheLeadingNumberOnly) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"12", 12},    {"12abc", 12},      {"10,000", 10},
        {"", 0},       {"-", 0},           {"+", 0},
        {"abc", 0},    {".", 0},           {"-.5", -0.5},
        {"+7", 7},     {"0.25", 0.25},     {".25", 0.25},
        {"25.", 25},   {"1.5.3", 1.5},     {"4e6", 4e6},
        {"4E+6", 4e6}, {"2.5e-3", 0.0025}, {"2e", 2},
        {"2e+", 2},    {"2ex", 2},         {"  9000", 9000},
        {"\t90", 90},  {"12 000", 12},     {"--5", 0},
        {"1e-400", 0}, {"0x10", 0},        {"36.000001", 36.000001},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(readLeadingNumber(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(ReadLeadingNumber, HugeNumbersBecomeInfinities) {
    EXPECT_EQ(readLeadingNumber("1e400"), INFINITY);
    EXPECT_EQ(readLeadingNumber("-1e400"), -INFINITY);
    EXPECT_EQ(readLeadingNumber(std::string(400, '9')), INFINITY);
    EXPECT_EQ(readLeadingNumber("0." + std::string(400, '0') + "1"), 0);
}

}  // namespace
