#include "links/guidelines.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <stdexcept>

#include "links/open_externally.h"
#include "recording_opener.h"
#include "test_application.h"

using namespace tavrel::links;

class GuidelinesTest : public ::testing::Test {
  protected:
    void SetUp() override { ensureTestApplication(); }
};

TEST_F(GuidelinesTest, OpensTheDocumentInTheProgramFolder) {
    EXPECT_EQ(guidelinesPath(), QCoreApplication::applicationDirPath() + "/Praxendel.pdf");
    RecordingOpener opener;
    openGuidelines();
    ASSERT_EQ(opener.requests.size(), 1u);
    EXPECT_EQ(opener.requests[0], QUrl::fromLocalFile(guidelinesPath()));
}

TEST_F(GuidelinesTest, FailuresOfTheDesktopStayInside) {
    RecordingOpener refusing(false);
    EXPECT_NO_THROW(openGuidelines());
    EXPECT_EQ(refusing.requests.size(), 1u);
    const ExternalOpener previous =
        setExternalOpener([](const QUrl&) -> bool { throw std::runtime_error("no desktop"); });
    EXPECT_NO_THROW(openGuidelines());
    setExternalOpener(previous);
}
