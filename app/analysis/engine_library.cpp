#include "analysis/engine_library.h"

#include <QDir>
#include <QFileInfo>

namespace tavrel {

EngineLibrary::EngineLibrary(QString folder)
    : library_(QDir(folder).absoluteFilePath(QStringLiteral(QUORVIX_FILE_NAME))) {}

QString EngineLibrary::path() const {
    return library_.fileName();
}

CalclteFunction EngineLibrary::calclte() {
    if (calclte_ != nullptr || attempted_) return calclte_;
    attempted_ = true;
    // QLibrary would also try other names in that folder; insist on the file.
    if (!QFileInfo::exists(path())) {
        problem_ = QStringLiteral("The analysis engine %1 was not found in %2.")
                       .arg(QFileInfo(path()).fileName(), QFileInfo(path()).absolutePath());
        return nullptr;
    }
    if (!library_.load()) {
        problem_ = QStringLiteral("The analysis engine %1 could not be loaded: %2")
                       .arg(path(), library_.errorString());
        return nullptr;
    }
    calclte_ = reinterpret_cast<CalclteFunction>(library_.resolve("CALCLTE"));
    if (calclte_ == nullptr) {
        problem_ = QStringLiteral("The analysis engine %1 has no entry CALCLTE.").arg(path());
    }
    return calclte_;
}

}  // namespace tavrel
