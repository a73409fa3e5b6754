// Fixed-point number texts for the comparison chart: at least one digit before the
// point, no grouping, rounded to the nearest with halves away from zero.
#ifndef TAVREL_COMPARISON_NUMBER_FORMAT_H
#define TAVREL_COMPARISON_NUMBER_FORMAT_H

#include <string>

namespace tavrel::comparison {

// The exact binary value is rounded, not its shortest decimal: a float stored just
// below a half (0.0325f is 0.0324999988...) rounds down. decimals is 0..9.
// A value that rounds to zero shows no sign.
std::string formatHalfAwayFromZero(double value, int decimals);

}  // namespace tavrel::comparison

#endif  // TAVREL_COMPARISON_NUMBER_FORMAT_H
