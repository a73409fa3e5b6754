// The "About Tavrel" page: the sites behind the program, the conditions of the
// layout comparison and the disclaimer.
#pragma once

#include "window/tab_page.h"

namespace tavrel {

class AboutPage : public TabPage {
  public:
    explicit AboutPage(QTabWidget* tabControl);
};

}  // namespace tavrel
