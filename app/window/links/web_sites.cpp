#include "web_sites.h"

#include "analysis/disclaimer.h"

namespace tavrel::links {

namespace {

struct SiteEntry {
    WebSite site;
    const char* owner;
    const char* host;
    const char* logo;
    const char* label;
};

constexpr std::array<SiteEntry, 3> kEntries = {{
    {WebSite::Maker, kMakerName, kMakerHost, "Image2", "Label15"},
    {WebSite::Association, kAssociationName, kAssociationHost, "Image4", "Label11"},
    {WebSite::Partner, kPartnerName, kPartnerHost, "Image1", "Label14"},
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

QString logoControl(WebSite site) {
    return QString::fromLatin1(entry(site).logo);
}

QString labelControl(WebSite site) {
    return QString::fromLatin1(entry(site).label);
}

}  // namespace tavrel::links
