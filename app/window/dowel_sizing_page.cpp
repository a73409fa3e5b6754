#include "window/dowel_sizing_page.h"

#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabWidget>
#include <algorithm>
#include <numeric>
#include <utility>

#include "analysis/design_file.h"
#include "analysis/results_table.h"
#include "analysis/working_summary.h"
#include "window/controls.h"
#include "window/grade_colours.h"
#include "window/sizing_layout.h"
#include "window/twips.h"
#include "window/window_colours.h"
#include "window/window_fonts.h"

namespace tavrel {

namespace {

using controls::Box;

const QColor kGreyBand(192, 192, 192);
const QColor kOutOfRange = colours::fromRgb(kOutOfRangeBox);
const QColor kInRange = colours::fromRgb(kInRangeBox);
const QColor kNoGrade = colours::fromRgb(kNoGradeHead);

// The table's rules: x of the vertical ones, y of the horizontal ones.
constexpr double kColumnRules[] = {150, 3150, 3750, 4500, 5400, 6525, 7800, 8775, 9900, 11100};
constexpr double kRowRules[] = {2775, 3975, 4500, 4875, 5250, 5625, 6000, 6375, 6750, 7125};
constexpr double kHeavyColumnRules[] = {150, 3150, 7800, 11100};
constexpr double kHeavyRowRules[] = {2775, 3975, 4500, 6000, 7125};
constexpr double kTableLeft = 150, kTableRight = 11100, kTableTop = 2775, kTableBottom = 7125;

double columnLeft(int column) {
    return kColumnRules[column + 1];
}
double columnWidth(int column) {
    return kColumnRules[column + 2] - kColumnRules[column + 1];
}

// A cell spans its column less 4 twips on either side.
Box cellBox(int column, double top, double height) {
    return {columnLeft(column) + 4, top, columnWidth(column) - 8, height};
}

// The legend's wording of the conditional grade: the conditions every surface
// names, in title case as the legend writes its captions.
template <size_t N>
bool contains(const double (&values)[N], double v) {
    for (double x : values) {
        if (x == v) return true;
    }
    return false;
}

// The captions themselves are shared with the report and the clipboard.
struct ResultRowLayout {
    const char* captionLabel;
    const char* cells;
    double top;
    const char* placeholder;
};

constexpr ResultRowLayout kResultRows[kResultRowCount] = {
    {"Label5", "lblDeflLTE", 4950, "99.9"},          {"Label6", "lblStressLTE", 5325, "99.9"},
    {"Label7", "lblEffectLTE", 5700, "99.9"},        {"Label9", "lblEdgeBearStress", 6450, "99999"},
    {"Label10", "lblCornBearStress", 6825, "99999"},
};

constexpr double kCellHeight = 200;
constexpr double kSectionBase = 3885;  // the cross-sections stand on this line

// The holder of the forty result cells, which draws them as QLabel would,
// from each label's text, alignment, font and colours. A run changes most of
// the cells, and a label redrawing itself asks Qt for a region of its own each
// time (heap blocks on every keystroke, and forty small rectangles to draw);
// so the labels keep their names, texts, colours and accessibility, but never
// draw or ask to be drawn, and the page redraws the holder once after a run.
class ResultCells : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        for (const QObject* child : children()) {
            const auto* cell = qobject_cast<const QLabel*>(child);
            if (cell == nullptr || cell->isHidden() ||
                !event->rect().intersects(cell->geometry())) {
                continue;
            }
            const QPalette& palette = cell->palette();
            if (cell->autoFillBackground()) painter.fillRect(cell->geometry(), palette.window());
            painter.setFont(cell->font());
            style()->drawItemText(&painter, cell->geometry(),
                                  static_cast<int>(cell->alignment()) | Qt::TextForceLeftToRight,
                                  palette, cell->isEnabled(), cell->text(), cell->foregroundRole());
        }
    }
};

}  // namespace

DowelSizingPage::DowelSizingPage(QTabWidget* tabControl, const QString& engineFolder)
    : TabPage(tabControl, QStringLiteral("SSTab1_page0")), engine_(engineFolder.toStdString()) {
    buildInputs();
    buildLegend();
    buildTable();
}

