// The disclaimer every surface states (the window's About page, the design
// report, the web page) and the three organisations it names.
#pragma once

#include <string>

namespace tavrel {

inline constexpr const char* kMakerName = "Merrowind";       // who make the program
inline constexpr const char* kAssociationName = "Ostrelle";  // the association it was made for
inline constexpr const char* kPartnerName = "Kestrabar";     // the dowel steel maker

// Their web sites' host names.
inline constexpr const char* kMakerHost = "www.merrowind.example";
inline constexpr const char* kAssociationHost = "www.ostrelle.example";
inline constexpr const char* kPartnerHost = "www.kestrabar.example";

// A site's home page: the scheme and the host name, no path.
inline std::string homePageAddress(const char* host) {
    return std::string("http://") + host;
}

// "DISCLAIMER: ...", two blanks after each full stop inside it.
std::string disclaimerText();

}  // namespace tavrel
