// Reading what the user typed into a design input box.
#pragma once

#include <optional>
#include <string_view>

namespace tavrel {

// The leading decimal number of `text`: blanks before it are skipped, then an
// optional sign, digits with an optional full stop (whatever the locale), and an
// optional exponent. Reading stops at the first character that cannot continue
// the number; text without a leading number reads as 0. Never fails: a value
// beyond double range reads as an infinity of its sign.
double readLeadingNumber(std::string_view text);

// `text` as a number when the whole of it is one number in the form above (no
// blanks, nothing after it); nothing otherwise, empty text included. For
// scripts, where a typo must not quietly become another value.
std::optional<double> readCompleteNumber(std::string_view text);

}  // namespace tavrel
