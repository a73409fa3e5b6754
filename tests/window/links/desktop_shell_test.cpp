#include "links/desktop_shell.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "recording_opener.h"
#include "test_application.h"

using namespace tavrel::links;

// Only requests the desktop opener refuses before launching anything are sent to it here.
TEST(DesktopShell, DesktopOpenerRefusesWhatItCannotOpen) {
    ensureTestApplication();
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    struct Row {
        const char* verb;
        QString file;
        QString workingFolder;
        int expected;
    };
    const Row rows[] = {
        {"open", QDir(folder.path()).filePath("absent.pdf"), {}, kShellFileNotFound},
        {"Open", QStringLiteral("absent.pdf"), folder.path(), kShellFileNotFound},
        {"open", QString(), {}, kShellFileNotFound},
        {"print", QStringLiteral("http://www.merrowind.example"), {}, kShellNoAssociation},
    };
    for (const Row& row : rows) {
        ShellRequest request;
        request.verb = QString::fromLatin1(row.verb);
        request.file = row.file;
        request.folder = row.workingFolder;
        const int result = openWithDesktop(request);
        EXPECT_EQ(result, row.expected) << row.verb << " " << row.file.toStdString();
        EXPECT_FALSE(shellSucceeded(result));
    }
}

TEST(DesktopShell, OpenerIsReplaceableAndRestorable) {
    ShellRequest request;
    request.verb = QStringLiteral("open");
    request.file = QStringLiteral("/nonexistent/folder/absent.pdf");
    {
        RecordingOpener opener(99);
        EXPECT_EQ(shellExecute(request), 99);
        ASSERT_EQ(opener.requests.size(), 1u);
        EXPECT_EQ(opener.requests[0], request);
    }
    // An empty opener puts the desktop's back, which refuses the missing document.
    const ShellOpener previous = setShellOpener({});
    EXPECT_EQ(shellExecute(request), kShellFileNotFound);
    setShellOpener(previous);
}

TEST(DesktopShell, ThrowingOpenerYieldsAFailureCode) {
    const ShellOpener previous = setShellOpener([](const ShellRequest&) -> int { throw 1; });
    int result = 100;
    EXPECT_NO_THROW(result = shellExecute(ShellRequest{}));
    EXPECT_FALSE(shellSucceeded(result));
    setShellOpener(previous);
}
