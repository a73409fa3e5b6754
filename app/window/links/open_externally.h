// Handing a web address or a document to the desktop, which opens it with the program the
// user has chosen for it. Every link of the window goes through here, so a test can swap
// the desktop for a recorder and see exactly what would have been opened.
#ifndef TAVREL_LINKS_OPEN_EXTERNALLY_H
#define TAVREL_LINKS_OPEN_EXTERNALLY_H

#include <QUrl>
#include <functional>

namespace tavrel::links {

// Asks the desktop to open `target` (an http address or a local file) and returns whether
// it agreed; the other program starts on its own and this returns at once. A local file
// that does not exist is refused before the desktop hears of it. Never throws: nothing may
// leave a click handler, so an opener that throws counts as a refusal.
bool openExternally(const QUrl& target) noexcept;

using ExternalOpener = std::function<bool(const QUrl&)>;

// Replaces what openExternally does and returns the opener it replaces; an empty opener
// puts the desktop's back.
ExternalOpener setExternalOpener(ExternalOpener opener);

}  // namespace tavrel::links

#endif
