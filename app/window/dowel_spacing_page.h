// The "Dowel Spacing" page: a dowel layout compared with the uniform baseline
// across one lane, as two bars, two layout drawings and the steel saved. The
// figures come from the built-in comparison table, never from the engine.
#pragma once

#include <array>

#include "analysis/design_file.h"
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
    explicit DowelSpacingPage(QTabWidget* tabControl);

    // Start-up's choices on this page, made without drawing the chart: the
    // window draws it once when start-up is over.
    void chooseStartUpView();
    // Makes `choices` (each within its list) without drawing the chart, as
    // start-up does; the caller draws it.
    void showChoices(const SpacingChoices& choices);
    SpacingChoices choices() const;
    // Reads the page's choices and draws the chart for them; every choice runs it.
    void updateChart();

    // How often the chart has been drawn since the page was built.
    int chartDrawCount() const { return chartDrawCount_; }
    const comparison::ComparisonBars& bars() const { return bars_; }

  private:
    using OptionGroup = std::array<QRadioButton*, comparison::kVariantCount>;

    void buildAnalysisChoice();
    void buildDowelSelection();
    void buildDrawings();
    void buildChart();

    void onAnalysisTypeChosen(comparison::AnalysisType type);
    void onVariantChosen(comparison::AnalysisType type);
    void onDowelChosen();

    // The frame and layout pictures of an analysis type, the others hidden.
    void showAnalysisType(comparison::AnalysisType type);
    // Moves the marker under the chosen dowel and names its slab class.
    void showDowelMarker();
    void showLayoutPictures(comparison::AnalysisType type);
    void hideLayoutPictures(comparison::AnalysisType type);
    void drawBars(const comparison::ChartUpdate& update);

    comparison::AnalysisType analysisType() const;
    comparison::LayoutVariant variant(comparison::AnalysisType type) const;
    QLabel* picture(comparison::Picture picture) const {
        return pictures_[static_cast<std::size_t>(picture)];
    }

    comparison::ComparisonTable table_{};
    comparison::ComparisonBars bars_{};
    int chartDrawCount_ = 0;

    QButtonGroup* analysisTypeGroup_ = nullptr;
    std::array<QRadioButton*, comparison::kAnalysisTypeCount> analysisTypeOptions_{};
    // One frame of variants per analysis type, and its buttons.
    std::array<QGroupBox*, comparison::kAnalysisTypeCount> variantFrames_{};
    std::array<QButtonGroup*, comparison::kAnalysisTypeCount> variantGroups_{};
    std::array<OptionGroup, comparison::kAnalysisTypeCount> variantOptions_{};

    QComboBox* dowelList_ = nullptr;
    QLabel* slabClassLabel_ = nullptr;
    std::array<LineControl*, 4> markerLines_{};

    std::array<QLabel*, comparison::kPictureCount> pictures_{};
    QGroupBox* savingsFrame_ = nullptr;
    QLabel* savingsLabel_ = nullptr;

    QComboBox* quantityList_ = nullptr;
    std::array<QLabel*, 4> axisTitleLabels_{};
    ShapeControl* baselineBar_ = nullptr;
    ShapeControl* alternativeBar_ = nullptr;
    QLabel* baselineCaption_ = nullptr;
    QLabel* alternativeCaption_ = nullptr;
    QLabel* alternativeSubCaption_ = nullptr;
    QLabel* baselineValue_ = nullptr;
    QLabel* alternativeValue_ = nullptr;
    QLabel* percentLabel_ = nullptr;
};

}  // namespace tavrel
