#include "window/frm_main.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>

#include "analysis/start_up.h"
#include "links/emblems.h"
#include "links/guidelines.h"
#include "tavrel_version.h"
#include "window/about_page.h"
#include "window/controls.h"
#include "window/dowel_sizing_page.h"
#include "window/dowel_spacing_page.h"
#include "window/twips.h"
#include "window/window_fonts.h"

namespace tavrel {

frmMain::frmMain(const QString& engineFolder) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral(" Tavrel Version 2.0"));  // replaced by start-up
    setFixedSize(twips::toPixels(11325), twips::toPixels(7845));

    Image3_ = controls::label(this, QStringLiteral("Image3"), QString(), {75, 0, 3210, 540});
    Image3_->setPixmap(QPixmap::fromImage(links::tavrelLogo()));
    Label1_ = controls::label(this, QStringLiteral("Label1"),
                              QStringLiteral("Dowel Comparison Analysis and Design"),
                              {4200, 75, 7065, 465}, Qt::AlignRight | Qt::AlignTop);
    Label1_->setFont(fonts::of("Arial", 15.75));

    SSTab1_ = new QTabWidget(this);
    SSTab1_->setObjectName(QStringLiteral("SSTab1"));
    // The sizing table's right-hand heavy rule stands at 11100 on the page; the
    // tab control is widened by those 45 twips (3 px) so the rule is not cut off.
    SSTab1_->setGeometry(twips::rect(75, 600, 11085 + 45, 7170));
    // No pane frame: the pages use the tab control's full width.
    SSTab1_->setDocumentMode(true);
    const QString folder =
        engineFolder.isEmpty() ? QCoreApplication::applicationDirPath() : engineFolder;
    sizingPage_ = new DowelSizingPage(SSTab1_, FormLoading, folder);
    spacingPage_ = new DowelSpacingPage(SSTab1_, FormLoading);
    aboutPage_ = new AboutPage(SSTab1_);
    SSTab1_->addTab(sizingPage_, QStringLiteral("Dowel Sizing"));
    SSTab1_->addTab(spacingPage_, QStringLiteral("Dowel Spacing"));
    SSTab1_->addTab(aboutPage_, QStringLiteral("About Tavrel"));
    SSTab1_->setCurrentIndex(0);

    // Reachable from every page, so it stands over the tab control's top edge.
    cmdGuidelines_ = controls::button(this, QStringLiteral("cmdGuidelines"),
                                      QStringLiteral("Jump to Guidelines"), {9450, 525, 1590, 315});
    cmdGuidelines_->raise();
    connect(cmdGuidelines_, &QPushButton::clicked, this, &frmMain::cmdGuidelines_Click);

    Form_Load();
}

void frmMain::cmdGuidelines_Click() {
    links::openGuidelines();
}

void frmMain::Form_Load() {
    FormLoading = true;
    const InputDefaults defaults = SetDefaults();
    // Each text change raises its change handler, which returns at once.
    const auto& boxes = sizingPage_->inputBoxes();
    for (int i = 0; i < kDesignInputCount; ++i) {
        boxes[i]->setText(QString::fromStdString(plainDecimal(defaults[i])));
    }
    spacingPage_->setInitialChoices();
    for (int i = 0; i < kDesignInputCount; ++i) {
        boxes[i]->setToolTip(QString::fromStdString(rangeTooltip(kDesignInputs[i])));
    }
    setWindowTitle(QString::fromStdString(
        versionCaption(TAVREL_VERSION_MAJOR, TAVREL_VERSION_MINOR, TAVREL_VERSION_REVISION)));
    FormLoading = false;

    sizingPage_->RunAnalysis();
    spacingPage_->LoadComparisonTable();
    spacingPage_->UpdateComparisonChart();
}

}  // namespace tavrel
