#include "links/open_externally.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "recording_opener.h"
#include "test_application.h"

using namespace tavrel::links;

// Only targets the desktop's opener refuses before launching anything are sent to it here.
TEST(OpenExternally, DesktopRefusesMissingFilesAndEmptyTargets) {
    ensureTestApplication();
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const ExternalOpener desktop = setExternalOpener({});
    for (const QUrl& target :
         {QUrl::fromLocalFile(QDir(folder.path()).filePath("absent.pdf")), QUrl()}) {
        EXPECT_FALSE(openExternally(target)) << target.toString().toStdString();
        EXPECT_FALSE(desktop(target)) << target.toString().toStdString();
    }
}

TEST(OpenExternally, OpenerIsReplaceableAndRestorable) {
    const QUrl target(QStringLiteral("http://www.merrowind.example"));
    {
        RecordingOpener opener(false);
        EXPECT_FALSE(openExternally(target));
        ASSERT_EQ(opener.requests.size(), 1u);
        EXPECT_EQ(opener.requests[0], target);
    }
    // The desktop's opener is back: a missing file is refused, not recorded.
    RecordingOpener outer;
    const ExternalOpener recorder = setExternalOpener({});
    EXPECT_FALSE(openExternally(QUrl::fromLocalFile(QStringLiteral("/nonexistent/absent.pdf"))));
    setExternalOpener(recorder);
    EXPECT_TRUE(outer.requests.empty());
}

TEST(OpenExternally, ThrowingOpenerCountsAsARefusal) {
    const ExternalOpener previous = setExternalOpener([](const QUrl&) -> bool { throw 1; });
    bool opened = true;
    EXPECT_NO_THROW(opened = openExternally(QUrl(QStringLiteral("http://a.example"))));
    EXPECT_FALSE(opened);
    setExternalOpener(previous);
}
