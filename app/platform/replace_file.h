// Replacing a file whole: the one place that writes a user's file to disk, so
// that a full disk, a device node or a name in no particular encoding can never
// leave a cut file behind or a success reported for a failure. No Qt.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tavrel::platform {

struct WriteOutcome {
    bool ok = false;
    std::string error;  // one line saying why, when not ok (the path is not repeated)
};

// Replaces `path` with `bytes`, exactly as given. The bytes go to a temporary
// file in the same folder, every write checked and flushed to disk, which is
// then renamed over the target. A target that exists and is not a regular file
// (nor a symbolic link to one) is refused; a link is followed, so the link
// stays and the file it names is replaced. On any failure the old file is
// untouched and no temporary is left behind. The path's bytes are used as they
// are, never re-encoded.
WriteOutcome replaceFile(const std::filesystem::path& path, std::string_view bytes);

}  // namespace tavrel::platform
