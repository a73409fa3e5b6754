// The logo pictures of the window, drawn in code: the three site owners' emblems on the
// "About Tavrel" page and Tavrel's own logo at the top left of the window.
// Drawing text needs a QGuiApplication.
#ifndef TAVREL_WINDOW_EMBLEMS_H
#define TAVREL_WINDOW_EMBLEMS_H

#include <QImage>
#include <QSize>

#include "links/web_sites.h"

namespace tavrel::about {

using links::WebSite;

// Pixel sizes the window's layout reserves for them.
inline constexpr QSize kMakerEmblemSize{213, 46};        // Image2
inline constexpr QSize kAssociationEmblemSize{260, 43};  // Image4
inline constexpr QSize kPartnerEmblemSize{250, 46};      // Image1
inline constexpr QSize kTavrelLogoSize{214, 36};         // Image3

QImage makerEmblem();
QImage associationEmblem();
QImage partnerEmblem();
QImage tavrelLogo();

// The emblem shown above a site's link label.
QImage siteEmblem(WebSite site);

}  // namespace tavrel::about

#endif
