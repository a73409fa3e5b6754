// The engine library, loaded at run time from the program's own folder and
// never from the working directory or a search path.
#pragma once

#include <QLibrary>
#include <QString>

#include "quorvix/dowel_joint.h"

namespace tavrel {

class EngineLibrary {
  public:
    // `folder` is where the library must lie; usually the program's own folder.
    explicit EngineLibrary(QString folder);

    // The bound CALCLTE entry, loading the library on the first request and
    // keeping it loaded; null when the file or the entry cannot be found.
    CalclteFunction calclte();

    // The full path looked for.
    QString path() const;
    // Why the last attempt failed, for the user; empty when bound.
    QString problem() const { return problem_; }

  private:
    QLibrary library_;
    CalclteFunction calclte_ = nullptr;
    bool attempted_ = false;
    QString problem_;
};

}  // namespace tavrel
