// The "Dowel Spacing" page: the layout comparison.
#pragma once

#include "window/tab_page.h"

namespace tavrel {

class DowelSpacingPage : public TabPage {
  public:
    DowelSpacingPage(QTabWidget* tabControl, const bool& formLoading);

    // Start-up's choices on this page, made while the window's flag holds the chart back.
    void setInitialChoices();
    void LoadComparisonTable();
    void UpdateComparisonChart();

  private:
    const bool& formLoading_;
};

}  // namespace tavrel
