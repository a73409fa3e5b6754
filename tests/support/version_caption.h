// The window caption the build's version gives: " Tavrel Version 2.0.020" for
// 2.0.20, from the generated version header rather than a copy of its numbers.
#pragma once

#include <QString>

#include "tavrel_version.h"

namespace testing_support {

inline QString versionCaption() {
    return QStringLiteral(" Tavrel Version %1.%2.%3")
        .arg(TAVREL_VERSION_MAJOR)
        .arg(TAVREL_VERSION_MINOR)
        .arg(TAVREL_VERSION_REVISION, 3, 10, QLatin1Char('0'));
}

}  // namespace testing_support
