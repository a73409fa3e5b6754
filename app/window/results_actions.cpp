#include "window/results_actions.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QSettings>
#include <QShortcut>
#include <QStandardPaths>
#include <filesystem>

#include "report/design_report.h"
#include "window/dowel_sizing_page.h"
#include "window/local_path.h"

namespace tavrel {

namespace {

const QString kCopy = QStringLiteral("Copy Results");
const QString kSave = QStringLiteral("Save Report as PDF...");
const QString kPrint = QStringLiteral("Print Report...");
const QString kUnitsKey = QStringLiteral("units");

QString bareCaption(const char* caption) {
    QString text = QString::fromLatin1(caption);
    if (text.endsWith(QLatin1Char(':'))) text.chop(1);
    return text;
}

}  // namespace

ResultsActions::ResultsActions(QWidget* window, DowelSizingPage* page)
    : QObject(window),
      window_(window),
      page_(page),
      copy_(new QAction(kCopy, this)),
      save_(new QAction(kSave, this)),
      print_(new QAction(kPrint, this)),
      unitsUs_(new QAction(QStringLiteral("US"), this)),
      unitsSi_(new QAction(QStringLiteral("SI"), this)),
      menu_(new QMenu(page)) {
    menu_->setObjectName(QStringLiteral("mnuResults"));
    menu_->addAction(copy_);
    menu_->addSeparator();
    menu_->addAction(save_);
    menu_->addAction(print_);
    menu_->addSeparator();
    QMenu* units = menu_->addMenu(QStringLiteral("Units: US / SI"));
    units->setObjectName(QStringLiteral("mnuUnits"));
    auto* unitGroup = new QActionGroup(this);
    for (auto [action, system] :
         {std::pair{unitsUs_, UnitSystem::Us}, {unitsSi_, UnitSystem::Si}}) {
        action->setCheckable(true);
        action->setChecked(system == page->units());
        unitGroup->addAction(action);
        units->addAction(action);
        connect(action, &QAction::triggered, this, [this, system] { chooseUnits(system); });
    }
    connect(copy_, &QAction::triggered, this, &ResultsActions::copyResults);
    connect(save_, &QAction::triggered, this, &ResultsActions::saveReportAs);
    connect(print_, &QAction::triggered, this, &ResultsActions::printReport);

    // The text boxes keep their own menu; everywhere else on the page, this one.
    page->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(page, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { contextMenu()->popup(page_->mapToGlobal(at)); });

    shortcut("Ctrl+Shift+C", copy_);
    shortcut("Ctrl+E", save_);
    shortcut("Ctrl+P", print_);
}

void ResultsActions::chooseUnits(UnitSystem units) {
    page_->setUnits(units);
    unitsAction(units)->setChecked(true);
    QSettings().setValue(kUnitsKey,
                         units == UnitSystem::Si ? QStringLiteral("si") : QStringLiteral("us"));
}

UnitSystem ResultsActions::rememberedUnits() {
    return QSettings().value(kUnitsKey).toString() == QStringLiteral("si") ? UnitSystem::Si
                                                                           : UnitSystem::Us;
}

void ResultsActions::shortcut(const char* keys, QAction* action) {
    // A shortcut of its own rather than the action's, so that it still reaches
    // us while the action is disabled, and can beep.
    const QKeySequence sequence(QString::fromLatin1(keys));
    action->setShortcut(sequence);  // shown in the menu
    action->setShortcutContext(Qt::WidgetShortcut);
    auto* key = new QShortcut(sequence, window_);
    key->setContext(Qt::WindowShortcut);
    connect(key, &QShortcut::activated, this, [this, action] {
        if (refresh()) {
            action->trigger();
        } else {
            QApplication::beep();
        }
    });
}

std::optional<DesignValues> ResultsActions::currentDesign(QString* why) const {
    // The page's latest run read the boxes as they stand: every edit runs it.
    switch (page_->lastOutcome()) {
        case AnalysisRun::InputOutOfRange:
            *why = bareCaption(kDesignInputs[page_->firstInputOutOfRange()].caption) +
                   QStringLiteral(" is out of range");
            return std::nullopt;
        case AnalysisRun::EngineMissing:
            *why = QStringLiteral("no analysis engine");
            return std::nullopt;
        case AnalysisRun::Complete:
            break;
    }
    return page_->lastValues();
}

bool ResultsActions::refresh() {
    QString why;
    const bool ready = currentDesign(&why).has_value();
    for (auto [action, text] : {std::pair{copy_, kCopy}, {save_, kSave}, {print_, kPrint}}) {
        action->setEnabled(ready);
        action->setText(ready ? text : text + QStringLiteral(" (unavailable: %1)").arg(why));
    }
    return ready;
}

QMenu* ResultsActions::contextMenu() {
    refresh();
    // An opened design brings its own units; the menu shows the ones in force.
    unitsAction(page_->units())->setChecked(true);
    return menu_;
}

ReportModel ResultsActions::reportOf(const DesignStudy& study) const {
    ReportSettings settings =
        report::reportSettings(page_->units(), detailsSource_ ? detailsSource_() : ProjectDetails{},
                               QDateTime::currentDateTime());
    settings.check = page_->checkSettings();
    return buildReport(study, settings);
}

std::optional<DesignStudy> ResultsActions::studyCurrentDesign() {
    QString why;
    const std::optional<DesignValues> design = currentDesign(&why);
    if (!design) return std::nullopt;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::optional<DesignStudy> study = studyDesign(*design, page_->engine());
    QApplication::restoreOverrideCursor();
    return study;
}

void ResultsActions::copyResults() {
    if (!refresh()) return;
    // The page's latest complete run is the one the table shows.
    QApplication::clipboard()->setMimeData(
        report::resultsMimeData(page_->lastRun(), page_->lastValues(), page_->units()));
}

QString ResultsActions::defaultReportPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty()) folder = QDir::homePath();
    return QDir(folder).filePath(QStringLiteral("Tavrel design.pdf"));
}

void ResultsActions::saveReportAs() {
    if (!refresh()) return;
    QString path =
        QFileDialog::getSaveFileName(window_, QStringLiteral("Save Report as PDF"),
                                     defaultReportPath(), QStringLiteral("PDF documents (*.pdf)"));
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");
    saveReport(path);
}

bool ResultsActions::saveReport(const QString& path) {
    const std::optional<DesignStudy> study = studyCurrentDesign();
    const QString failure =
        study ? QString::fromStdString(report::writeReportPdf(localPath(path), reportOf(*study)))
              : QStringLiteral("The design cannot be analysed.");
    if (failure.isEmpty()) return true;
    QMessageBox::warning(window_, QStringLiteral("Save Report as PDF"),
                         QStringLiteral("The report could not be saved as\n%1\n\n%2")
                             .arg(QDir::toNativeSeparators(path), failure));
    return false;
}

void ResultsActions::printReport() {
    if (!refresh()) return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setDocName(QLatin1String(report::kReportTitle));
    QPrintDialog dialog(&printer, window_);
    dialog.setWindowTitle(QStringLiteral("Print Report"));
    if (dialog.exec() != QDialog::Accepted) return;
    const std::optional<DesignStudy> study = studyCurrentDesign();
    if (study) report::renderReport(printer, reportOf(*study));
}

}  // namespace tavrel
