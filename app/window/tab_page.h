// A page of the tab control whose controls are placed relative to the tab
// control's own top-left corner, tab row included, as the layout measures them.
// Qt puts a page below the tab row; the page's surface is shifted back by that
// offset, whatever the style makes of the tab row's height.
#pragma once

#include <QWidget>

class QTabWidget;

namespace tavrel {

class TabPage : public QWidget {
  public:
    TabPage(QTabWidget* tabControl, const QString& objectName);

    // The parent for the page's controls.
    QWidget* surface() const { return surface_; }

  protected:
    void moveEvent(QMoveEvent*) override;
    void resizeEvent(QResizeEvent*) override;

  private:
    void align();

    QTabWidget* tabControl_;
    QWidget* surface_;
};

}  // namespace tavrel
