// The way the sizing page's answer leaves the window: "Copy Results", "Save
// Report as PDF..." and "Print Report...", in a context menu on the page and
// as shortcuts from any page. Nothing is added to the pages themselves.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

#include "analysis/design_study.h"
#include "analysis/report_model.h"
#include "analysis/units.h"

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
    // "US" and "SI" under "Units: US / SI"; the choice is remembered.
    QAction* unitsAction(UnitSystem units) const {
        return units == UnitSystem::Si ? unitsSi_ : unitsUs_;
    }
    // Shows the page in `units` and remembers the choice for the next session.
    void chooseUnits(UnitSystem units);
    // The units chosen in an earlier session: US until SI was picked.
    static UnitSystem rememberedUnits();
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

    // Where the report finds the design's project details.
    void setDetailsSource(std::function<ProjectDetails()> source) {
        detailsSource_ = std::move(source);
    }

    // The default file offered for the report.
    static QString defaultReportPath();

  private:
    // The design of the boxes when every input is in range and the engine is
    // bound; otherwise why not.
    std::optional<DesignValues> currentDesign(QString* why) const;
    std::optional<DesignStudy> studyCurrentDesign();
    // The report of `study` in the page's units, with its check settings.
    ReportModel reportOf(const DesignStudy& study) const;
    void shortcut(const char* keys, QAction* action);

    QWidget* window_;
    DowelSizingPage* page_;
    QAction* copy_;
    QAction* save_;
    QAction* print_;
    QAction* unitsUs_;
    QAction* unitsSi_;
    QMenu* menu_;
    std::function<ProjectDetails()> detailsSource_;
};

}  // namespace tavrel
