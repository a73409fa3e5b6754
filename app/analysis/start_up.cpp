#include "analysis/start_up.h"

#include <cstdio>

namespace tavrel {

std::string versionCaption(int major, int minor, int revision) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, " Tavrel Version %d.%d.%03d", major, minor, revision);
    return buffer;
}

}  // namespace tavrel
