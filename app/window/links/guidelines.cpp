#include "guidelines.h"

#include "desktop_shell.h"
#include "program_folder.h"

namespace tavrel::links {

QString guidelinesPath() {
    return pathInFolder(programFolder(), QString::fromLatin1(kGuidelinesFileName));
}

void openGuidelines() noexcept {
    try {
        ShellRequest request;
        request.owner = 0;
        request.verb = QStringLiteral("open");
        request.file = guidelinesPath();
        request.showCommand = kShowMaximized;
        shellExecute(request);
    } catch (...) {
        // Building the request can only fail for want of memory; the click is then a no-op.
    }
}

}  // namespace tavrel::links
