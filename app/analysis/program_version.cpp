#include "analysis/program_version.h"

#include <cstdio>

#include "tavrel_version.h"

namespace tavrel {

std::string versionCaption() {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, " Tavrel Version %d.%d.%03d", TAVREL_VERSION_MAJOR,
                  TAVREL_VERSION_MINOR, TAVREL_VERSION_REVISION);
    return buffer;
}

std::string programVersion() {
    return TAVREL_VERSION;
}

}  // namespace tavrel
