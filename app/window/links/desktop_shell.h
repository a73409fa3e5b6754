// Asking the desktop to open a document or a web address with its associated program.
//
// The request mirrors what the Windows shell takes (owner, verb, file, parameters, working
// folder, show command) and the result follows its convention: greater than 32 is success,
// 32 or less is a failure code. Callers never wait: the desktop starts the other program
// and the request returns at once.
#ifndef TAVREL_LINKS_DESKTOP_SHELL_H
#define TAVREL_LINKS_DESKTOP_SHELL_H

#include <QString>
#include <QtGlobal>
#include <functional>

namespace tavrel::links {

// Show commands as the Windows shell numbers them.
inline constexpr int kShowNormal = 1;
inline constexpr int kShowMaximized = 3;

// Result codes in the shell's convention.
inline constexpr int kShellSucceeded = 42;      // any value above 32 means success
inline constexpr int kShellFileNotFound = 2;    // the document does not exist
inline constexpr int kShellNoAssociation = 31;  // nothing can perform the verb on it

struct ShellRequest {
    quintptr owner = 0;  // native handle of the owner window, 0 for none
    QString verb;
    QString file;  // a document path or a web address
    QString parameters;
    QString folder;  // working folder, empty for none
    int showCommand = kShowNormal;

    bool operator==(const ShellRequest&) const = default;
};

using ShellOpener = std::function<int(const ShellRequest&)>;

inline bool shellSucceeded(int result) {
    return result > 32;
}

// Performs the request with the current opener. Never throws: an opener that fails in any
// way yields a failure code, because nothing may leave a click handler.
int shellExecute(const ShellRequest& request) noexcept;

// Replaces the opener (tests install a recorder so nothing is launched) and returns the one
// it replaces. An empty opener restores the desktop's.
ShellOpener setShellOpener(ShellOpener opener);

// The desktop's own opener, the default.
int openWithDesktop(const ShellRequest& request);

// Native handle of this program's active window, 0 when none of its windows is active.
quintptr activeWindowHandle();

}  // namespace tavrel::links

#endif
