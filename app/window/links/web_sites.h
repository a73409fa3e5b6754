// The three web sites the "About Tavrel" page links to.
#ifndef TAVREL_LINKS_WEB_SITES_H
#define TAVREL_LINKS_WEB_SITES_H

#include <QString>
#include <array>

namespace tavrel::links {

enum class WebSite {
    Maker,        // Merrowind, who make the program
    Association,  // Ostrelle, the industry association it was made for
    Partner,      // Kestrabar, the dowel steel maker named in the disclaimer
};

// Top to bottom as they stand on the page.
inline constexpr std::array<WebSite, 3> kWebSites = {WebSite::Maker, WebSite::Association,
                                                     WebSite::Partner};

// The site owner's name, as the disclaimer and the emblem spell it.
QString siteOwner(WebSite site);

// The host name, which is also the caption of the site's link label.
QString siteHost(WebSite site);

// The home page: "http://" and the host name, no path.
QString siteAddress(WebSite site);

}  // namespace tavrel::links

#endif
