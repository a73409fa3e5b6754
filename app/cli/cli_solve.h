// --solve and --report: where each bar's grade changes as one input moves, and
// the design report as a PDF file, for the one design the options give.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_output.h"
#include "cli/cli_run.h"

namespace tavrel::cli {

// Whether the arguments ask for --report, which draws and so needs a GUI
// application.
bool asksForReport(const std::vector<std::string_view>& args);

// Writes the design report of `values` as a PDF at `path`; returns why it
// failed, or an empty text.
// Writes the report of `values` in `units`, naming the project `details`, with
// the textbook check as `check` chooses.
using ReportFileWriter = std::function<std::string(
    const std::string& path, const DesignValues& values, UnitSystem units,
    const ProjectDetails& details, const CheckSettings& check, CalclteFunction calclte)>;
// The report is drawn with Qt, which the rest of tavrel-cli does without:
// the program hands the writer in at start. Without one, --report fails.
void setReportFileWriter(ReportFileWriter writer);

// The solver's answer for input `input` as a table, CSV or JSON.
// Values and bar sizes in `units`.
void writeGradeChanges(const DesignValues& design, int input, Format format,
                       CalclteFunction calclte, Output& out, UnitSystem units = UnitSystem::Us);

// The options' --solve or --report, which runCli hands on.
int runSolveOrReport(const Options& options, Output& out, std::string& error,
                     const EngineBinder& engine);

// The lines --help adds for these two options.
std::string solveAndReportHelp();

}  // namespace tavrel::cli
