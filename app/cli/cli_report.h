// The designs' results as text: an aligned table for reading, CSV or JSON for
// programs. One row per design and dowel case, texts as the window shows them.
// A run may be cut into parts (shards, or chunks computed on several cores):
// each part's text depends only on its own designs and where they stand in
// the run, so the parts joined in order are the text of the whole run.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "analysis/design_analysis.h"
#include "cli/cli_designs.h"
#include "cli/cli_options.h"
#include "cli/cli_output.h"

namespace tavrel::cli {

struct ReportSettings {
    Format format = Format::Table;
    bool allFields = false;
    UnitSystem units = UnitSystem::Us;
    std::vector<std::string> columns;  // copied columns, in front of every row
    bool check = false;                // the textbook check's columns after the engine's
};

class ReportWriter {
  public:
    virtual ~ReportWriter() = default;
    // What comes before the first design (the CSV header): in the first part only.
    virtual void begin() = 0;
    // A complete run of `design`; `first` when it is the first design of the run.
    virtual void design(const Design& design, const AnalysisRun& run, bool first) = 0;
    // What comes after the last design: in the last part only. `designs` when
    // the run had any.
    virtual void end(bool designs) = 0;
};

std::unique_ptr<ReportWriter> makeReportWriter(const ReportSettings& settings, Output& out);

// The built-in layout comparison table, one labelled CSV row per value.
void writeComparisonCsv(Output& out);

}  // namespace tavrel::cli
