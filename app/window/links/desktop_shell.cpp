#include "desktop_shell.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QUrl>
#include <QWidget>
#include <utility>

#ifdef Q_OS_WIN
#include <windows.h>
// windows.h first: shellapi.h relies on its types.
#include <shellapi.h>
#else
#include <QDesktopServices>
#endif

namespace tavrel::links {

namespace {

ShellOpener& currentOpener() {
    static ShellOpener opener = openWithDesktop;
    return opener;
}

#ifndef Q_OS_WIN
// A web address or other URL, as opposed to a path. One-letter schemes are drive letters.
bool isAddress(const QString& target) {
    const QUrl url(target, QUrl::StrictMode);
    return url.isValid() && url.scheme().size() > 1;
}
#endif

}  // namespace

int shellExecute(const ShellRequest& request) noexcept {
    try {
        const ShellOpener& opener = currentOpener();
        return opener ? opener(request) : kShellNoAssociation;
    } catch (...) {
        return kShellNoAssociation;
    }
}

ShellOpener setShellOpener(ShellOpener opener) {
    if (!opener) opener = openWithDesktop;
    return std::exchange(currentOpener(), std::move(opener));
}

#ifdef Q_OS_WIN

// The wide entry point, not the 8-bit one: a program folder whose name lies outside the
// system code page would otherwise reach the shell garbled and the document never open.
int openWithDesktop(const ShellRequest& request) {
    const auto wide = [](const QString& text) { return text.toStdWString(); };
    const std::wstring verb = wide(request.verb);
    const std::wstring file = wide(request.file);
    const std::wstring parameters = wide(request.parameters);
    const std::wstring folder = wide(request.folder);
    const HINSTANCE result = ShellExecuteW(
        reinterpret_cast<HWND>(request.owner), verb.empty() ? nullptr : verb.c_str(), file.c_str(),
        parameters.c_str(), folder.empty() ? nullptr : folder.c_str(), request.showCommand);
    return static_cast<int>(reinterpret_cast<INT_PTR>(result));
}

quintptr activeWindowHandle() {
    return reinterpret_cast<quintptr>(GetActiveWindow());
}

#else

// The desktop decides how the other program's window appears, so the owner and the show
// command have no counterpart here. Like the shell, a missing document fails at once
// instead of leaving the desktop to complain about it.
int openWithDesktop(const ShellRequest& request) {
    if (!request.verb.isEmpty() && request.verb.compare(u"open", Qt::CaseInsensitive) != 0)
        return kShellNoAssociation;
    if (request.file.isEmpty()) return kShellFileNotFound;

    QUrl url;
    if (isAddress(request.file)) {
        url = QUrl(request.file, QUrl::StrictMode);
    } else {
        QString path = request.file;
        if (QDir::isRelativePath(path) && !request.folder.isEmpty())
            path = QDir(request.folder).filePath(path);
        if (!QFileInfo::exists(path)) return kShellFileNotFound;
        url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    }

    // Opening needs the desktop integration that only a GUI application has.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return kShellNoAssociation;
    return QDesktopServices::openUrl(url) ? kShellSucceeded : kShellNoAssociation;
}

quintptr activeWindowHandle() {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return 0;
    const QWidget* window = QApplication::activeWindow();
    return window ? static_cast<quintptr>(window->effectiveWinId()) : 0;
}

#endif

}  // namespace tavrel::links
