// Design files on disk: read within the size a design may have, written whole
// or not at all. No Qt.
#pragma once

#include <filesystem>

#include "analysis/design_file.h"
#include "platform/replace_file.h"

namespace tavrel::platform {

// The design in the file at `path`, or what is wrong (the path is not repeated).
// Never reads more than one byte beyond the largest design, so a wrong file
// chosen by mistake (a video, a device) costs nothing.
DesignReading readDesignFile(const std::filesystem::path& path);

// Replaces the file at `path` with `document`; on failure the old file stays.
WriteOutcome saveDesignFile(const std::filesystem::path& path, const DesignDocument& document);

}  // namespace tavrel::platform
