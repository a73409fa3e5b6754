// The guidelines document that ships beside the program, opened by "Jump to Guidelines".
#ifndef TAVREL_LINKS_GUIDELINES_H
#define TAVREL_LINKS_GUIDELINES_H

#include <QString>

namespace tavrel::links {

inline constexpr char kGuidelinesFileName[] = "Praxendel.pdf";

// The document's path in the program's folder.
QString guidelinesPath();

// Asks the desktop to open the document. The outcome is deliberately ignored: when the
// document is missing or nothing can show it, the program stays as it was and says nothing.
void openGuidelines() noexcept;

}  // namespace tavrel::links

#endif
