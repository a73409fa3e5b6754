// The evaluation report's content, built once from a design study: its title
// block, sections, tables, texts and charts (as series with their limits and
// marks), in the report's units. The window's PDF and printer renderer and
// the web page draw this same content, so that they never disagree on what
// the report says; only the drawing is theirs.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "analysis/design_file.h"
#include "analysis/design_study.h"
#include "analysis/results_table.h"
#include "analysis/textbook_check.h"
#include "analysis/units.h"

namespace tavrel {

inline constexpr const char* kReportTitle = "Tavrel dowel evaluation report";

// What the front end knows that the study does not.
struct ReportSettings {
    UnitSystem units = UnitSystem::Us;
    ProjectDetails project;  // the design's, each optional
    std::string made;        // the date and time the report names, "2026-12-07 21:41"
    std::string program;     // "Tavrel Version 2.0.020"
    CheckSettings check;     // the textbook check's choices
};

enum class ReportTextStyle { Body, Small, Strong };
struct ReportParagraph {
    std::string text;
    ReportTextStyle style = ReportTextStyle::Body;
};

// Label and value rows in two columns.
using ReportRow = std::pair<std::string, std::string>;
struct ReportPairs {
    std::vector<ReportRow> rows;
    bool indented = true;
};

// One bar's working: its name, then its lines.
struct ReportWorking {
    std::string bar;
    std::vector<std::string> lines;
};

// The sizing table as the window shows it, with the grade words in a last row.
struct ReportTable {
    std::string headsCaption;
    // An elliptical bar's width above its height; a round bar's second is empty.
    std::array<std::array<std::string, 2>, kDowelCaseCount> heads;
    std::array<CaseGrade, kDowelCaseCount> grades{};
    std::vector<ResultLine> lines;
};

// A plain table: a head row, then rows of text; the first column names the row.
struct ReportGrid {
    std::vector<std::string> head;
    std::vector<std::vector<std::string>> rows;
};

// A square of each grade's colour and its words.
struct ReportLegend {
    std::vector<std::pair<CaseGrade, std::string>> entries;
};

// An empty block for the signatures of who checks and who approves.
struct ReportSignOff {
    std::vector<std::string> roles;    // "Checked", "Approved"
    std::vector<std::string> columns;  // "Name", "Signature", "Date"
};

struct ChartSeries {
    std::string name;  // in the legend
    Rgb colour;
    bool dashed = false;
    std::vector<double> y;  // one per x; values that are not finite leave a gap
};
struct ChartBand {  // y values graded alike; `from` and `to` may be infinite
    double from, to;
    CaseGrade grade;
};
struct ChartLimit {
    double y;
    std::string label;  // "3,000 psi"
};
struct ChartSpan {  // x values where some curve leaves the fitted relations
    double from, to;
};
struct ReportChart {
    std::string title, xLabel, yLabel;
    std::vector<double> x;
    std::vector<ChartSeries> series;
    std::vector<ChartBand> bands;
    std::vector<ChartLimit> limits;
    std::vector<ChartSpan> outsideFitted;
    double designX = 0;
    std::string designLabel;  // "design: 12"
    double yFloor = 0;        // the y axis starts here
    double yCeiling = 0;      // and reaches at least this far (further if a curve does)
};
// Two charts side by side: bearing stress, then load transfer.
struct ReportChartPair {
    ReportChart left, right;
};

using ReportBlock = std::variant<ReportParagraph, ReportPairs, ReportWorking, ReportTable,
                                 ReportLegend, ReportSignOff, ReportChartPair, ReportGrid>;

struct ReportSection {
    std::string heading;  // empty for the title block
    bool startsPage = false;
    std::vector<ReportBlock> blocks;
};

struct ReportModel {
    std::string title, subtitle;
    std::string footer;  // project, revision and program; the renderer adds "page N of M"
    std::vector<ReportSection> sections;
};

ReportModel buildReport(const DesignStudy& study, const ReportSettings& settings);

// A number with a comma between each group of three digits ("4,000,000", "-1,250.5").
std::string groupThousands(const std::string& number);

// `value` with the fewest decimals from `decimals` up that show which side of
// `limit` it lies on: 3000.4 against 3000 reads "3000.4", not "3000".
std::string sideOfLimitText(double value, double limit, int decimals);

}  // namespace tavrel
