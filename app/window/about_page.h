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

    // Each logo and the host name under it open the same site.
    void Image2_Click();
    void Label15_Click();
    void Image4_Click();
    void Label11_Click();
    void Image1_Click();
    void Label14_Click();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    using Handler = void (AboutPage::*)();
    struct ClickTarget {
        QLabel* control;
        Handler click;
    };

    void buildLinks();
    void buildAssumptions();
    void buildDisclaimer();
    static void open(links::WebSite site);

    // Logo and link label of each site, top to bottom.
    std::array<ClickTarget, 6> clickTargets_{};
};

}  // namespace tavrel
