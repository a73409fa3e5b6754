// A file name from a dialog as the system spells it, so that a file lands
// under the name shown (the name's bytes as the file system holds them).
#pragma once

#include <QFile>
#include <QString>
#include <filesystem>

namespace tavrel {

inline std::filesystem::path localPath(const QString& path) {
#ifdef _WIN32
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

}  // namespace tavrel
