// The folder that holds the program's executable, where the guidelines document ships.
#ifndef TAVREL_LINKS_PROGRAM_FOLDER_H
#define TAVREL_LINKS_PROGRAM_FOLDER_H

#include <QString>

namespace tavrel::links {

// In the platform's own notation (backslashes on Windows), without a trailing separator
// unless the folder is a root.
QString programFolder();

// folder + separator + name, without doubling the separator when folder is a root ("/",
// "C:\"), where the folder already ends in one.
QString pathInFolder(const QString& folder, const QString& name);

}  // namespace tavrel::links

#endif
