#include "window/dowel_spacing_page.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QRadioButton>
#include <QSignalBlocker>

#include "comparison/dowel_selection.h"
#include "comparison/layout_drawing.h"
#include "window/controls.h"
#include "window/layout_pictures.h"
#include "window/line_control.h"
#include "window/shape_control.h"
#include "window/sizing_layout.h"
#include "window/spacing_layout.h"
#include "window/twips.h"
#include "window/window_colours.h"
#include "window/window_fonts.h"

namespace tavrel {

namespace {

using comparison::AnalysisType;
using comparison::kAnalysisTypeCount;
using comparison::kAnalysisTypes;
using comparison::kLayoutVariants;
using comparison::kVariantCount;
using comparison::LayoutVariant;
using comparison::Picture;
using controls::Box;
using namespace spacing_layout;

const QColor kDarkGrey(64, 64, 64);
const QColor kPurple(128, 0, 128);
const QColor kBaselineBarFill(64, 64, 64);
const QColor kAlternativeBarFill(0, 0, 64);
const QColor kAlternativeText(0, 0, 128);

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

// The choice of an exclusive group, one of whose buttons is checked from the start.
template <class Choice, std::size_t N>
Choice checkedChoice(const QButtonGroup* group, const std::array<Choice, N>& all) {
    return all.at(static_cast<std::size_t>(group->checkedId()));
}

template <class Choice, std::size_t N>
Choice currentChoice(const QComboBox* list, const std::array<Choice, N>& all) {
    return all.at(static_cast<std::size_t>(list->currentIndex()));
}

}  // namespace

DowelSpacingPage::DowelSpacingPage(QTabWidget* tabControl)
    : TabPage(tabControl, QStringLiteral("SSTab1_page1")) {
    comparison::loadComparisonTable(table_);
    buildAnalysisChoice();
    buildDowelSelection();
    buildDrawings();
    buildChart();
}

void DowelSpacingPage::buildAnalysisChoice() {
    QWidget* s = surface();
    QGroupBox* typeFrame = controls::frame(s, QStringLiteral("Frame1"),
                                           QStringLiteral("Analysis Type"), {150, 450, 2790, 1515});
    controls::setTextColour(typeFrame, colours::kCaptionBlue);
    analysisTypeGroup_ = new QButtonGroup(this);
    for (int a = 0; a < kAnalysisTypeCount; ++a) {
        analysisTypeOptions_[a] =
            blackOption(typeFrame, controls::arrayName("optAnType", a),
                        QString::fromStdString(comparison::analysisTypeCaption(kAnalysisTypes[a])),
                        {150, kOptionTops[a], 2520, 465});
        analysisTypeGroup_->addButton(analysisTypeOptions_[a], a);
    }

    for (int a = 0; a < kAnalysisTypeCount; ++a) {
        const AnalysisType type = kAnalysisTypes[a];
        const double width = kVariantFrames[a].width;
        QGroupBox* frame =
            controls::frame(s, QLatin1String(kVariantFrames[a].frame),
                            QString::fromStdString(comparison::variantFrameCaption(type)),
                            {150, 2025, width, 1890});
        controls::setTextColour(frame, colours::kCaptionBlue);
        auto* group = new QButtonGroup(this);
        for (int v = 0; v < kVariantCount; ++v) {
            QRadioButton* option = blackOption(
                frame, controls::arrayName(kVariantFrames[a].group, v),
                QString::fromStdString(comparison::variantCaption(type, kLayoutVariants[v])),
                {150, kOptionTops[v], width - 225, 465});
            group->addButton(option, v);
            variantOptions_[a][v] = option;
        }
        // The baseline is chosen until start-up picks otherwise.
        variantOptions_[a][0]->setChecked(true);
        // A change of choice toggles two buttons; only the newly checked one
        // reports, so a programmatic selection acts like a click.
        connect(group, &QButtonGroup::idToggled, this, [this, a](int, bool checked) {
            if (checked) onVariantChosen(kAnalysisTypes[a]);
        });
        frame->hide();
        variantFrames_[a] = frame;
        variantGroups_[a] = group;
    }
    analysisTypeOptions_[0]->setChecked(true);
    connect(analysisTypeGroup_, &QButtonGroup::idToggled, this, [this](int a, bool checked) {
        if (checked) onAnalysisTypeChosen(kAnalysisTypes[a]);
    });
}

void DowelSpacingPage::buildDowelSelection() {
    QGroupBox* selectionFrame =
        controls::frame(surface(), QStringLiteral("Frame2"), QStringLiteral("Dowel Selection"),
                        {75, 5025, 5490, 2040});
    controls::setTextColour(selectionFrame, colours::kCaptionBlue);
    QLabel* dowelCaption =
        controls::label(selectionFrame, QStringLiteral("Label21"),
                        QStringLiteral("Dowel Size/Shape:"), {150, 375, 1590, 255});
    controls::setTextColour(dowelCaption, colours::kCaptionBlue);

    QStringList items;
    for (comparison::DowelSelection d : comparison::kDowelSelections)
        items << QString::fromStdString(comparison::dowelItemCaption(d));
    dowelList_ = controls::dropDownList(selectionFrame, QStringLiteral("cboDia"), items,
                                        {1800, 300, 1665, 315});
    controls::setTextColour(dowelList_, Qt::black);

    // Layout placeholder; the first selection replaces it.
    slabClassLabel_ = controls::label(selectionFrame, QStringLiteral("lblThixComment"),
                                      QStringLiteral("Thick Slab (~14\")"), {3525, 375, 1815, 255},
                                      Qt::AlignRight | Qt::AlignTop);
    controls::setTextColour(slabClassLabel_, Qt::black);

    for (int d = 0; d < comparison::kDowelCount; ++d) {
        const DowelCase& dowel = comparison::selectedDowel(comparison::kDowelSelections[d]);
        const auto [width, height] = sizing_layout::drawnSection(dowel);
        const bool round = isRound(dowel);
        controls::shape(selectionFrame, controls::arrayName("shpDowelPic", d),
                        round ? ShapeControl::Circle : ShapeControl::Oval,
                        colours::fromRgb(dowelColour(dowel)),
                        {kDowelPictureLefts[d], kDowelPictureBase - height, width, height});
    }
    const auto lines = markerLines(kInitialMarkerCentre);
    for (int i = 0; i < 4; ++i) {
        const MarkerLine& l = lines[static_cast<std::size_t>(i)];
        markerLines_[i] = controls::line(selectionFrame, controls::arrayName("linDowelPic", i),
                                         l.x1, l.y1, l.x2, l.y2, 4);
        // The four strokes meet at the tip, at the inner corner and at the two
        // barbs; flat ends leave a notch at each meeting and a hole in the middle.
        markerLines_[i]->setCapStyle(Qt::RoundCap);
    }
    connect(dowelList_, &QComboBox::currentIndexChanged, this, &DowelSpacingPage::onDowelChosen);
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
        QLabel* image =
            controls::label(s, QLatin1String(kPictureNames[static_cast<int>(p)]), QString(), box);
        image->setPixmap(QPixmap::fromImage(pictureImage(p)));
        image->hide();
        pictures_[static_cast<std::size_t>(p)] = image;
    }
}

