// The "Dowel Spacing" page: a dowel layout compared with the uniform baseline
// across one lane, as two bars, two layout drawings and the steel saved. The
// figures come from the built-in comparison table, never from the engine.
#pragma once

#include <array>
#include <optional>

#include "comparison/comparison_chart.h"
#include "comparison/comparison_scenario.h"
#include "comparison/comparison_table.h"
#include "window/tab_page.h"

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;

namespace tavrel {

class LineControl;
class ShapeControl;

class DowelSpacingPage : public TabPage {
  public:
    // `formLoading` is the window's start-up flag; the chart waits while it is set.
    DowelSpacingPage(QTabWidget* tabControl, const bool& formLoading);

    // Start-up's choices on this page, made while the window's flag holds the chart back.
    void setInitialChoices();
    void LoadComparisonTable();
    void UpdateComparisonChart();
    void DrawComparisonBars();

    void optAnType_Click(int Index);
    void optDowelSpac_Click(int Index);
    void optNumDowels_Click(int Index);
    void optDowelAlt_Click(int Index);
    void cboDia_Click();
    void cboPlotVar_Click() { UpdateComparisonChart(); }

    // How often the chart has been drawn since the page was built.
    int chartDrawCount() const { return chartDrawCount_; }
    const comparison::ComparisonBars& bars() const { return ComparisonBars; }

  private:
    using OptionGroup = std::array<QRadioButton*, comparison::kVariantCount>;

    void buildAnalysisChoice();
    void buildDowelSelection();
    void buildDrawings();
    void buildChart();

    void ShowDowelSpac() { showGroup(0); }
    void HideDowelSpac() { hideGroup(0); }
    void ShowNumDowels() { showGroup(1); }
    void HideNumDowels() { hideGroup(1); }
    void ShowDowelAlt() { showGroup(2); }
    void HideDowelAlt() { hideGroup(2); }
    void showGroup(int a);
    void hideGroup(int a);
    void variantChosen(int a);

    std::optional<int> analysisType() const;
    std::optional<int> variant(int a) const;
    QLabel* picture(comparison::Picture picture) const {
        return pictures_[static_cast<std::size_t>(picture)];
    }

    const bool& formLoading_;
    comparison::ComparisonTable ComparisonTable{};
    comparison::ComparisonBars ComparisonBars{};
    int chartDrawCount_ = 0;

    std::array<QRadioButton*, comparison::kAnalysisTypeCount> optAnType_{};
    std::array<QGroupBox*, comparison::kAnalysisTypeCount> framNumDowels_{};
    // optDowelSpac, optNumDowels, optDowelAlt: the variant group of each type.
    std::array<OptionGroup, comparison::kAnalysisTypeCount> variantOptions_{};

    QComboBox* cboDia_ = nullptr;
    QLabel* lblThixComment_ = nullptr;
    std::array<LineControl*, 4> linDowelPic_{};

    std::array<QLabel*, comparison::kPictureCount> pictures_{};
    QGroupBox* framSavings_ = nullptr;
    QLabel* lblSavings_ = nullptr;

    QComboBox* cboPlotVar_ = nullptr;
    std::array<QLabel*, 4> lblYaxis_{};
    ShapeControl* shpBar1_ = nullptr;
    ShapeControl* shpBar2_ = nullptr;
    QLabel* lblBar1_ = nullptr;
    QLabel* lblBar2_ = nullptr;
    QLabel* lblBar2a_ = nullptr;
    QLabel* lblBar1val_ = nullptr;
    QLabel* lblBar2val_ = nullptr;
    QLabel* lblPct_ = nullptr;
};

}  // namespace tavrel
