// The disclaimer every surface states (the window's About page, the design
// report, the web page) and the three organisations it names.
#pragma once

#include <string>

namespace tavrel {

inline constexpr const char* kMakerName = "Merrowind";       // who make the program
inline constexpr const char* kAssociationName = "Ostrelle";  // the association it was made for
inline constexpr const char* kPartnerName = "Kestrabar";     // the dowel steel maker

// "DISCLAIMER: ...", two blanks after each full stop inside it.
std::string disclaimerText();

}  // namespace tavrel
