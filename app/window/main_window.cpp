#include "window/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>

#include "analysis/program_version.h"
#include "links/guidelines.h"
#include "window/about/about_page.h"
#include "window/about/emblems.h"
#include "window/controls.h"
#include "window/design_actions.h"
#include "window/dowel_sizing_page.h"
#include "window/dowel_spacing_page.h"
#include "window/results_actions.h"
#include "window/twips.h"
#include "window/window_fonts.h"

namespace tavrel {

MainWindow::MainWindow(const QString& engineFolder) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral(" Tavrel Version 2.0"));  // replaced by start-up
    setFixedSize(twips::toPixels(11325), twips::toPixels(7845));

    QLabel* logo = controls::label(this, QStringLiteral("Image3"), QString(), {75, 0, 3210, 540});
    logo->setPixmap(QPixmap::fromImage(about::tavrelLogo()));
    QLabel* title = controls::label(this, QStringLiteral("Label1"),
                                    QStringLiteral("Dowel Comparison Analysis and Design"),
                                    {4200, 75, 7065, 465}, Qt::AlignRight | Qt::AlignTop);
    title->setFont(fonts::of("Arial", 15.75));

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("SSTab1"));
    // The sizing table's right-hand heavy rule stands at 11100 on the page; the
    // tab control is widened by those 45 twips (3 px) so the rule is not cut off.
    tabs_->setGeometry(twips::rect(75, 600, 11085 + 45, 7170));
    // No pane frame: the pages use the tab control's full width.
    tabs_->setDocumentMode(true);
    const QString folder =
        engineFolder.isEmpty() ? QCoreApplication::applicationDirPath() : engineFolder;
    sizingPage_ = new DowelSizingPage(tabs_, folder);
    spacingPage_ = new DowelSpacingPage(tabs_);
    aboutPage_ = new AboutPage(tabs_);
    tabs_->addTab(sizingPage_, QStringLiteral("Dowel Sizing"));
    tabs_->addTab(spacingPage_, QStringLiteral("Dowel Spacing"));
    tabs_->addTab(aboutPage_, QStringLiteral("About Tavrel"));
    tabs_->setCurrentIndex(0);
    // Turning the page moves the focus into the new page, to its first control
    // or to the one that last had it there. On the about page that is a link,
    // which Enter or Space would then open unasked: the focus stays on the tab
    // row instead, and Tab still leads to the links.
    connect(tabs_, &QTabWidget::currentChanged, this, [this] {
        if (aboutPage_->isLink(QApplication::focusWidget())) {
            tabs_->tabBar()->setFocus(Qt::OtherFocusReason);
        }
    });

    // Reachable from every page, so it stands over the tab control's top edge.
    QPushButton* guidelines =
        controls::button(this, QStringLiteral("cmdGuidelines"),
                         QStringLiteral("Jump to Guidelines"), {9450, 525, 1590, 315});
    guidelines->raise();
    connect(guidelines, &QPushButton::clicked, this, [] { links::openGuidelines(); });
    resultsActions_ = new ResultsActions(this, sizingPage_);
    designActions_ = new DesignActions(this, sizingPage_, spacingPage_, resultsActions_->menu());
    resultsActions_->setDetailsSource([this] { return designActions_->details(); });
    // A change of units is a change to the design's file.
    for (UnitSystem units : {UnitSystem::Us, UnitSystem::Si}) {
        connect(resultsActions_->unitsAction(units), &QAction::triggered, designActions_,
                &DesignActions::noteChange);
    }
    setAcceptDrops(true);

    startUp();
}

void MainWindow::startUp() {
    const InputDefaults defaults = inputDefaults();
    const auto& boxes = sizingPage_->inputBoxes();
    for (int i = 0; i < kDesignInputCount; ++i) {
        // Each box alone would run the analysis on a half-filled design: it runs
        // once, below, when all seven hold their defaults.
        const QSignalBlocker quiet(boxes[i]);
        boxes[i]->setText(QString::fromStdString(plainDecimal(defaults[i])));
        boxes[i]->setToolTip(QString::fromStdString(rangeTooltip(kDesignInputs[i])));
    }
    spacingPage_->chooseStartUpView();
    setWindowTitle(QString::fromStdString(versionCaption()));

    sizingPage_->runAnalysis();
    // The units of the last session; the defaults above are converted.
    if (ResultsActions::rememberedUnits() == UnitSystem::Si) {
        resultsActions_->chooseUnits(UnitSystem::Si);
    }
    spacingPage_->updateChart();

    // Typing right after the window opens goes into the first box and replaces
    // its default.
    QLineEdit* first = sizingPage_->inputBoxes()[0];
    first->setFocus(Qt::OtherFocusReason);
    first->selectAll();
}

namespace {

// The one design file a drop carries, or nothing.
QString droppedDesign(const QMimeData* data) {
    if (data == nullptr || data->urls().size() != 1) return QString();
    const QUrl& url = data->urls().front();
    if (!url.isLocalFile()) return QString();
    const QString path = url.toLocalFile();
    return path.endsWith(QStringLiteral(".tavrel"), Qt::CaseInsensitive) ? path : QString();
}

}  // namespace

void MainWindow::closeEvent(QCloseEvent* event) {
    if (designActions_->mayDiscard()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedDesign(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = droppedDesign(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    designActions_->openFile(path);
}

}  // namespace tavrel
