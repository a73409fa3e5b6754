#include "cli/cli_solve.h"

#include "analysis/grade_solver.h"

namespace tavrel::cli {

namespace {

ReportFileWriter& reportFileWriter() {
    static ReportFileWriter writer;
    return writer;
}

void writeTable(const DesignValues& design, int input, const InputGrades& grades, UnitSystem units,
                Output& out) {
    out.write("Design:");
    for (int i = 0; i < kDesignInputCount; ++i) {
        out.write(i == 0 ? " " : ", ");
        out.write(kDesignInputs[i].option);
        out.put(' ');
        out.write(plainDecimal(static_cast<float>(fromAnalysisUnits(units, i, design[i]))));
        out.put(' ');
        out.write(inputScale(units, i).caption);
    }
    out.write("\nGrade changes as ");
    out.write(kDesignInputs[input].option);
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

bool asksForReport(const std::vector<std::string_view>& args) {
    const ParsedArguments parsed = parseArguments(args);
    return parsed.options && !parsed.options->report.empty();
}

void writeGradeChanges(const DesignValues& design, int input, Format format,
                       CalclteFunction calclte, Output& out, UnitSystem units) {
    DesignAnalysis analysis;
    const InputGrades grades = solveInput(analysis, design, input, calclte);
    const std::string name = kDesignInputs[input].option;
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

int runSolveOrReport(const Options& options, Output& out, std::string& error,
                     const EngineBinder& engine) {
    DesignValues design;
    for (int i = 0; i < kDesignInputCount; ++i) {
        design[i] = toAnalysisUnits(options.units, i, options.values[i]);
    }
    std::string problem;
    const CalclteFunction calclte = engine(problem);
    if (calclte == nullptr) {
        error = "tavrel-cli: " + problem + "\n";
        return kExitEngineMissing;
    }
    if (options.solve) {
        writeGradeChanges(design, *options.solve, options.format, calclte, out, options.units);
        return kExitOk;
    }

    const ReportFileWriter& write = reportFileWriter();
    const std::string& path = options.report;
    // The check a design file asks for, or --check with its inputs; else the default.
    const CheckSettings check = options.check.value_or(CheckSettings{});
    const std::string failure =
        write ? write(path, design, options.units, options.details, check, calclte)
              : "this build cannot draw reports";
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
           "                           needs no display. FILE is replaced only once the\n"
           "                           whole report is on disk, and only if it is a regular\n"
           "                           file (a device, a FIFO or a folder is refused)\n"
           "Both follow --units: values, bar sizes and stresses in the units chosen.\n";
}

}  // namespace tavrel::cli
