#include "window/tab_page.h"

#include <QTabWidget>

namespace tavrel {

TabPage::TabPage(QTabWidget* tabControl, const QString& objectName)
    : QWidget(nullptr), tabControl_(tabControl), surface_(new QWidget(this)) {
    setObjectName(objectName);
    surface_->setObjectName(objectName + QStringLiteral("_surface"));
}

void TabPage::moveEvent(QMoveEvent*) {
    align();
}

void TabPage::resizeEvent(QResizeEvent*) {
    align();
}

void TabPage::align() {
    const QPoint offset = mapTo(tabControl_, QPoint(0, 0));
    surface_->setGeometry(-offset.x(), -offset.y(), tabControl_->width(), tabControl_->height());
}

}  // namespace tavrel
