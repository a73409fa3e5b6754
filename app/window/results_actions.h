// The way the sizing page's answer leaves the window: "Copy Results", "Save
// Report as PDF..." and "Print Report...", in a context menu on the page and
// as shortcuts from any page. Nothing is added to the pages themselves.
#pragma once

#include <QObject>
#include <QString>
#include <optional>

#include "analysis/design_study.h"

class QAction;
class QMenu;
class QPoint;
class QWidget;

namespace tavrel {

class DowelSizingPage;

class ResultsActions : public QObject {
  public:
    // `window` carries the shortcuts and owns the dialogs; `page` is the
    // sizing page whose results leave.
    ResultsActions(QWidget* window, DowelSizingPage* page);

    QAction* copyAction() const { return copy_; }
    QAction* saveAction() const { return save_; }
    QAction* printAction() const { return print_; }
    // The sizing page's menu, for other actions to join.
    QMenu* menu() const { return menu_; }

    // Enables the three actions, or disables them with the reason in their
    // text; true when enabled.
    bool refresh();
    // The page's menu, refreshed, for the given page position.
    QMenu* contextMenu();

    void copyResults();
    void saveReportAs();
    void printReport();
    // Writes the report at `path`, showing a message when it cannot; true when
    // written.
    bool saveReport(const QString& path);

    // The default file offered for the report.
    static QString defaultReportPath();

  private:
    // The design of the boxes when every input is in range and the engine is
    // bound; otherwise why not.
    std::optional<DesignValues> currentDesign(QString* why) const;
    std::optional<DesignStudy> studyCurrentDesign();
    void shortcut(const char* keys, QAction* action);

    QWidget* window_;
    DowelSizingPage* page_;
    QAction* copy_;
    QAction* save_;
    QAction* print_;
    QMenu* menu_;
};

}  // namespace tavrel
