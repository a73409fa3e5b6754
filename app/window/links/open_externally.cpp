#include "open_externally.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <utility>

namespace tavrel::links {

namespace {

bool openWithDesktop(const QUrl& target) {
    if (!target.isValid() || target.isEmpty()) return false;
    // The desktop would complain about a missing document in a window of its own; the
    // program's promise is that nothing happens.
    if (target.isLocalFile() && !QFileInfo::exists(target.toLocalFile())) return false;
    // Opening needs the desktop integration that only a GUI application has.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return false;
    return QDesktopServices::openUrl(target);
}

ExternalOpener& currentOpener() {
    static ExternalOpener opener = openWithDesktop;
    return opener;
}

}  // namespace

bool openExternally(const QUrl& target) noexcept {
    try {
        return currentOpener()(target);
    } catch (...) {
        return false;
    }
}

ExternalOpener setExternalOpener(ExternalOpener opener) {
    if (!opener) opener = openWithDesktop;
    return std::exchange(currentOpener(), std::move(opener));
}

}  // namespace tavrel::links
