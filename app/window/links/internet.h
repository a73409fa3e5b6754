// The Internet module: opening web addresses and documents through the desktop shell.
// Requests are fire-and-forget; callers may ignore the result.
#ifndef TAVREL_LINKS_INTERNET_H
#define TAVREL_LINKS_INTERNET_H

#include <QString>

namespace Internet {

// Opens Address with the "Open" verb, the program's folder as working folder, and returns
// the shell's result (> 32 success).
int OpenWebPage(const QString& Address);

// Performs Verb on Document with this program's active window as owner, no parameters,
// Folder as working folder and a normally shown window; returns the shell's result.
int ShellOpen(const QString& Document, const QString& Folder, const QString& Verb);

}  // namespace Internet

#endif
