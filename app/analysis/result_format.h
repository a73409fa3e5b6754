// Texts of the sizing table's cells.
#pragma once

#include <string>

namespace tavrel {

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

}  // namespace tavrel
