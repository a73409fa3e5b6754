#include "window/dowel_spacing_page.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QRadioButton>

#include "comparison/dowel_selection.h"
#include "comparison/layout_drawing.h"
#include "window/controls.h"
#include "window/layout_pictures.h"
#include "window/line_control.h"
#include "window/shape_control.h"
#include "window/twips.h"
#include "window/window_colours.h"
#include "window/window_fonts.h"

namespace tavrel {

namespace {

using comparison::kAnalysisTypeCount;
using comparison::kVariantCount;
using comparison::Picture;
using controls::Box;

const QColor kDarkGrey(64, 64, 64);
const QColor kPurple(128, 0, 128);
const QColor kBaselineBarFill(64, 64, 64);
const QColor kAlternativeBarFill(0, 0, 64);
const QColor kAlternativeText(0, 0, 128);

// The three variant frames share one place; only their widths differ.
constexpr double kVariantFrameWidth[kAnalysisTypeCount] = {2115, 2790, 2715};
constexpr double kOptionTops[] = {225, 600, 975, 1350};

// Dowel pictures inside the "Dowel Selection" frame; all stand on y = 1500.
constexpr struct {
    double top, height;
} kDowelPictureRows[comparison::kDowelCount] = {
    {1005, 495}, {870, 630}, {750, 750}, {1065, 435}, {930, 570}, {825, 675},
};

// Chart geometry fixed by the layout; only bar and label tops change.
constexpr double kBar1Left = 8160, kBar2Left = 9750, kBarWidth = 915;
constexpr double kBar1ValueLeft = 8235, kBar2ValueLeft = 9825, kValueWidth = 765;
constexpr double kPctLeft = 9675, kPctWidth = 1065;
constexpr double kChartTextHeight = 240;

QRadioButton* blackOption(QWidget* frame, const QString& name, const QString& caption, Box box) {
    QRadioButton* option = controls::option(frame, name, caption, box);
    controls::setTextColour(option, Qt::black);  // the frame's caption is blue, its options not
    return option;
}

QLabel* chartLabel(QWidget* parent, const char* name, const QString& caption, Box box,
                   QColor colour, Qt::Alignment alignment = Qt::AlignHCenter | Qt::AlignTop) {
    QLabel* label = controls::label(parent, QLatin1String(name), caption, box, alignment);
    label->setFont(fonts::bold());
    controls::setTextColour(label, colour);
    return label;
}

std::optional<int> firstChecked(const QRadioButton* const* buttons, int count) {
    for (int i = 0; i < count; ++i) {
        if (buttons[i]->isChecked()) return i;
    }
    return std::nullopt;
}

}  // namespace

DowelSpacingPage::DowelSpacingPage(QTabWidget* tabControl, const bool& formLoading)
    : TabPage(tabControl, QStringLiteral("SSTab1_page1")), formLoading_(formLoading) {
    buildAnalysisChoice();
    buildDowelSelection();
    buildDrawings();
    buildChart();
}

void DowelSpacingPage::buildAnalysisChoice() {
    QWidget* s = surface();
    QGroupBox* Frame1 = controls::frame(s, QStringLiteral("Frame1"),
                                        QStringLiteral("Analysis Type"), {150, 450, 2790, 1515});
    controls::setTextColour(Frame1, colours::kCaptionBlue);
    auto* typeGroup = new QButtonGroup(this);
    for (int a = 0; a < kAnalysisTypeCount; ++a) {
        optAnType_[a] = blackOption(Frame1, controls::arrayName("optAnType", a),
                                    QString::fromStdString(*comparison::analysisTypeCaption(a)),
                                    {150, kOptionTops[a], 2520, 465});
        typeGroup->addButton(optAnType_[a], a);
    }

    void (DowelSpacingPage::*variantHandlers[kAnalysisTypeCount])(int) = {
        &DowelSpacingPage::optDowelSpac_Click,
        &DowelSpacingPage::optNumDowels_Click,
        &DowelSpacingPage::optDowelAlt_Click,
    };
    for (int a = 0; a < kAnalysisTypeCount; ++a) {
        const double width = kVariantFrameWidth[a];
        QGroupBox* frame = controls::frame(
            s, QString::fromStdString(*comparison::variantFrameObjectName(a)),
            QString::fromStdString(*comparison::variantFrameCaption(a)), {150, 2025, width, 1890});
        controls::setTextColour(frame, colours::kCaptionBlue);
        const QByteArray groupName = QByteArray::fromStdString(*comparison::variantGroupName(a));
        auto* group = new QButtonGroup(this);
        for (int v = 0; v < kVariantCount; ++v) {
            QRadioButton* option =
                blackOption(frame, controls::arrayName(groupName.constData(), v),
                            QString::fromStdString(*comparison::variantCaption(a, v)),
                            {150, kOptionTops[v], width - 225, 465});
            group->addButton(option, v);
            variantOptions_[a][v] = option;
        }
        // The baseline is chosen until start-up picks otherwise.
        variantOptions_[a][0]->setChecked(true);
        // A change of choice toggles two buttons; only the newly checked one
        // reports, so a programmatic selection acts like a click.
        connect(group, &QButtonGroup::idToggled, this,
                [this, handler = variantHandlers[a]](int v, bool checked) {
                    if (checked) (this->*handler)(v);
                });
        frame->hide();
        framNumDowels_[a] = frame;
    }
    optAnType_[0]->setChecked(true);
    connect(typeGroup, &QButtonGroup::idToggled, this, [this](int a, bool checked) {
        if (checked) optAnType_Click(a);
    });
}

void DowelSpacingPage::buildDowelSelection() {
    QGroupBox* Frame2 = controls::frame(surface(), QStringLiteral("Frame2"),
                                        QStringLiteral("Dowel Selection"), {75, 5025, 5490, 2040});
    controls::setTextColour(Frame2, colours::kCaptionBlue);
    QLabel* Label21 = controls::label(Frame2, QStringLiteral("Label21"),
                                      QStringLiteral("Dowel Size/Shape:"), {150, 375, 1590, 255});
    controls::setTextColour(Label21, colours::kCaptionBlue);

    QStringList items;
    for (int d = 0; d < comparison::kDowelCount; ++d)
        items << QString::fromStdString(*comparison::dowelItemCaption(d));
    cboDia_ =
        controls::dropDownList(Frame2, QStringLiteral("cboDia"), items, {1800, 300, 1665, 315});
    controls::setTextColour(cboDia_, Qt::black);

    // Layout placeholder; the first selection replaces it.
    lblThixComment_ = controls::label(Frame2, QStringLiteral("lblThixComment"),
                                      QStringLiteral("Thick Slab (~14\")"), {3525, 375, 1815, 255},
                                      Qt::AlignRight | Qt::AlignTop);
    controls::setTextColour(lblThixComment_, Qt::black);

    for (int d = 0; d < comparison::kDowelCount; ++d) {
        const comparison::DowelPictureSpan span = *comparison::dowelPictureSpan(d);
        const bool round = d < 3;
        controls::shape(Frame2, controls::arrayName("shpDowelPic", d),
                        round ? ShapeControl::Circle : ShapeControl::Oval,
                        round ? colours::kRoundDowel : colours::kEllipticalDowel,
                        {static_cast<double>(span.left), kDowelPictureRows[d].top,
                         static_cast<double>(span.width), kDowelPictureRows[d].height});
    }
    const auto lines = comparison::markerLines(comparison::kInitialMarkerCentre);
    for (int i = 0; i < 4; ++i) {
        const comparison::MarkerLine& l = lines[static_cast<std::size_t>(i)];
        linDowelPic_[i] = controls::line(Frame2, controls::arrayName("linDowelPic", i), l.x1, l.y1,
                                         l.x2, l.y2, 4);
    }
    connect(cboDia_, &QComboBox::currentIndexChanged, this, &DowelSpacingPage::cboDia_Click);
}

void DowelSpacingPage::buildDrawings() {
    QWidget* s = surface();
    for (int i = 0; i < 2; ++i) {
        controls::shape(s, controls::arrayName("Shape4", i), ShapeControl::Rectangle, Qt::white,
                        {3075, i == 0 ? 525.0 : 2100.0, 7890, 1440});
    }
    const QFont titleFont = fonts::of("MS Sans Serif", 8.25, true);
    QLabel* baselineTitle =
        controls::label(s, controls::arrayName("Label22", 0),
                        QStringLiteral("Baseline Configuration"), {3150, 1650, 3000, 255});
    QLabel* alternativeTitle =
        controls::label(s, controls::arrayName("Label22", 1),
                        QStringLiteral("Alternative Configuration"), {3150, 3225, 3000, 255});
    baselineTitle->setFont(titleFont);
    alternativeTitle->setFont(titleFont);
    controls::setTextColour(baselineTitle, kDarkGrey);
    controls::setTextColour(alternativeTitle, kPurple);

    for (Picture p : comparison::kAllPictures) {
        const bool lane = comparison::laneDistances(p).has_value();
        const bool upper = p == Picture::Baseline || p == Picture::Corner06;
        const Box box = lane ? Box{3675, upper ? 600.0 : 2175.0, 7230, 1050}
                             : Box{7725, upper ? 600.0 : 2175.0, 2010, 1350};
        QLabel* image = controls::label(s, QString::fromStdString(comparison::pictureObjectName(p)),
                                        QString(), box);
        image->setPixmap(QPixmap::fromImage(pictureImage(p)));
        image->hide();
        pictures_[static_cast<std::size_t>(p)] = image;
    }
}

void DowelSpacingPage::buildChart() {
    QWidget* s = surface();
    QLabel* Label25 = controls::label(s, QStringLiteral("Label25"), QStringLiteral("Plot:"),
                                      {4950, 3900, 450, 255});
    controls::setTextColour(Label25, colours::kCaptionBlue);
    cboPlotVar_ = controls::dropDownList(
        s, QStringLiteral("cboPlotVar"),
        {QStringLiteral("Peak Dwl. Br. Stress"), QStringLiteral("Peak Edge Stress"),
         QStringLiteral("Peak Edge Deflect."), QStringLiteral("Peak Crnr. Deflect.")},
        {5400, 3825, 1965, 315});
    connect(cboPlotVar_, &QComboBox::currentIndexChanged, this,
            &DowelSpacingPage::cboPlotVar_Click);

    // Steel savings, shown for the leave-out and alternate layouts only.
    framSavings_ =
        controls::frame(s, QStringLiteral("framSavings"), QString(), {4950, 4125, 2415, 465});
    const QColor highlight = framSavings_->palette().color(QPalette::Highlight);
    QLabel* Label12 = controls::label(framSavings_, QStringLiteral("Label12"),
                                      QStringLiteral("Steel Savings:"), {75, 150, 1620, 240});
    lblSavings_ = controls::label(framSavings_, QStringLiteral("lblSavings"), QStringLiteral("25%"),
                                  {1725, 150, 600, 240});
    for (QLabel* label : {Label12, lblSavings_}) {
        label->setFont(fonts::bold());
        controls::setTextColour(label, highlight);
    }
    framSavings_->hide();

    // Axes with an arrow head on the vertical one.
    controls::line(s, QStringLiteral("Line21"), 7800, 3750, 7800, 6525, 2);
    controls::line(s, QStringLiteral("Line22"), 7800, 6525, 10875, 6525, 2);
    controls::line(s, QStringLiteral("Line23"), 7725, 3900, 7800, 3750, 2);
    controls::line(s, QStringLiteral("Line24"), 7875, 3900, 7800, 3750, 2);

    // Layout geometry and captions until the first drawing replaces them.
    shpBar1_ = controls::shape(s, QStringLiteral("shpBar1"), ShapeControl::Rectangle,
                               kBaselineBarFill, {kBar1Left, 5040, kBarWidth, 1500});
    shpBar2_ = controls::shape(s, QStringLiteral("shpBar2"), ShapeControl::Rectangle,
                               kAlternativeBarFill, {kBar2Left, 4540, kBarWidth, 2000});

    const char* axisTitles[4] = {"Dowel", "Bearing", "Stress", "(psi)"};
    for (int i = 0; i < 4; ++i) {
        const QByteArray name = QStringLiteral("lblYaxis%1").arg(i + 1).toLatin1();
        lblYaxis_[i] = chartLabel(s, name.constData(), QLatin1String(axisTitles[i]),
                                  {6450, 4725.0 + 225 * i, 1065, 225}, Qt::black,
                                  Qt::AlignRight | Qt::AlignTop);
    }
    lblBar1_ =
        chartLabel(s, "lblBar1", QStringLiteral("6\" Spac."), {7747, 6600, 1740, 225}, kDarkGrey);
    chartLabel(s, "lblBar1a", QString::fromStdString(comparison::baselineBarSubCaption()),
               {7747, 6825, 1740, 225}, kDarkGrey);
    lblBar2_ = chartLabel(s, "lblBar2", QStringLiteral("8\" Spac."), {9337, 6600, 1740, 225},
                          kAlternativeText);
    lblBar2a_ = chartLabel(s, "lblBar2a", QString(), {9337, 6825, 1740, 225}, kAlternativeText);
    lblBar1val_ = chartLabel(s, "lblBar1val", QStringLiteral("9999"),
                             {kBar1ValueLeft, 4740, kValueWidth, kChartTextHeight}, kDarkGrey);
    lblBar2val_ =
        chartLabel(s, "lblBar2val", QStringLiteral("9999"),
                   {kBar2ValueLeft, 4240, kValueWidth, kChartTextHeight}, kAlternativeText);
    // Over the right bar, so created after it.
    lblPct_ = chartLabel(s, "lblPct", QStringLiteral("+99%"),
                         {kPctLeft, 4690, kPctWidth, kChartTextHeight}, Qt::white);
}

void DowelSpacingPage::setInitialChoices() {
    cboDia_->setCurrentIndex(1);
    // Already the current item: Qt raises nothing, and the chart waits anyway.
    cboPlotVar_->setCurrentIndex(0);
    variantOptions_[2][1]->setChecked(true);
    variantOptions_[0][1]->setChecked(true);
    variantOptions_[1][1]->setChecked(true);
    // Already checked, so this raises nothing; the explicit call below sets the page.
    optAnType_[0]->setChecked(true);
    optAnType_Click(0);
}

void DowelSpacingPage::LoadComparisonTable() {
    comparison::loadComparisonTable(ComparisonTable);
}

std::optional<int> DowelSpacingPage::analysisType() const {
    return firstChecked(optAnType_.data(), kAnalysisTypeCount);
}

std::optional<int> DowelSpacingPage::variant(int a) const {
    return firstChecked(variantOptions_[a].data(), kVariantCount);
}

void DowelSpacingPage::hideGroup(int a) {
    // Everything any variant of type a can show.
    for (int v = 0; v < kVariantCount; ++v) {
        const comparison::ScenarioView view = *comparison::scenarioView(a, v);
        if (view.savingsVisible) framSavings_->hide();
        for (Picture p : comparison::kAllPictures) {
            if (view.visiblePictures.contains(p)) picture(p)->hide();
        }
    }
}

void DowelSpacingPage::showGroup(int a) {
    const comparison::ScenarioView view = *comparison::scenarioView(a, variant(a));
    framSavings_->setVisible(view.savingsVisible);
    for (Picture p : comparison::kAllPictures) {
        if (view.visiblePictures.contains(p)) picture(p)->show();
    }
    if (view.savingsText) lblSavings_->setText(QString::fromStdString(*view.savingsText));
}

void DowelSpacingPage::optAnType_Click(int Index) {
    switch (Index) {
        case 0:
            HideNumDowels();
            HideDowelAlt();
            ShowDowelSpac();
            break;
        case 1:
            HideDowelSpac();
            HideDowelAlt();
            ShowNumDowels();
            break;
        case 2:
            HideDowelSpac();
            HideNumDowels();
            ShowDowelAlt();
            break;
        default:
            UpdateComparisonChart();
            return;
    }
    // Hide before showing, so two frames never stand on each other.
    for (int a = 0; a < kAnalysisTypeCount; ++a) {
        if (a != Index) framNumDowels_[a]->hide();
    }
    framNumDowels_[Index]->show();
    UpdateComparisonChart();
}

void DowelSpacingPage::variantChosen(int a) {
    // A group's pictures belong to its own type; while another type is shown
    // (start-up selects in every group) they stay hidden.
    if (analysisType() == a) {
        hideGroup(a);
        showGroup(a);
    }
    UpdateComparisonChart();
}

void DowelSpacingPage::optDowelSpac_Click(int) {
    variantChosen(0);
}

void DowelSpacingPage::optNumDowels_Click(int) {
    variantChosen(1);
}

void DowelSpacingPage::optDowelAlt_Click(int) {
    variantChosen(2);
}

void DowelSpacingPage::cboDia_Click() {
    const int i = cboDia_->currentIndex();
    if (const std::optional<comparison::DowelMarker> marker = comparison::dowelMarker(i)) {
        for (int k = 0; k < 4; ++k) {
            const comparison::MarkerLine& l = marker->lines[static_cast<std::size_t>(k)];
            linDowelPic_[k]->setX1(l.x1);
            linDowelPic_[k]->setX2(l.x2);
        }
    }
    if (const std::optional<std::string> caption = comparison::slabClassCaption(i)) {
        lblThixComment_->setText(QString::fromStdString(*caption));
    }
    UpdateComparisonChart();
}

void DowelSpacingPage::UpdateComparisonChart() {
    // Start-up's selections raise this many times; the chart is drawn once at its end.
    if (formLoading_) return;
    const std::optional<int> a = analysisType();
    const comparison::ChartSelection selection{cboPlotVar_->currentIndex(), cboDia_->currentIndex(),
                                               a, a ? variant(*a) : std::nullopt};
    const comparison::ChartUpdate update =
        comparison::updateComparisonChart(ComparisonTable, selection, ComparisonBars);
    if (update.axisTitle) {
        for (int i = 0; i < 4; ++i)
            lblYaxis_[i]->setText(QString::fromStdString((*update.axisTitle)[i]));
    }
    if (update.baselineCaption) lblBar1_->setText(QString::fromStdString(*update.baselineCaption));
    if (update.alternativeCaption)
        lblBar2_->setText(QString::fromStdString(*update.alternativeCaption));
    if (update.alternativeSubCaption)
        lblBar2a_->setText(QString::fromStdString(*update.alternativeSubCaption));
    ComparisonBars = update.bars;
    DrawComparisonBars();
}

void DowelSpacingPage::DrawComparisonBars() {
    ++chartDrawCount_;
    const std::optional<comparison::BarsDrawing> drawing =
        comparison::drawComparisonBars(ComparisonBars, cboPlotVar_->currentIndex());
    if (!drawing) return;
    const comparison::BarGeometry& b1 = drawing->baseline;
    const comparison::BarGeometry& b2 = drawing->alternative;
    lblBar1val_->setText(QString::fromStdString(b1.valueText));
    lblBar2val_->setText(QString::fromStdString(b2.valueText));
    shpBar1_->setGeometry(twips::rect(kBar1Left, b1.top, kBarWidth, b1.height));
    shpBar2_->setGeometry(twips::rect(kBar2Left, b2.top, kBarWidth, b2.height));
    lblBar1val_->setGeometry(
        twips::rect(kBar1ValueLeft, b1.valueTop, kValueWidth, kChartTextHeight));
    lblBar2val_->setGeometry(
        twips::rect(kBar2ValueLeft, b2.valueTop, kValueWidth, kChartTextHeight));
    lblPct_->setGeometry(twips::rect(kPctLeft, drawing->percentTop, kPctWidth, kChartTextHeight));
    lblPct_->setText(QString::fromStdString(drawing->percentText));
}

}  // namespace tavrel