void DowelSizingPage::buildInputs() {
    QWidget* s = surface();
    for (int i = 0; i < kDesignInputCount; ++i) {
        using namespace sizing_layout;
        const DesignInput& input = kDesignInputs[i];
        const InputPlace& place = kInputs[i];
        const double left = place.left, top = place.top;
        auto* caption =
            controls::label(s, QLatin1String(place.caption), QLatin1String(input.caption),
                            {left + kCaptionOffset, top, kCaptionWidth, kRowHeight},
                            Qt::AlignRight | Qt::AlignVCenter);
        controls::setTextColour(caption, colours::kCaptionBlue);
        unitLabels_[i] = controls::label(s, QLatin1String(place.units), QLatin1String(input.units),
                                         {left + kUnitsOffset, top, kUnitsWidth, kRowHeight},
                                         Qt::AlignLeft | Qt::AlignVCenter);
        // The stored text is a placeholder that start-up replaces.
        const QString box = QLatin1String(place.box);
        QLineEdit* edit = controls::textBox(s, box, QLatin1String(input.caption),
                                            {left, top, kBoxWidth, kRowHeight});
        edit->setText(box);
        caption->setBuddy(edit);
        inputBoxes_[i] = edit;
        // Every edit runs the analysis; start-up fills the boxes with this held back.
        connect(edit, &QLineEdit::textChanged, this, &DowelSizingPage::runAnalysis);
    }
    // Tab walks the boxes as the page is read, row by row and left to right,
    // not in the order the analysis reads them.
    std::array<int, kDesignInputCount> reading;
    std::iota(reading.begin(), reading.end(), 0);
    std::sort(reading.begin(), reading.end(), [](int a, int b) {
        const auto& p = sizing_layout::kInputs[a];
        const auto& q = sizing_layout::kInputs[b];
        return p.top != q.top ? p.top < q.top : p.left < q.left;
    });
    for (int k = 1; k < kDesignInputCount; ++k) {
        setTabOrder(inputBoxes_[reading[k - 1]], inputBoxes_[reading[k]]);
    }
}

void DowelSizingPage::buildLegend() {
    QWidget* s = surface();
    const struct {
        const char* square;
        CaseGrade grade;
        double left;
        const char* label;
        double textWidth;
    } legend[] = {
        {"Shape7", CaseGrade::Acceptable, 150, "Label16", 1800},
        {"Shape6", CaseGrade::Conditional, 2325, "Label17", 6450},
        {"Shape5", CaseGrade::Unacceptable, 8850, "Label18", 2175},
    };
    for (const auto& entry : legend) {
        controls::shape(s, QLatin1String(entry.square), ShapeControl::Rectangle,
                        gradeColour(entry.grade), {entry.left, 2325, 315, 315});
        controls::label(
            s, QLatin1String(entry.label), QString::fromStdString(legendText(entry.grade)),
            {entry.left + 390, 2325, entry.textWidth, 315}, Qt::AlignLeft | Qt::AlignVCenter);
    }
}

