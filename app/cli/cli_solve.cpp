#include "cli/cli_solve.h"

#include "analysis/grade_solver.h"

namespace tavrel::cli {

namespace {

ReportFileWriter& reportFileWriter() {
    static ReportFileWriter writer;
    return writer;
}

// One of the two options with its value, taken out of the arguments; the rest
// are the ordinary design options.
struct Extracted {
    std::string_view solve;   // the input's option name
    std::string_view report;  // the file
    bool solveGiven = false;
    bool reportGiven = false;
    std::vector<std::string_view> rest;
    std::string error;
};

// Whether `arg` is `option`, alone or with "=VALUE".
bool isOption(std::string_view arg, std::string_view option) {
    return arg == option || (arg.size() > option.size() && arg.substr(0, option.size()) == option &&
                             arg[option.size()] == '=');
}

Extracted extract(const std::vector<std::string_view>& args) {
    Extracted e;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        const bool solve = isOption(arg, "--solve");
        if (!solve && !isOption(arg, "--report")) {
            e.rest.push_back(arg);
            continue;
        }
        const std::string option = solve ? "--solve" : "--report";
        bool& given = solve ? e.solveGiven : e.reportGiven;
        std::string_view& value = solve ? e.solve : e.report;
        if (given) {
            e.error = option + ": given twice";
            return e;
        }
        given = true;
        if (arg.size() > option.size()) {
            value = arg.substr(option.size() + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            e.error = option + ": needs a value";
            return e;
        }
        if (value.empty()) {
            e.error = option + ": empty value";
            return e;
        }
    }
    return e;
}

bool mentions(const std::vector<std::string_view>& args, std::string_view option) {
    for (std::string_view arg : args) {
        if (isOption(arg, option)) return true;
    }
    return false;
}

void writeTable(const DesignValues& design, int input, const InputGrades& grades, UnitSystem units,
                Output& out) {
    out.write("Design:");
    for (int i = 0; i < kDesignInputCount; ++i) {
        out.write(i == 0 ? " " : ", ");
        out.write(kInputOptionNames[i]);
        out.put(' ');
        out.write(plainDecimal(static_cast<float>(fromAnalysisUnits(units, i, design[i]))));
        out.put(' ');
        out.write(inputScale(units, i).caption);
    }
    out.write("\nGrade changes as ");
    out.write(kInputOptionNames[input]);
    out.write(" runs from " + inputMinimumText(units, input) + " to " +
              inputMaximumText(units, input) + " " + inputScale(units, input).caption +
              ", the other inputs held:\n\n");
    out.write(std::string("Dowel (") + dowelUnit(units) +
              (units == UnitSystem::Us ? ")  " : ")   ") + "Value         Below         Above\n");
    for (int c = 0; c < kDowelCaseCount; ++c) {
        std::string label = dowelLabel(kDowelCases[c], units);
        label.resize(13, ' ');
        bool any = false;
        for (const GradeChange& change : grades.changes) {
            if (change.dowel != c) continue;
            any = true;
            std::string value = solvedValueText(input, change.value, units);
            value.resize(std::max<size_t>(value.size() + 1, 14), ' ');
            std::string below = gradeWord(change.below);
            below.resize(14, ' ');
            out.write(label + value + below + gradeWord(change.above) + "\n");
        }
        if (!any) {
            while (!label.empty() && label.back() == ' ') label.pop_back();
            label.resize(13, ' ');
            out.write(label + "no change in range\n");
        }
    }
}

}  // namespace

void setReportFileWriter(ReportFileWriter writer) {
    reportFileWriter() = std::move(writer);
}

bool asksForSolveOrReport(const std::vector<std::string_view>& args) {
    return mentions(args, "--solve") || mentions(args, "--report");
}

bool asksForReport(const std::vector<std::string_view>& args) {
    return mentions(args, "--report");
}

void writeGradeChanges(const DesignValues& design, int input, Format format,
                       CalclteFunction calclte, Output& out, UnitSystem units) {
    DesignAnalysis analysis;
    const InputGrades grades = solveInput(analysis, design, input, calclte);
    const std::string name = kInputOptionNames[input];
    switch (format) {
        case Format::Csv:
            out.write("dowel,input,value,grade_below,grade_above\n");
            for (const GradeChange& change : grades.changes) {
                out.write(dowelLabel(kDowelCases[change.dowel], units) + "," + name + "," +
                          solvedValueText(input, change.value, units) + "," +
                          gradeWord(change.below) + "," + gradeWord(change.above) + "\n");
            }
            break;
        case Format::Json: {
            out.write("{\"changes\": [");
            bool first = true;
            for (const GradeChange& change : grades.changes) {
                out.write(first ? "\n" : ",\n");
                first = false;
                out.write("  {\"dowel\": \"" + dowelLabel(kDowelCases[change.dowel], units) +
                          "\", \"input\": \"" + name +
                          "\", \"value\": " + solvedValueText(input, change.value, units) +
                          ", \"grade_below\": \"" + gradeWord(change.below) +
                          "\", \"grade_above\": \"" + gradeWord(change.above) + "\"}");
            }
            out.write("\n]}\n");
            break;
        }
        case Format::Table:
            writeTable(design, input, grades, units, out);
            break;
    }
    out.flush();
}

int runSolveOrReport(const std::vector<std::string_view>& args, Output& out, std::string& error,
                     const EngineBinder& engine) {
    auto fail = [&error](const std::string& message) {
        error = "tavrel-cli: " + message + "\n";
        return kExitBadInput;
    };
    const Extracted e = extract(args);
    if (!e.error.empty()) return fail(e.error);
    if (e.solveGiven && e.reportGiven) return fail("--solve and --report: one at a time");
    const ParsedArguments parsed = parseArguments(e.rest);
    if (!parsed.options) return fail(parsed.error);
    const Options& options = *parsed.options;
    const char* what = e.solveGiven ? "--solve" : "--report";
    if (options.help || options.version || options.comparison || options.allFields ||
        !options.sweeps.empty() || !options.designs.empty() || mentions(e.rest, "--shard") ||
        mentions(e.rest, "--jobs")) {
        return fail(std::string(what) +
                    ": takes one design's inputs only (no --sweep, --designs, --shard, --jobs, "
                    "--all-fields, --comparison, --help or --version)");
    }
    DesignValues design;
    for (int i = 0; i < kDesignInputCount; ++i) {
        design[i] = toAnalysisUnits(options.units, i, options.values[i]);
    }
    int input = -1;
    if (e.solveGiven) {
        input = inputByName(e.solve);
        if (input < 0) {
            return fail("--solve: '" + std::string(e.solve) + "' is not an input (" +
                        inputNameList() + ")");
        }
    } else if (mentions(e.rest, "--format")) {
        return fail("--report: writes a PDF file; --format does not apply");
    }

    std::string problem;
    const CalclteFunction calclte = engine(problem);
    if (calclte == nullptr) {
        error = "tavrel-cli: " + problem + "\n";
        return kExitEngineMissing;
    }
    if (e.solveGiven) {
        writeGradeChanges(design, input, options.format, calclte, out, options.units);
        return kExitOk;
    }

    const ReportFileWriter& write = reportFileWriter();
    const std::string path(e.report);
    const std::string failure =
        write ? write(path, design, options.units, calclte) : "this build cannot draw reports";
    if (!failure.empty()) {
        error = "tavrel-cli: --report: " + path + ": " + failure + "\n";
        return kExitWriteFailed;
    }
    return kExitOk;
}

std::string solveAndReportHelp() {
    return "\n"
           "One design, further:\n"
           "       tavrel-cli --solve NAME [INPUTS] [--format table|csv|json]\n"
           "       tavrel-cli --report FILE.pdf [INPUTS]\n"
           "  --solve NAME             for each dowel bar, every value of NAME (an input\n"
           "                           above) within its range, the other inputs held, at\n"
           "                           which the bar's grade changes, with the grade below\n"
           "                           and above; CSV columns dowel,input,value,grade_below,\n"
           "                           grade_above\n"
           "  --report FILE.pdf        write the evaluation report (inputs, method, results,\n"
           "                           working, textbook check, what makes each bar\n"
           "                           acceptable, sensitivity charts) as a PDF file;\n"
           "                           needs no display\n"
           "Both follow --units: values, bar sizes and stresses in the units chosen.\n";
}

}  // namespace tavrel::cli