void DowelSpacingPage::buildChart() {
    QWidget* s = surface();
    QLabel* plotCaption = controls::label(s, QStringLiteral("Label25"), QStringLiteral("Plot:"),
                                          {4950, 3900, 450, 255});
    controls::setTextColour(plotCaption, colours::kCaptionBlue);
    QStringList quantities;
    for (comparison::Quantity q : comparison::kQuantities)
        quantities << QLatin1String(comparison::quantityFacts(q).listText);
    quantityList_ = controls::dropDownList(s, QStringLiteral("cboPlotVar"), quantities,
                                           {5400, 3825, 1965, 315});
    connect(quantityList_, &QComboBox::currentIndexChanged, this, &DowelSpacingPage::updateChart);

    // Steel savings, shown for the leave-out and alternate layouts only.
    savingsFrame_ =
        controls::frame(s, QStringLiteral("framSavings"), QString(), {4950, 4125, 2415, 465});
    const QColor highlight = savingsFrame_->palette().color(QPalette::Highlight);
    QLabel* savingsCaption =
        controls::label(savingsFrame_, QStringLiteral("Label12"), QStringLiteral("Steel Savings:"),
                        {75, 150, 1620, 240});
    savingsLabel_ = controls::label(savingsFrame_, QStringLiteral("lblSavings"),
                                    QStringLiteral("25%"), {1725, 150, 600, 240});
    for (QLabel* label : {savingsCaption, savingsLabel_}) {
        label->setFont(fonts::bold());
        controls::setTextColour(label, highlight);
    }
    savingsFrame_->hide();

    // Axes with an arrow head on the vertical one.
    controls::line(s, QStringLiteral("Line21"), 7800, 3750, 7800, 6525, 2);
    controls::line(s, QStringLiteral("Line22"), 7800, 6525, 10875, 6525, 2);
    controls::line(s, QStringLiteral("Line23"), 7725, 3900, 7800, 3750, 2);
    controls::line(s, QStringLiteral("Line24"), 7875, 3900, 7800, 3750, 2);

    // Layout geometry and captions until the first drawing replaces them.
    baselineBar_ = controls::shape(s, QStringLiteral("shpBar1"), ShapeControl::Rectangle,
                                   kBaselineBarFill, {kBarLefts[0], 5040, kBarWidth, 1500});
    alternativeBar_ = controls::shape(s, QStringLiteral("shpBar2"), ShapeControl::Rectangle,
                                      kAlternativeBarFill, {kBarLefts[1], 4540, kBarWidth, 2000});

    const auto axisTitles = comparison::axisTitle(comparison::Quantity::DowelBearingStress);
    for (int i = 0; i < 4; ++i) {
        const QByteArray name = QStringLiteral("lblYaxis%1").arg(i + 1).toLatin1();
        axisTitleLabels_[i] = chartLabel(s, name.constData(), QString::fromStdString(axisTitles[i]),
                                         {6450, 4725.0 + 225 * i, 1065, 225}, Qt::black,
                                         Qt::AlignRight | Qt::AlignTop);
    }
    // Until the first selection the chart names the first corner layout.
    const comparison::BarCaptions firstCaptions = comparison::barCaptions(
        comparison::AnalysisType::CornerSpacing, comparison::LayoutVariant::First);
    baselineCaption_ = chartLabel(s, "lblBar1", QString::fromStdString(firstCaptions.baseline),
                                  {7747, 6600, 1740, 225}, kDarkGrey);
    chartLabel(s, "lblBar1a", QString::fromStdString(comparison::baselineBarSubCaption()),
               {7747, 6825, 1740, 225}, kDarkGrey);
    alternativeCaption_ =
        chartLabel(s, "lblBar2", QString::fromStdString(firstCaptions.alternative),
                   {9337, 6600, 1740, 225}, kAlternativeText);
    alternativeSubCaption_ =
        chartLabel(s, "lblBar2a", QString(), {9337, 6825, 1740, 225}, kAlternativeText);
    baselineValue_ = chartLabel(s, "lblBar1val", QStringLiteral("9999"),
                                {kValueLefts[0], 4740, kValueWidth, kChartTextHeight}, kDarkGrey);
    alternativeValue_ =
        chartLabel(s, "lblBar2val", QStringLiteral("9999"),
                   {kValueLefts[1], 4240, kValueWidth, kChartTextHeight}, kAlternativeText);
    // Over the right bar, so created after it.
    percentLabel_ = chartLabel(s, "lblPct", QStringLiteral("+99%"),
                               {kPercentLeft, 4690, kPercentWidth, kChartTextHeight}, Qt::white);
}

