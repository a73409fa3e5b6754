// The engine library, loaded at run time from the program's own folder and
// never from the working directory or a search path. The one place that knows
// how the operating system loads a library; the window and tavrel-cli share it.
#pragma once

#include <string>

#include "quorvix/dowel_joint.h"

namespace tavrel {

// The folder the running program lies in, without a trailing separator; empty
// when the system cannot tell.
std::string programFolder();

class EngineLibrary {
  public:
    // `folder` is where the library must lie; usually the program's own folder.
    explicit EngineLibrary(std::string folder);
    EngineLibrary(const EngineLibrary&) = delete;
    EngineLibrary& operator=(const EngineLibrary&) = delete;

    // The bound CALCLTE entry, loading the library on the first request and
    // keeping it loaded for the life of the program (the engine's records may be
    // in use until then); null when the file or the entry cannot be found.
    CalclteFunction calclte();

    // The full path looked for.
    const std::string& path() const { return path_; }
    // Why the last attempt failed, for the user; empty when bound.
    const std::string& problem() const { return problem_; }

  private:
    std::string folder_;
    std::string path_;
    CalclteFunction calclte_ = nullptr;
    bool attempted_ = false;
    std::string problem_;
};

}  // namespace tavrel
