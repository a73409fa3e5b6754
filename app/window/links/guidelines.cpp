#include "guidelines.h"

#include <QCoreApplication>
#include <QDir>
#include <QUrl>

#include "open_externally.h"

namespace tavrel::links {

QString guidelinesPath() {
    return QDir(QCoreApplication::applicationDirPath())
        .filePath(QString::fromLatin1(kGuidelinesFileName));
}

void openGuidelines() noexcept {
    try {
        openExternally(QUrl::fromLocalFile(guidelinesPath()));
    } catch (...) {
        // Building the path can only fail for want of memory; the click is then a no-op.
    }
}

}  // namespace tavrel::links
