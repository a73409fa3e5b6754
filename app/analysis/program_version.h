// The program's version as the window caption, reports and files give it.
#pragma once

#include <string>

namespace tavrel {

// " Tavrel Version 2.0.020": major and minor as they are, the revision with at
// least three digits.
std::string versionCaption();

// "2.0.20", as design files record it.
std::string programVersion();

}  // namespace tavrel
