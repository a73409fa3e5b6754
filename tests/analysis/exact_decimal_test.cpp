// The WebAssembly build writes and reads numbers without the standard library's
// floating-point conversions; its texts and values must be the desktop's.
#include "analysis/exact_decimal.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "analysis/number_reader.h"
#include "analysis/result_format.h"

namespace {

using tavrel::exactFixed;
using tavrel::shortestFixed;

std::string standardFixed(double value, int decimals) {
    std::string text(2000, '\0');
    const auto r = std::to_chars(text.data(), text.data() + text.size(), value,
                                 std::chars_format::fixed, decimals);
    text.resize(static_cast<size_t>(r.ptr - text.data()));
    return text;
}

std::string standardShortest(float value) {
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return {buffer, r.ptr};
}

template <typename T, typename Bits>
T fromBits(Bits bits) {
    T value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

TEST(ExactFixed, AgreesWithTheStandardConversion) {
    std::mt19937_64 random(7);
    std::uniform_int_distribution<uint64_t> bits;
    std::uniform_int_distribution<int> decimals(0, 40);
    for (int i = 0; i < 100000; ++i) {
        double value = fromBits<double>(bits(random));
        const int d = i % 10 == 0 ? 1100 : decimals(random);
        if (i % 3 == 1) value = std::ldexp(std::fmod(value, 1.0), i % 120 - 40);
        if (i % 3 == 2) value = (std::floor(value) + 0.5) / std::pow(10, d % 12);  // near halves
        ASSERT_EQ(exactFixed(value, d), standardFixed(value, d))
            << std::hexfloat << value << " with " << d;
    }
    for (double value :
         std::initializer_list<double>{0.0, -0.0, 0.125, -0.001, 2.5, 3.5, 4503599627370497.0,
                                       1e308, 4.9e-324, INFINITY, -INFINITY, NAN, -NAN}) {
        for (int d : {-3, 0, 1, 2, 20}) {
            EXPECT_EQ(exactFixed(value, d), standardFixed(value, d)) << value << " with " << d;
        }
    }
}

TEST(ShortestFixed, AgreesWithTheStandardConversion) {
    std::mt19937 random(11);
    std::uniform_int_distribution<uint32_t> bits;
    for (int i = 0; i < 300000; ++i) {
        const float value = fromBits<float>(bits(random));
        ASSERT_EQ(shortestFixed(value), standardShortest(value)) << std::hexfloat << value;
    }
    // Next to powers of two the values reading back lie unevenly about the value.
    for (int e = -149; e < 128; ++e) {
        for (float value : {std::ldexp(1.0f, e), std::nextafter(std::ldexp(1.0f, e), 0.0f),
                            std::nextafter(std::ldexp(1.0f, e), INFINITY)}) {
            ASSERT_EQ(shortestFixed(value), standardShortest(value)) << std::hexfloat << value;
        }
    }
    for (float value : {0.005f, 0.25f, 4000000.0f, 36.000001f, 1.41f, -0.0f, 0.0f, INFINITY,
                        -INFINITY, NAN, -NAN}) {
        EXPECT_EQ(shortestFixed(value), standardShortest(value)) << value;
    }
}

TEST(ShortestText, AgreesWithTheStandardConversion) {
    const auto standard = [](float value) {
        char buffer[64];
        const auto r = std::to_chars(buffer, buffer + sizeof buffer, value);
        return std::string(buffer, r.ptr);
    };
    std::mt19937 random(17);
    std::uniform_int_distribution<uint32_t> bits;
    for (int i = 0; i < 300000; ++i) {
        const float value = fromBits<float>(bits(random));
        ASSERT_EQ(tavrel::shortestText(value), standard(value)) << std::hexfloat << value;
    }
    // Where fixed and scientific notation are about as long, and the edges.
    for (float value : {0.0001f, 0.00012f, 0.001f, 1e5f, 1e6f, 1234567.0f, 1e7f, 1.25e-5f, 0.71632f,
                        1073741824.0f, 3e38f, 1e-45f, 0.0f, -0.0f, -2.5f, INFINITY, NAN}) {
        EXPECT_EQ(tavrel::shortestText(value), standard(value)) << value;
    }
}

// Texts wider than any cell needs are whole, not cut at a buffer's end.
TEST(FormatFixed, WideTextsAreWhole) {
    const std::string text = tavrel::formatFixed(-1e300, 120);
    EXPECT_EQ(text.size(), 1 + 301 + 1 + 120u);
    EXPECT_EQ(text, standardFixed(-1e300, 120));
}

// The value std::from_chars gives, or strtod's where it finds the number out
// of range (infinity above, zero or a subnormal below).
double standardRead(const std::string& number) {
    double value = 0;
    const auto r = std::from_chars(number.data(), number.data() + number.size(), value);
    if (r.ec == std::errc::result_out_of_range) value = std::strtod(number.c_str(), nullptr);
    return value;
}

TEST(ReadLeadingNumber, AgreesWithTheStandardConversion) {
    std::mt19937 random(13);
    std::uniform_int_distribution<int> digitCount(1, 30);
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> exponent(-340, 320);
    std::uniform_int_distribution<int> shape(0, 3);
    for (int i = 0; i < 200000; ++i) {
        std::string number;
        const int digits = digitCount(random);
        const int point = std::uniform_int_distribution<int>(0, digits)(random);
        for (int k = 0; k < digits; ++k) {
            if (k == point) number += '.';
            number += static_cast<char>('0' + digit(random));
        }
        switch (shape(random)) {
            case 0:
                break;
            case 1:
                number += 'e';
                number += std::to_string(exponent(random));
                break;
            case 2:  // the float limits' neighbourhood, where narrowing is decided
                number = std::to_string(exponent(random) % 40) + "." + number.substr(0, 12);
                break;
            default:
                number.insert(number.begin(), '-');
                number += "E+";
                number += std::to_string(exponent(random) % 30);
        }
        const double expected = standardRead(number);
        const double read = tavrel::readLeadingNumber(number + "x");
        ASSERT_TRUE(read == expected || (std::isnan(read) && std::isnan(expected)))
            << number << ": " << std::hexfloat << read << " vs " << expected;
        ASSERT_EQ(std::signbit(read), std::signbit(expected)) << number;
    }
}

}  // namespace
