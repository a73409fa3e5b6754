#include <gtest/gtest.h>

#include "analysis/result_format.h"

namespace tavrel {
namespace {

TEST(NumberFormat, RoundsTheExactValueHalvesAwayFromZero) {
    struct Case {
        double value;
        int decimals;
        const char* text;
    };
    const Case cases[] = {
        {76.5, 0, "77"},        {77.5, 0, "78"},  // not to even
        {-76.5, 0, "-77"},      {270.9, 0, "271"},
        {0.4999, 0, "0"},       {0.5, 0, "1"},
        {-0.3, 0, "0"},  // no sign on a zero
        {99.5, 0, "100"},       {4410.0, 0, "4410"},
        {0.03204f, 3, "0.032"}, {0.00825f, 3, "0.008"},
        {0.0325f, 3, "0.032"},  // stored as 0.0324999988...
        {0.0315f, 3, "0.032"},  // stored as 0.0315000005...
        {0.0125, 3, "0.013"},   // stored as 0.01250000000000000069...
        {0.9995f, 3, "0.999"},  // stored as 0.99949997...
        {0.99951, 3, "1.000"},  {0.0, 3, "0.000"},
        {0.015f, 3, "0.015"},   {1.0 / 1024.0, 3, "0.001"},  // 0.0009765625
    };
    for (const Case& c : cases) {
        EXPECT_EQ(formatHalfAwayFromZero(c.value, c.decimals), std::string(c.text)) << c.value;
    }
}

}  // namespace
}  // namespace tavrel