// The size heads and the captions of the rows and sections.
void DowelSizingPage::buildHeads() {
    QWidget* s = surface();
    // Size heads: one per round bar, two stacked per elliptical bar.
    headsCaption_ = controls::label(s, QStringLiteral("Label3"), QLatin1String(kDowelHeadsCaption),
                                    {225, 4125, 2850, 255});
    headsCaption_->setFont(fonts::bold());
    for (int c = 0; c < kDowelCaseCount; ++c) {
        const DowelCase& dowel = kDowelCases[c];
        const std::array<std::string, 2> captions = headingCaptions(dowel);
        for (int h = 0; h < sizeLineCount(dowel); ++h) {
            // One tall heading per column, or two stacked: width over height.
            const Box box = sizeLineCount(dowel) == 1 ? cellBox(c, 3979, 517)
                                                      : cellBox(c, h == 0 ? 4000 : 4238, 238);
            const int i = sizing_layout::kHeadingLabels[c][h];
            QLabel* head =
                controls::label(s, controls::arrayName("lblDia", i),
                                QString::fromStdString(captions[h]), box, Qt::AlignCenter);
            controls::setOpaqueBackground(head, gradeColour(CaseGrade::Acceptable));
            headings_[i] = head;
        }
    }

    // Row captions and the result cells.
    QLabel* loadTransfer = controls::label(
        s, QStringLiteral("Label4"), QLatin1String(kLoadTransferSection), {225, 4575, 2850, 255});
    QLabel* bearing = controls::label(s, QStringLiteral("Label8"),
                                      QLatin1String(kBearingStressSection), {225, 6075, 2850, 255});
    bearingCaption_ = bearing;
    loadTransfer->setFont(fonts::bold());
    bearing->setFont(fonts::bold());
    for (int row = 0; row < kResultRowCount; ++row) {
        const ResultRowLayout& r = kResultRows[row];
        controls::label(s, QLatin1String(r.captionLabel), QLatin1String(kResultRowCaptions[row]),
                        {750, r.top - 30, 2325, 255})
            ->setFont(fonts::bold());
    }
}

void DowelSizingPage::buildTable() {
    QWidget* s = surface();
    // Bands first, rules over them, texts on top.
    controls::shape(s, QStringLiteral("Shape1"), ShapeControl::Rectangle, kGreyBand,
                    {3150, 4500, 7965, 390})
        ->setBorder(kGreyBand, 0);
    controls::shape(s, QStringLiteral("Shape2"), ShapeControl::Rectangle, kGreyBand,
                    {3150, 6000, 7965, 390})
        ->setBorder(kGreyBand, 0);
    int rule = 0;
    for (double x : kColumnRules) {
        controls::line(s, controls::arrayName("linTableColumn", rule++), x, kTableTop, x,
                       kTableBottom, contains(kHeavyColumnRules, x) ? 3 : 1);
    }
    rule = 0;
    for (double y : kRowRules) {
        controls::line(s, controls::arrayName("linTableRow", rule++), kTableLeft, y, kTableRight, y,
                       contains(kHeavyRowRules, y) ? 3 : 1);
    }

    // Cross-sections of the bars to scale, each centred in its column and
    // standing on one base line; round and elliptical bars are numbered apart.
    int rounds = 0, ellipses = 0;
    for (int c = 0; c < kDowelCaseCount; ++c) {
        const DowelCase& dowel = kDowelCases[c];
        const auto [w, h] = sizing_layout::kDrawnSections[c];
        const Box box{columnLeft(c) + (columnWidth(c) - w) / 2, kSectionBase - h, w, h};
        if (isRound(dowel)) {
            controls::shape(s, QStringLiteral("shpRound%1").arg(++rounds), ShapeControl::Circle,
                            colours::kRoundDowel, box);
        } else {
            controls::shape(s, QStringLiteral("shpEllipse%1").arg(++ellipses), ShapeControl::Oval,
                            colours::kEllipticalDowel, box);
        }
    }

    buildHeads();

    // The result cells stand in one transparent holder over the result rows,
    // which draws them (ResultCells).
    const double areaLeft = columnLeft(0), areaTop = kResultRows[0].top;
    const double areaRight = kTableRight,
                 areaBottom = kResultRows[kResultRowCount - 1].top + kCellHeight;
    resultArea_ = new ResultCells(s);
    resultArea_->setObjectName(QStringLiteral("resultArea"));
    resultArea_->setGeometry(
        twips::rect(areaLeft, areaTop, areaRight - areaLeft, areaBottom - areaTop));
    for (int row = 0; row < kResultRowCount; ++row) {
        const ResultRowLayout& r = kResultRows[row];
        for (int c = 0; c < kDowelCaseCount; ++c) {
            Box box = cellBox(c, r.top, kCellHeight);
            box.left -= areaLeft;
            box.top -= areaTop;
            QLabel* cell = controls::label(resultArea_, controls::arrayName(r.cells, c),
                                           QLatin1String(r.placeholder), box, Qt::AlignCenter);
            // A cell never changes size: a new text then asks for no new layout.
            cell->setFixedSize(cell->size());
            // The holder draws the cell, background included; Qt must not take
            // a cell with a background for opaque and leave its rectangle out of
            // the holder's drawing, so the role Qt fills from is transparent.
            cell->setUpdatesEnabled(false);
            QPalette palette = cell->palette();
            palette.setBrush(QPalette::Base, Qt::transparent);
            cell->setPalette(palette);
            cell->setBackgroundRole(QPalette::Base);
            cells_[row][c] = cell;
        }
    }

    // Shown only when the engine cannot be loaded.
    engineProblem_ = controls::label(s, QStringLiteral("lblEngineProblem"), QString(),
                                     {3300, 4935, 7650, 1000}, Qt::AlignCenter);
    engineProblem_->setWordWrap(true);
    controls::setOpaqueBackground(engineProblem_, Qt::white);
    controls::setTextColour(engineProblem_, QColor(160, 0, 0));
    engineProblem_->setFont(fonts::bold());
    engineProblem_->hide();
}

