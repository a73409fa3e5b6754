#include "links/internet.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QWidget>

#include "links/web_sites.h"
#include "recording_opener.h"
#include "test_application.h"

using namespace tavrel::links;

class InternetTest : public ::testing::Test {
  protected:
    void SetUp() override { ensureTestApplication(); }
};

TEST_F(InternetTest, ClickOnLogoOrLabelHandsExactlyTheSiteToTheShell) {
    const QString folder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    for (WebSite site : kWebSites) {
        SCOPED_TRACE(siteHost(site).toStdString());
        RecordingOpener opener(77);
        for (const QString& control : {logoControl(site), labelControl(site)}) {
            const auto clicked = siteOfControl(control);
            ASSERT_TRUE(clicked.has_value());
            EXPECT_EQ(Internet::OpenWebPage(siteAddress(*clicked)), 77);
        }
        ASSERT_EQ(opener.requests.size(), 2u);
        EXPECT_EQ(opener.requests[0], opener.requests[1]);
        const ShellRequest& request = opener.requests[0];
        EXPECT_EQ(request.file, siteAddress(site));
        EXPECT_EQ(request.verb, QStringLiteral("Open"));
        EXPECT_EQ(request.showCommand, kShowNormal);
        EXPECT_EQ(request.folder, folder);
        EXPECT_TRUE(request.parameters.isEmpty());
    }
}

TEST_F(InternetTest, ShellOpenPassesItsArgumentsAndResultThrough) {
    RecordingOpener opener(5);
    EXPECT_EQ(Internet::ShellOpen(QStringLiteral("notes.txt"), QStringLiteral("/srv/data"),
                                  QStringLiteral("edit")),
              5);
    ASSERT_EQ(opener.requests.size(), 1u);
    const ShellRequest& request = opener.requests[0];
    EXPECT_EQ(request.file, QStringLiteral("notes.txt"));
    EXPECT_EQ(request.folder, QStringLiteral("/srv/data"));
    EXPECT_EQ(request.verb, QStringLiteral("edit"));
    EXPECT_EQ(request.showCommand, kShowNormal);
}

TEST_F(InternetTest, OwnerIsTheActiveWindowOrNone) {
    RecordingOpener opener;
    Internet::OpenWebPage(siteAddress(WebSite::Maker));

    QWidget window;
    window.show();
    window.activateWindow();
    QApplication::processEvents();
    Internet::OpenWebPage(siteAddress(WebSite::Maker));

    ASSERT_EQ(opener.requests.size(), 2u);
    EXPECT_EQ(opener.requests[0].owner, 0u);
    if (QApplication::activeWindow() != &window) GTEST_SKIP() << "platform keeps no active window";
    EXPECT_NE(opener.requests[1].owner, 0u);
    EXPECT_EQ(opener.requests[1].owner, static_cast<quintptr>(window.effectiveWinId()));
}
