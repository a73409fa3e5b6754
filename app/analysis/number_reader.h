// Reading what the user typed into a design input box.
#pragma once

#include <string_view>

namespace tavrel {

// The leading decimal number of `text`: blanks before it are skipped, then an
// optional sign, digits with an optional full stop (whatever the locale), and an
// optional exponent. Reading stops at the first character that cannot continue
// the number; text without a leading number reads as 0. Never fails: a value
// beyond double range reads as an infinity of its sign.
double readLeadingNumber(std::string_view text);

}  // namespace tavrel
