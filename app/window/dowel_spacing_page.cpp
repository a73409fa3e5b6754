#include "window/dowel_spacing_page.h"

namespace tavrel {

DowelSpacingPage::DowelSpacingPage(QTabWidget* tabControl, const bool& formLoading)
    : TabPage(tabControl, QStringLiteral("SSTab1_page1")), formLoading_(formLoading) {}

void DowelSpacingPage::setInitialChoices() {}

void DowelSpacingPage::LoadComparisonTable() {}

void DowelSpacingPage::UpdateComparisonChart() {
    if (formLoading_) return;
}

}  // namespace tavrel
