#include "analysis/start_up.h"

#include <cstdio>

namespace tavrel {

InputDefaults inputDefaults() {
    InputDefaults defaults;
    for (int i = 0; i < kDesignInputCount; ++i) defaults[i] = kDesignInputs[i].defaultValue;
    return defaults;
}

std::string versionCaption(int major, int minor, int revision) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, " Tavrel Version %d.%d.%03d", major, minor, revision);
    return buffer;
}

}  // namespace tavrel
