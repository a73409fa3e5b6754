#include "web_sites.h"

#include "analysis/disclaimer.h"

namespace tavrel::links {

namespace {

struct SiteEntry {
    WebSite site;
    const char* owner;
    const char* host;
};

constexpr std::array<SiteEntry, 3> kEntries = {{
    {WebSite::Maker, kMakerName, kMakerHost},
    {WebSite::Association, kAssociationName, kAssociationHost},
    {WebSite::Partner, kPartnerName, kPartnerHost},
}};

const SiteEntry& entry(WebSite site) {
    for (const SiteEntry& e : kEntries)
        if (e.site == site) return e;
    return kEntries.front();  // unreachable: every enumerator has an entry
}

}  // namespace

QString siteOwner(WebSite site) {
    return QString::fromLatin1(entry(site).owner);
}

QString siteHost(WebSite site) {
    return QString::fromLatin1(entry(site).host);
}

QString siteAddress(WebSite site) {
    return QString::fromStdString(homePageAddress(entry(site).host));
}

}  // namespace tavrel::links
