// The designs' results as text: an aligned table for reading, CSV or JSON for
// programs. One row per design and dowel case, texts as the window shows them.
#pragma once

#include <memory>

#include "analysis/design_analysis.h"
#include "cli/cli_options.h"
#include "cli/cli_output.h"

namespace tavrel::cli {

class ReportWriter {
  public:
    virtual ~ReportWriter() = default;
    virtual void begin() = 0;
    // A complete run of `values`.
    virtual void design(const DesignValues& values, const AnalysisRun& run) = 0;
    virtual void end() = 0;
};

std::unique_ptr<ReportWriter> makeReportWriter(Format format, bool allFields, Output& out);

// The built-in layout comparison table, one labelled CSV row per value.
void writeComparisonCsv(Output& out);

}  // namespace tavrel::cli