void DowelSpacingPage::chooseStartUpView() {
    showChoices(SpacingChoices{});
}

void DowelSpacingPage::showChoices(const SpacingChoices& choices) {
    {
        // Each selection would otherwise draw the chart for a half-made choice.
        const QSignalBlocker quietDowels(dowelList_);
        const QSignalBlocker quietQuantities(quantityList_);
        const QSignalBlocker quietTypes(analysisTypeGroup_);
        const QSignalBlocker quietSpacings(variantGroups_[0]);
        const QSignalBlocker quietCounts(variantGroups_[1]);
        const QSignalBlocker quietAlternates(variantGroups_[2]);
        dowelList_->setCurrentIndex(choices.dowel);
        quantityList_->setCurrentIndex(choices.plottedQuantity);
        for (int a = 0; a < kAnalysisTypeCount; ++a)
            variantOptions_[a][choices.variants[a]]->setChecked(true);
        analysisTypeOptions_[choices.analysisType]->setChecked(true);
    }
    showDowelMarker();
    showAnalysisType(kAnalysisTypes[choices.analysisType]);
}

SpacingChoices DowelSpacingPage::choices() const {
    SpacingChoices choices;
    choices.analysisType = comparison::indexOf(analysisType());
    for (int a = 0; a < kAnalysisTypeCount; ++a)
        choices.variants[a] = comparison::indexOf(variant(kAnalysisTypes[a]));
    choices.dowel = dowelList_->currentIndex();
    choices.plottedQuantity = quantityList_->currentIndex();
    return choices;
}

AnalysisType DowelSpacingPage::analysisType() const {
    return checkedChoice(analysisTypeGroup_, kAnalysisTypes);
}

LayoutVariant DowelSpacingPage::variant(AnalysisType type) const {
    return checkedChoice(variantGroups_[comparison::indexOf(type)], kLayoutVariants);
}

