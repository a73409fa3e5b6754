// Decimal texts of binary floating-point values worked out exactly, for
// standard libraries that lack the floating-point std::to_chars (the C++
// library of the WebAssembly build). They give the very texts std::to_chars
// gives, whatever the locale; the tests hold them to that.
#pragma once

#include <string>

namespace tavrel {

// As std::to_chars(value, std::chars_format::fixed, decimals): `decimals`
// digits after the point (6 when negative), correctly rounded from the exact
// binary value with halves to even; a negative value keeps its sign even when
// it rounds to zero ("-0.0"); "inf", "-inf", "nan", "-nan" when not finite.
std::string exactFixed(double value, int decimals);

// As std::to_chars(value, std::chars_format::fixed): the fewest significant
// digits that read back as `value`, the nearest such digits when several do,
// written without an exponent; an integral value is written in full
// ("1073741824", not "1073741800").
std::string shortestFixed(float value);

// As std::to_chars(value): the fewest significant digits that read back as
// `value`, in fixed notation ("0.71632") or with an exponent ("1.25e-05"),
// whichever is shorter, fixed when they are as long.
std::string shortestText(float value);

}  // namespace tavrel
