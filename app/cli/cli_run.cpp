#include "cli/cli_run.h"

#include "cli/cli_report.h"
#include "cli/cli_solve.h"

namespace tavrel::cli {

long runStudy(const Options& options, CalclteFunction calclte, Output& out) {
    DesignAnalysis analysis;
    const std::unique_ptr<ReportWriter> writer =
        makeReportWriter(options.format, options.allFields, out);
    writer->begin();

    // An odometer over the sweeps: the last one turns fastest.
    DesignValues values = options.values;
    std::vector<size_t> position(options.sweeps.size(), 0);
    for (size_t s = 0; s < options.sweeps.size(); ++s) {
        values[options.sweeps[s].input] = options.sweeps[s].values[0];
    }
    for (;;) {
        const AnalysisRun run = analysis.run(values, calclte);
        // The options were checked against the same limits, so every design runs.
        if (run.outcome == AnalysisRun::Complete) writer->design(values, run);

        size_t s = options.sweeps.size();
        for (; s > 0; --s) {
            const Sweep& sweep = options.sweeps[s - 1];
            if (++position[s - 1] < sweep.values.size()) {
                values[sweep.input] = sweep.values[position[s - 1]];
                break;
            }
            position[s - 1] = 0;
            values[sweep.input] = sweep.values[0];
        }
        if (s == 0) break;  // every sweep wrapped round, or there are none
    }
    writer->end();
    out.flush();
    return analysis.engineCalls();
}

int runCli(const std::vector<std::string_view>& args, Output& out, std::string& error,
           const EngineBinder& engine) {
    if (asksForSolveOrReport(args)) return runSolveOrReport(args, out, error, engine);
    const ParsedArguments parsed = parseArguments(args);
    if (!parsed.options) {
        error = "tavrel-cli: " + parsed.error + "\n";
        return kExitBadInput;
    }
    const Options& options = *parsed.options;
    if (options.help) {
        out.write(helpText() + solveAndReportHelp());
        return kExitOk;
    }
    if (options.version) {
        out.write("tavrel-cli " TAVREL_VERSION "\n");
        return kExitOk;
    }
    if (options.comparison) {
        writeComparisonCsv(out);
        return kExitOk;
    }
    std::string problem;
    const CalclteFunction calclte = engine(problem);
    if (calclte == nullptr) {
        error = "tavrel-cli: " + problem + "\n";
        return kExitEngineMissing;
    }
    runStudy(options, calclte, out);
    return kExitOk;
}

}  // namespace tavrel::cli