void DowelSizingPage::setResultsVisible(bool visible) {
    for (int c = 0; c < kDowelCaseCount; ++c) {
        for (int row = 0; row < kResultRowCount; ++row) cells_[row][c]->setVisible(visible);
    }
    redrawResults();
}

void DowelSizingPage::redrawResults() {
    resultArea_->update();
}

void DowelSizingPage::runAnalysis() {
    // The boxes' texts as UTF-8, in strings kept from run to run: one run
    // follows every keystroke, and typing must not churn the heap.
    std::array<std::string_view, kDesignInputCount> views;
    for (int i = 0; i < kDesignInputCount; ++i) {
        const QString text = inputBoxes_[i]->text();
        std::string& utf8 = typedTexts_[i];
        utf8.resize(static_cast<size_t>(utf8Encoder_.requiredSpace(text.size())));
        char* end = utf8Encoder_.appendToBuffer(utf8.data(), text);
        utf8.resize(static_cast<size_t>(end - utf8.data()));
        views[i] = utf8;
    }
    AnalysisRun run = analysis_.run(views, engine_.calclte(), units_);
    lastOutcome_ = run.outcome;
    inputsInRange_ = run.inputsInRange;

    // Boxes found in range lose the red of an earlier run; the first box out of
    // range turns red and ends the run.
    for (int i = 0; i < run.inputsInRange; ++i) {
        if (controls::backgroundColour(inputBoxes_[i]) == kOutOfRange) {
            controls::setBackgroundColour(inputBoxes_[i], kInRange);
        }
    }
    // The cells are hidden only when this run leaves them hidden: hiding and
    // showing forty of them on every keystroke costs more than the run itself,
    // and nothing is drawn in between.
    if (run.outcome == AnalysisRun::InputOutOfRange) {
        setResultsVisible(false);
        controls::setBackgroundColour(inputBoxes_[run.inputsInRange], kOutOfRange);
        return;
    }
    if (run.outcome == AnalysisRun::EngineMissing) {
        setResultsVisible(false);
        showNoGrades();
        engineProblem_->setText(QString::fromStdString(engine_.problem()));
        engineProblem_->show();
        return;
    }
    showRun(std::move(run));
    setResultsVisible(true);
}

void DowelSizingPage::showNoGrades() {
    // Without the engine nothing has been graded: the heads must not keep the
    // green they have before the first run, which reads as "acceptable".
    for (QLabel* head : headings_) {
        controls::setOpaqueBackground(head, kNoGrade);
        head->setToolTip(QString());
    }
    for (std::string& working : shownWorking_) working.clear();
}

