#include "program_folder.h"

#include <QCoreApplication>
#include <QDir>

namespace tavrel::links {

QString programFolder() {
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
}

QString pathInFolder(const QString& folder, const QString& name) {
    const QChar separator = QDir::separator();
    if (folder.endsWith(separator) || folder.endsWith(u'/')) return folder + name;
    return folder + separator + name;
}

}  // namespace tavrel::links
