// The "About Tavrel" page: the sites behind the program, the conditions of the
// layout comparison and the disclaimer.
#pragma once

#include <array>

#include "links/web_sites.h"
#include "window/tab_page.h"

class QLabel;

namespace tavrel {

class AboutPage : public TabPage {
  public:
    explicit AboutPage(QTabWidget* tabControl);

    // Whether `widget` is one of the logos or host names that open a site.
    bool isLink(const QWidget* widget) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // A logo or a host name, and the site it opens.
    struct SiteLink {
        QLabel* control;
        links::WebSite site;
    };

    void buildLinks();
    void buildAssumptions();
    void buildDisclaimer();
    static void onLinkActivated(links::WebSite site);

    // Logo and link label of each site, top to bottom.
    std::array<SiteLink, 6> siteLinks_{};
};

}  // namespace tavrel