void DowelSpacingPage::hideLayoutPictures(AnalysisType type) {
    // Everything any variant of the type can show.
    for (LayoutVariant v : kLayoutVariants) {
        const comparison::ScenarioView view = comparison::scenarioView(type, v);
        if (view.savingsVisible) savingsFrame_->hide();
        for (Picture p : comparison::kAllPictures) {
            if (view.visiblePictures.contains(p)) picture(p)->hide();
        }
    }
}

void DowelSpacingPage::showLayoutPictures(AnalysisType type) {
    const comparison::ScenarioView view = comparison::scenarioView(type, variant(type));
    savingsFrame_->setVisible(view.savingsVisible);
    for (Picture p : comparison::kAllPictures) {
        if (view.visiblePictures.contains(p)) picture(p)->show();
    }
    if (view.savingsVisible) savingsLabel_->setText(QString::fromStdString(view.savingsText));
}

void DowelSpacingPage::showAnalysisType(AnalysisType type) {
    for (AnalysisType a : kAnalysisTypes) {
        if (a != type) hideLayoutPictures(a);
    }
    showLayoutPictures(type);
    // Hide before showing, so two frames never stand on each other.
    for (AnalysisType a : kAnalysisTypes) {
        if (a != type) variantFrames_[comparison::indexOf(a)]->hide();
    }
    variantFrames_[comparison::indexOf(type)]->show();
}

void DowelSpacingPage::onAnalysisTypeChosen(AnalysisType type) {
    showAnalysisType(type);
    updateChart();
}

void DowelSpacingPage::onVariantChosen(AnalysisType type) {
    // A group's pictures belong to its own type; while another type is shown
    // they stay hidden.
    if (analysisType() == type) {
        hideLayoutPictures(type);
        showLayoutPictures(type);
    }
    updateChart();
}

void DowelSpacingPage::showDowelMarker() {
    const int d = dowelList_->currentIndex();
    const comparison::DowelSelection dowel =
        currentChoice(dowelList_, comparison::kDowelSelections);
    const float width =
        static_cast<float>(sizing_layout::drawnSection(comparison::selectedDowel(dowel)).width);
    const float centre = static_cast<float>(kDowelPictureLefts[d]) + width / 2.0f;
    const auto lines = markerLines(centre);
    for (int k = 0; k < 4; ++k) {
        const MarkerLine& l = lines[static_cast<std::size_t>(k)];
        markerLines_[k]->setX1(l.x1);
        markerLines_[k]->setX2(l.x2);
    }
    slabClassLabel_->setText(QString::fromStdString(comparison::slabClassCaption(dowel)));
}

void DowelSpacingPage::onDowelChosen() {
    showDowelMarker();
    updateChart();
}

void DowelSpacingPage::updateChart() {
    const AnalysisType a = analysisType();
    const comparison::ChartSelection selection{
        currentChoice(quantityList_, comparison::kQuantities),
        currentChoice(dowelList_, comparison::kDowelSelections), a, variant(a)};
    const comparison::ChartUpdate update = comparison::updateComparisonChart(table_, selection);
    for (int i = 0; i < 4; ++i)
        axisTitleLabels_[i]->setText(QString::fromStdString(update.axisTitle[i]));
    baselineCaption_->setText(QString::fromStdString(update.captions.baseline));
    alternativeCaption_->setText(QString::fromStdString(update.captions.alternative));
    alternativeSubCaption_->setText(QString::fromStdString(update.captions.alternativeSub));
    bars_ = update.bars;
    drawBars(update);
}

void DowelSpacingPage::drawBars(const comparison::ChartUpdate& update) {
    ++chartDrawCount_;
    const std::array<ShapeControl*, 2> bars = {baselineBar_, alternativeBar_};
    const std::array<QLabel*, 2> values = {baselineValue_, alternativeValue_};
    int alternativeTop = 0;
    for (int side = 0; side < 2; ++side) {
        const int height =
            comparison::barHeight(update.bars[side], update.fullScale, kFullScaleBarHeight);
        const int top = kBarFoot - height;
        values[side]->setText(QString::fromStdString(update.valueTexts[side]));
        bars[side]->setGeometry(twips::rect(kBarLefts[side], top, kBarWidth, height));
        values[side]->setGeometry(
            twips::rect(kValueLefts[side], top - kValueLabelRise, kValueWidth, kChartTextHeight));
        alternativeTop = top;
    }
    percentLabel_->setGeometry(twips::rect(kPercentLeft, alternativeTop + kPercentLabelDrop,
                                           kPercentWidth, kChartTextHeight));
    percentLabel_->setText(QString::fromStdString(update.percentText));
}

}  // namespace tavrel
