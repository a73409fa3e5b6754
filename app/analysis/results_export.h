// The sizing table of a complete run as other programs take it from the
// clipboard: tab-separated text for spreadsheets and coloured HTML.
#pragma once

#include <string>

#include "analysis/results_table.h"

namespace tavrel {

// A complete run of the design `values` for the clipboard, in `units`: the
// seven inputs with their units, a blank line, then the table: a header with
// "Dowel (in.)" (or "Dowel (mm)") and the bars, the two section rows with
// their units, one line per result row and a "Grade" line.
std::string resultsTabSeparated(const AnalysisRun& run, const DesignValues& values,
                                UnitSystem units = UnitSystem::Us);

// The same in HTML, coloured as the window colours it.
std::string resultsHtml(const AnalysisRun& run, const DesignValues& values,
                        UnitSystem units = UnitSystem::Us);

}  // namespace tavrel
