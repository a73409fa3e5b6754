// The "Dowel Sizing" page: seven design inputs and the table of the eight
// dowel cases, analysed again on every edit.
#pragma once

#include <QStringEncoder>
#include <array>
#include <string>

#include "analysis/design_analysis.h"
#include "analysis/textbook_check.h"
#include "platform/engine_library.h"
#include "window/sizing_layout.h"
#include "window/tab_page.h"

class QLabel;
class QLineEdit;

namespace tavrel {

class DowelSizingPage : public TabPage {
  public:
    // `engineFolder` is where the engine library is looked for.
    DowelSizingPage(QTabWidget* tabControl, const QString& engineFolder);

    // Reads the seven boxes and shows the table for them; every edit of a box runs it.
    void runAnalysis();

    // The seven input boxes in reading order (txtsd, txtw, txtk, txtLoad, txtEc,
    // txth, txtTirePres).
    const std::array<QLineEdit*, kDesignInputCount>& inputBoxes() const { return inputBoxes_; }
    QLabel* resultCell(ResultRow row, int column) const { return cells_[row][column]; }
    // The size head of bar `bar` (in the rules' order) on line `line`, from the top.
    QLabel* heading(int bar, int line) const;
    const std::array<QLabel*, sizing_layout::kHeadingLabelCount>& headings() const {
        return headings_;
    }
    const DesignAnalysis& analysis() const { return analysis_; }
    // The bound engine, or null when it cannot be loaded.
    CalclteFunction engine() { return engine_.calclte(); }
    // The latest complete run's figures, case by case.
    const AnalysisRun& lastRun() const { return lastRun_; }
    // The units of the boxes, the captions and the results; grades never
    // depend on them.
    UnitSystem units() const { return units_; }
    // Shows every caption, unit, range tooltip and result in `units`; a box
    // holding one number keeps its value, converted.
    void setUnits(UnitSystem units);
    // The seven values of the latest run, as the analysis reads them.
    DesignValues lastValues() const;
    // How the latest run ended, and the first input out of range when one was.
    AnalysisRun::Outcome lastOutcome() const { return lastOutcome_; }
    int firstInputOutOfRange() const { return inputsInRange_; }

    // The textbook check's choices, shown in the headings' tooltips.
    const CheckSettings& checkSettings() const { return checkSettings_; }
    void setCheckSettings(const CheckSettings& settings) {
        useCheckSettings(settings);
        runAnalysis();
    }
    // The same without a run, for a caller that runs the analysis itself.
    void useCheckSettings(const CheckSettings& settings) { checkSettings_ = settings; }

  private:
    void buildInputs();
    void buildLegend();
    void buildTable();
    void buildHeads();
    void showRun(AnalysisRun run);
    // The two strings a result cell's text alternates between.
    struct CellText {
        QString strings[2];
        int shown = 0;
    };
    static void showCellText(QLabel* cell, CellText& texts, const std::string& text);
    // Asks for the result cells to be drawn again; they never ask themselves.
    void redrawResults();
    void setResultsVisible(bool visible);
    void showNoGrades();

    void showUnitCaptions();

    EngineLibrary engine_;
    UnitSystem units_ = UnitSystem::Us;
    std::array<QLabel*, kDesignInputCount> unitLabels_{};
    QLabel* headsCaption_ = nullptr;
    QLabel* bearingCaption_ = nullptr;
    DesignAnalysis analysis_;
    AnalysisRun lastRun_;
    // Until the first run the boxes hold placeholders, none of them in range.
    AnalysisRun::Outcome lastOutcome_ = AnalysisRun::InputOutOfRange;
    int inputsInRange_ = 0;
    CheckSettings checkSettings_;
    // Kept between runs so that a keystroke reuses their storage.
    std::array<std::string, kDesignInputCount> typedTexts_;
    QStringEncoder utf8Encoder_{QStringEncoder::Utf8};
    std::string working_;
    std::string marked_;  // a cell's text with the mark, when it needs one
    std::array<std::string, kDowelCaseCount> shownWorking_;
    std::array<std::array<CellText, kDowelCaseCount>, kResultRowCount> cellTexts_;

    std::array<QLineEdit*, kDesignInputCount> inputBoxes_{};
    std::array<QLabel*, sizing_layout::kHeadingLabelCount> headings_{};
    std::array<std::array<QLabel*, kDowelCaseCount>, kResultRowCount> cells_{};
    QWidget* resultArea_ = nullptr;  // holds the forty result cells
    QLabel* engineProblem_ = nullptr;
};

}  // namespace tavrel
