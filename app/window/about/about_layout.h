// Where the "About Tavrel" page's links stand and what their controls are called.
#pragma once

#include "links/web_sites.h"

namespace tavrel::about {

// Each site's logo picture and link label, top to bottom, with their tops in twips.
struct LinkPlace {
    links::WebSite site;
    const char* logo;
    const char* label;
    double logoTop;
    double labelTop;
};

constexpr LinkPlace kLinkPlaces[] = {
    {links::WebSite::Maker, "Image2", "Label15", 3720, 4470},
    {links::WebSite::Association, "Image4", "Label11", 4875, 5550},
    {links::WebSite::Partner, "Image1", "Label14", 6030, 6780},
};

inline const LinkPlace& linkPlace(links::WebSite site) {
    for (const LinkPlace& place : kLinkPlaces)
        if (place.site == site) return place;
    return kLinkPlaces[0];  // unreachable: every site has a place
}

}  // namespace tavrel::about
