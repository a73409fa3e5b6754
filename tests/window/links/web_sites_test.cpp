#include "links/web_sites.h"

#include <gtest/gtest.h>

#include <QSet>
#include <QUrl>

using namespace tavrel::links;

TEST(WebSites, AddressesArePlainHomePagesOfTheShownHosts) {
    QSet<QString> hosts;
    for (WebSite site : kWebSites) {
        const QString host = siteHost(site);
        SCOPED_TRACE(host.toStdString());
        const QUrl url(siteAddress(site), QUrl::StrictMode);
        ASSERT_TRUE(url.isValid());
        EXPECT_EQ(siteAddress(site), QStringLiteral("http://") + host);
        EXPECT_EQ(url.scheme(), QStringLiteral("http"));
        EXPECT_EQ(url.host(), host);
        EXPECT_TRUE(url.path().isEmpty());
        EXPECT_TRUE(host.endsWith(QStringLiteral(".example")));
        EXPECT_TRUE(host.contains(siteOwner(site).toLower()));
        hosts.insert(host);
    }
    EXPECT_EQ(hosts.size(), 3);
}
