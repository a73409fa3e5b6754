#include "links/guidelines.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <stdexcept>

#include "links/program_folder.h"
#include "recording_opener.h"
#include "test_application.h"

using namespace tavrel::links;

class GuidelinesTest : public ::testing::Test {
  protected:
    void SetUp() override { ensureTestApplication(); }
};

TEST_F(GuidelinesTest, DocumentLiesInTheProgramFolder) {
    EXPECT_EQ(guidelinesPath(), QCoreApplication::applicationDirPath() + "/Praxendel.pdf");
}

TEST_F(GuidelinesTest, OpensMaximizedWithoutOwnerOrFolder) {
    RecordingOpener opener;
    openGuidelines();
    ASSERT_EQ(opener.requests.size(), 1u);
    ShellRequest expected;
    expected.owner = 0;
    expected.verb = QStringLiteral("open");
    expected.file = guidelinesPath();
    expected.showCommand = kShowMaximized;
    EXPECT_EQ(opener.requests[0], expected);
}

TEST_F(GuidelinesTest, FailuresOfTheShellStayInside) {
    for (int result : {0, 2, 31}) {
        RecordingOpener opener(result);
        EXPECT_NO_THROW(openGuidelines());
        EXPECT_EQ(opener.requests.size(), 1u);
    }
    const ShellOpener previous =
        setShellOpener([](const ShellRequest&) -> int { throw std::runtime_error("no shell"); });
    EXPECT_NO_THROW(openGuidelines());
    setShellOpener(previous);
}

TEST_F(GuidelinesTest, AbsentDocumentIsRefusedByTheDesktopOpenerWithoutLaunching) {
    QTemporaryDir emptyFolder;
    ASSERT_TRUE(emptyFolder.isValid());
    ShellRequest request;
    request.verb = QStringLiteral("open");
    request.file = pathInFolder(emptyFolder.path(), QStringLiteral("Praxendel.pdf"));
    request.showCommand = kShowMaximized;
    int result = 0;
    EXPECT_NO_THROW(result = openWithDesktop(request));
    EXPECT_EQ(result, kShellFileNotFound);
}

TEST(PathInFolder, JoinsWithExactlyOneSeparator) {
    struct Row {
        const char* folder;
        const char* expected;
    };
    for (const Row& row :
         {Row{"/opt/tavrel", "/opt/tavrel/Praxendel.pdf"}, Row{"/", "/Praxendel.pdf"},
          Row{"/opt/tavrel/", "/opt/tavrel/Praxendel.pdf"}}) {
        EXPECT_EQ(pathInFolder(QString::fromLatin1(row.folder), QStringLiteral("Praxendel.pdf")),
                  QString::fromLatin1(row.expected))
            << row.folder;
    }
}
