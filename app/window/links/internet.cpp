#include "internet.h"

#include "desktop_shell.h"
#include "program_folder.h"

namespace Internet {

int OpenWebPage(const QString& Address) {
    return ShellOpen(Address, tavrel::links::programFolder(), QStringLiteral("Open"));
}

int ShellOpen(const QString& Document, const QString& Folder, const QString& Verb) {
    using namespace tavrel::links;
    ShellRequest request;
    request.owner = activeWindowHandle();
    request.verb = Verb;
    request.file = Document;
    request.folder = Folder;
    request.showCommand = kShowNormal;
    return shellExecute(request);
}

}  // namespace Internet
