// The program's number texts, each format with its own rounding rule: the sizing
// table's cells round halves to even, the comparison chart's values halves away
// from zero. Both round the exact binary value and ignore the locale.
#pragma once

#include <string>
#include <string_view>

namespace tavrel {

// What every number format shows for a value that is not finite; readers of the
// texts (units, JSON) recognise it by this.
inline constexpr std::string_view kNotFiniteText = "n/a";

// Fixed notation with `decimals` digits ("0.01234"), correctly rounded from the
// exact binary value with halves to even, whatever the locale. A value that is
// not finite shows as "n/a".
std::string formatFixed(double value, int decimals);

// A ratio as a percentage with one decimal ("71.6"), rounded half to even on the
// widened value. A value that is not finite shows as "n/a".
std::string formatPercent(float fraction);

// A bearing stress as a whole number of psi ("1479"), rounded half to even.
// A value that is not finite shows as "n/a".
std::string formatWholeNumber(float value);

// The shortest text that reads back as the very same single-precision number
// ("0.71632", "1.25e-05"), for programs that need the unrounded value. A value
// that is not finite shows as "n/a".
std::string formatShortest(float value);
// The same for a double-precision number ("27.10012345678901").
std::string formatShortest(double value);

// Fixed notation as the comparison chart writes it: at least one digit before
// the point, no grouping, halves away from zero. The exact binary value is
// rounded, not its shortest decimal: a float stored just below a half (0.0325f
// is 0.0324999988...) rounds down. decimals is 0..9. A value that rounds to zero
// shows no sign; one that is not finite shows as "nan", "inf" or "-inf", as the
// chart has always shown them.
std::string formatHalfAwayFromZero(double value, int decimals);

// The nearest integer, halves to even, whatever the floating-point rounding mode.
double roundHalfToEven(double value);

}  // namespace tavrel
