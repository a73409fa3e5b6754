#include "window/about_page.h"

namespace tavrel {

AboutPage::AboutPage(QTabWidget* tabControl)
    : TabPage(tabControl, QStringLiteral("SSTab1_page2")) {}

}  // namespace tavrel