void DowelSizingPage::showRun(AnalysisRun run) {
    lastRun_ = std::move(run);
    // The textbook check rides along in the tooltips: a second verdict that
    // never touches the grades or the page's layout.
    const TextbookCheck check = textbookCheck(analysis_.input(), checkSettings_);
    for (int c = 0; c < kDowelCaseCount; ++c) {
        const CaseResult& result = lastRun_.cases[c];
        for (int row = 0; row < kResultRowCount; ++row) {
            QLabel* cell = cells_[row][c];
            const ResultCell& value = result.cells[row];
            const bool converted =
                units_ != UnitSystem::Us && (row == EdgeStressRow || row == CornerStressRow);
            marked_ = converted ? bearingStressText(row == EdgeStressRow
                                                        ? result.engine.edgeBearingStress
                                                        : result.engine.cornerBearingStress,
                                                    units_)
                                : value.text;
            if (value.outsideFittedRange) marked_ += kOutsideMark;
            showCellText(cell, cellTexts_[row][c], marked_);
            if (!value.grade) continue;  // ungraded rows keep their background
            if (*value.grade == CaseGrade::Acceptable) {
                controls::setTransparentBackground(cell);
            } else {
                controls::setOpaqueBackground(cell, gradeColour(*value.grade));
            }
        }
        const DowelCase& dowel = kDowelCases[c];
        for (int h = 0; h < sizeLineCount(dowel); ++h) {
            controls::setOpaqueBackground(heading(c, h), gradeColour(result.grade));
        }
        // The working behind the grade, on hover over the bar's size.
        describeWorking(dowel, result.engine, working_, units_);
        working_ += "\n\n";
        appendCheckDescription(check, c, units_, working_);
        if (working_ == shownWorking_[c]) continue;
        shownWorking_[c] = working_;
        const QString working = QString::fromStdString(working_);
        for (int h = 0; h < sizeLineCount(dowel); ++h) heading(c, h)->setToolTip(working);
    }
    redrawResults();
}

void DowelSizingPage::setUnits(UnitSystem units) {
    if (units == units_) return;
    // The boxes' texts through the design document's conversion: a number is
    // converted, anything else stays as typed.
    DesignDocument document;
    document.units = units_;
    const auto names = designInputNames();
    for (int i = 0; i < kDesignInputCount; ++i) {
        document.inputs[names[i]] = inputBoxes_[i]->text().toStdString();
    }
    document = inUnits(std::move(document), units);
    units_ = units;
    for (int i = 0; i < kDesignInputCount; ++i) {
        const QSignalBlocker quiet(inputBoxes_[i]);
        inputBoxes_[i]->setText(QString::fromStdString(document.inputs[names[i]]));
    }
    showUnitCaptions();
    shownWorking_ = {};
    runAnalysis();
}

QLabel* DowelSizingPage::heading(int bar, int line) const {
    return headings_[sizing_layout::kHeadingLabels[bar][line]];
}

void DowelSizingPage::showUnitCaptions() {
    for (int i = 0; i < kDesignInputCount; ++i) {
        unitLabels_[i]->setText(QString::fromLatin1(inputScale(units_, i).caption));
        inputBoxes_[i]->setToolTip(QString::fromStdString(rangeTooltip(units_, i)));
    }
    headsCaption_->setText(QString::fromStdString(dowelHeadsCaption(units_)));
    bearingCaption_->setText(QString::fromStdString(bearingStressSectionCaption(units_)));
    for (int c = 0; c < kDowelCaseCount; ++c) {
        const DowelCase& dowel = kDowelCases[c];
        const std::array<std::string, 2> captions = dowelHeads(dowel, units_);
        for (int h = 0; h < sizeLineCount(dowel); ++h)
            heading(c, h)->setText(QString::fromStdString(captions[h]));
    }
}

DesignValues DowelSizingPage::lastValues() const {
    DesignValues values;
    for (int i = 0; i < kDesignInputCount; ++i)
        values[i] = analysis_.input().*kDesignInputs[i].field;
    return values;
}

void DowelSizingPage::showCellText(QLabel* cell, CellText& texts, const std::string& text) {
    const QLatin1String latin1(text.data(), static_cast<qsizetype>(text.size()));
    if (cell->text() == latin1) return;
    // The label shares the string it shows, so the new text is written into
    // the other of the cell's two strings, which nothing else holds any more:
    // its storage is reused instead of a new string being allocated.
    texts.shown ^= 1;
    QString& next = texts.strings[texts.shown];
    next.resize(latin1.size());
    for (qsizetype i = 0; i < latin1.size(); ++i) next[i] = latin1[i];
    cell->setText(next);
}

}  // namespace tavrel
