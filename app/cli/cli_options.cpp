#include "cli/cli_options.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "analysis/case_grade.h"
#include "analysis/number_reader.h"
#include "cli/cli_check.h"
#include "cli/cli_design.h"

namespace tavrel::cli {

namespace {

std::string quoted(std::string_view text) {
    std::string q;
    q.reserve(text.size() + 2);
    q += '\'';
    q += text;
    q += '\'';
    return q;
}

// The number of values FROM:TO:STEP runs through; the tolerance lets
// 0.1:0.3:0.1 end at 0.3 despite binary fractions.
double sweepLength(double from, double to, double step) {
    return std::floor((to - from) / step + 1e-9) + 1;
}

// A whole number from `minimum` to `maximum`, the whole text.
std::optional<long> readWholeNumber(std::string_view text, long minimum, long maximum) {
    long value = 0;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), value);
    if (r.ec != std::errc() || r.ptr != text.data() + text.size() || value < minimum ||
        value > maximum) {
        return std::nullopt;
    }
    return value;
}

std::optional<Sweep> readSweep(std::string_view text, UnitSystem units,
                               const std::array<bool, kDesignInputCount>& swept, long designsSoFar,
                               std::string& error) {
    const size_t equals = text.find('=');
    const size_t colon1 = text.find(':', equals == std::string_view::npos ? 0 : equals);
    const size_t colon2 = colon1 == std::string_view::npos ? colon1 : text.find(':', colon1 + 1);
    if (equals == std::string_view::npos || colon1 == std::string_view::npos ||
        colon2 == std::string_view::npos || text.find(':', colon2 + 1) != std::string_view::npos) {
        error = "--sweep: " + quoted(text) + " is not NAME=FROM:TO:STEP";
        return std::nullopt;
    }
    const std::string_view name = text.substr(0, equals);
    const int input = inputByOption(name);
    if (input < 0) {
        error = "--sweep: " + quoted(name) + " is not an input (" + inputOptionList() + ")";
        return std::nullopt;
    }
    const std::string what = "--sweep " + std::string(name);
    if (swept[input]) {
        error = what + ": given twice";
        return std::nullopt;
    }
    const std::optional<double> from = readInput(
        what + " FROM", units, input, text.substr(equals + 1, colon1 - equals - 1), error);
    if (!from) return std::nullopt;
    const std::optional<double> to =
        readInput(what + " TO", units, input, text.substr(colon1 + 1, colon2 - colon1 - 1), error);
    if (!to) return std::nullopt;
    const std::string_view stepText = text.substr(colon2 + 1);
    const std::optional<double> step = readCompleteNumber(stepText);
    if (!step || !(*step > 0) || !std::isfinite(*step)) {
        error = what + " STEP: " + quoted(stepText) + " is not a positive number";
        return std::nullopt;
    }
    if (*from > *to) {
        error = what + ": FROM " + std::string(text.substr(equals + 1, colon1 - equals - 1)) +
                " is above TO " + std::string(text.substr(colon1 + 1, colon2 - colon1 - 1));
        return std::nullopt;
    }
    // Counted, never built: a grid is walked value by value, so even the
    // largest takes no memory, and a tiny step fails here at once.
    const double count = sweepLength(*from, *to, *step);
    if (count > static_cast<double>(kMaxDesigns)) {
        error = what + ": STEP " + std::string(stepText) + " gives more than " +
                std::to_string(kMaxDesigns) + " values";
        return std::nullopt;
    }
    if (count * static_cast<double>(designsSoFar) > static_cast<double>(kMaxDesigns)) {
        error = "--sweep: the grid has more than " + std::to_string(kMaxDesigns) + " designs";
        return std::nullopt;
    }
    return Sweep{input, *from, *to, *step, static_cast<long>(count)};
}

std::optional<Shard> readShard(std::string_view text) {
    const size_t slash = text.find('/');
    if (slash == std::string_view::npos) return std::nullopt;
    const std::optional<long> count = readWholeNumber(text.substr(slash + 1), 1, kMaxDesigns);
    if (!count) return std::nullopt;
    const std::optional<long> index = readWholeNumber(text.substr(0, slash), 1, *count);
    if (!index) return std::nullopt;
    return Shard{*index, *count};
}

// While the arguments are read: the options so far, and what the checks
// after the last argument need.
struct Reading {
    Options options;
    std::array<bool, kDesignInputCount> swept{};
    long designs = 1;  // in the grid of the sweeps so far
    // Why the design file's text of an input cannot be taken; it matters only
    // when no option gives the input.
    std::array<std::string, kDesignInputCount> fileRefusals;
};

// Sets what option `option` with `value` (empty for an option without one)
// says; returns why it cannot, or nothing.
using Setter = std::string (*)(Reading&, const std::string& option, std::string_view value);

// One command-line option besides the seven inputs, which the rules name.
struct OptionRow {
    std::string_view name;  // without the dashes
    bool takesValue = true;
    Setter set = nullptr;
    // Allowed beside --solve and --report, which take one design.
    bool forOneDesign = false;
    // May be given more than once; the others are refused the second time.
    bool repeats = false;
    // Read before all others, wherever it stands: the inputs are read in its units.
    bool readFirst = false;
    const char* valueHint = "";  // added to "needs a value"
};

std::string setUnits(Reading& r, const std::string& option, std::string_view value) {
    if (value == "us") {
        r.options.units = UnitSystem::Us;
    } else if (value == "si") {
        r.options.units = UnitSystem::Si;
    } else {
        return option + ": " + quoted(value) + " is not one of us, si";
    }
    return {};
}

std::string setFormat(Reading& r, const std::string& option, std::string_view value) {
    if (value == "table") {
        r.options.format = Format::Table;
    } else if (value == "csv") {
        r.options.format = Format::Csv;
    } else if (value == "json") {
        r.options.format = Format::Json;
    } else {
        return option + ": " + quoted(value) + " is not one of table, csv, json";
    }
    return {};
}

std::string setSweep(Reading& r, const std::string&, std::string_view value) {
    std::string error;
    const std::optional<Sweep> sweep = readSweep(value, r.options.units, r.swept, r.designs, error);
    if (!sweep) return error;
    r.swept[sweep->input] = true;
    r.designs *= sweep->count;
    r.options.sweeps.push_back(*sweep);
    return {};
}

std::string setDesigns(Reading& r, const std::string& option, std::string_view value) {
    if (value.empty()) return option + ": needs a file name, or - for standard input";
    r.options.designs = value;
    return {};
}

std::string setJobs(Reading& r, const std::string& option, std::string_view value) {
    const std::optional<long> jobs = readWholeNumber(value, 1, kMaxJobs);
    if (!jobs) {
        return option + ": " + quoted(value) + " is not a whole number from 1 to " +
               std::to_string(kMaxJobs);
    }
    r.options.jobs = static_cast<int>(*jobs);
    return {};
}

std::string setShard(Reading& r, const std::string& option, std::string_view value) {
    const std::optional<Shard> shard = readShard(value);
    if (!shard) return option + ": " + quoted(value) + " is not I/N with 1 <= I <= N";
    r.options.shard = *shard;
    return {};
}

std::string setSolve(Reading& r, const std::string& option, std::string_view value) {
    if (value.empty()) return option + ": empty value";
    const int input = inputByOption(value);
    if (input < 0) {
        return option + ": " + quoted(value) + " is not an input (" + inputOptionList() + ")";
    }
    r.options.solve = input;
    return {};
}

std::string setReport(Reading& r, const std::string& option, std::string_view value) {
    if (value.empty()) return option + ": empty value";
    r.options.report = value;
    return {};
}

// --check and its added inputs, which --check must come with (checked last).
std::string setCheckOption(Reading& r, const std::string& option, std::string_view value) {
    std::string error;
    readCheckOption(std::string_view(option).substr(2), value, r.options, error);
    return error;
}

std::string setDesignFile(Reading& r, const std::string& option, std::string_view value) {
    if (value.empty()) return option + ": needs a file name";
    r.options.designFile = value;
    return {};
}

std::string setSaveDesign(Reading& r, const std::string& option, std::string_view value) {
    if (value.empty()) return option + ": needs a file name";
    r.options.saveDesign = value;
    return {};
}

template <std::string ProjectDetails::*detail>
std::string setDetail(Reading& r, const std::string& option, std::string_view value) {
    std::string text(value);
    const std::string refusal = checkDetailText(text);
    if (!refusal.empty()) return option + ": " + refusal;
    r.options.details.*detail = std::move(text);
    return {};
}

template <bool Options::*flag>
std::string setFlag(Reading& r, const std::string&, std::string_view) {
    r.options.*flag = true;
    return {};
}

// Those not for one design in the order --solve's refusal lists them.
constexpr OptionRow kOptionRows[] = {
    {.name = "units",
     .set = setUnits,
     .forOneDesign = true,
     .readFirst = true,
     .valueHint = " (us or si)"},
    {.name = "format", .set = setFormat, .forOneDesign = true},
    {.name = "sweep", .set = setSweep, .repeats = true},
    {.name = "designs", .set = setDesigns},
    {.name = "shard", .set = setShard},
    {.name = "jobs", .set = setJobs},
    {.name = "all-fields", .takesValue = false, .set = setFlag<&Options::allFields>},
    {.name = "quiet", .takesValue = false, .set = setFlag<&Options::quiet>, .forOneDesign = true},
    {.name = "check",
     .set = setCheckOption,
     .forOneDesign = true,
     .valueHint = " (friberg or friberg-1.8l)"},
    {.name = "fc", .set = setCheckOption, .forOneDesign = true},
    {.name = "fck", .set = setCheckOption, .forOneDesign = true},
    {.name = "load-share", .set = setCheckOption, .forOneDesign = true},
    {.name = "comparison", .takesValue = false, .set = setFlag<&Options::comparison>},
    {.name = "help", .takesValue = false, .set = setFlag<&Options::help>},
    {.name = "version", .takesValue = false, .set = setFlag<&Options::version>},
    {.name = "solve", .set = setSolve, .forOneDesign = true},
    {.name = "report", .set = setReport, .forOneDesign = true},
    {.name = "save-design", .set = setSaveDesign},
    {.name = "design", .set = setDesignFile, .forOneDesign = true, .readFirst = true},
    {.name = "project", .set = setDetail<&ProjectDetails::project>, .forOneDesign = true},
    {.name = "location", .set = setDetail<&ProjectDetails::location>, .forOneDesign = true},
    {.name = "joint", .set = setDetail<&ProjectDetails::joint>, .forOneDesign = true},
    {.name = "engineer", .set = setDetail<&ProjectDetails::engineer>, .forOneDesign = true},
    {.name = "checker", .set = setDetail<&ProjectDetails::checker>, .forOneDesign = true},
    {.name = "revision", .set = setDetail<&ProjectDetails::revision>, .forOneDesign = true},
    {.name = "notes", .set = setDetail<&ProjectDetails::notes>, .forOneDesign = true},
};
constexpr size_t kOptionRowCount = std::size(kOptionRows);
using RowsGiven = std::array<bool, kOptionRowCount>;

const OptionRow* findRow(std::string_view name) {
    for (const OptionRow& row : kOptionRows) {
        if (row.name == name) return &row;
    }
    return nullptr;
}

bool wasGiven(const RowsGiven& given, std::string_view name) {
    return given[static_cast<size_t>(findRow(name) - kOptionRows)];
}

// Whether `arg` is `option`, alone or with "=VALUE".
bool isOption(std::string_view arg, std::string_view option) {
    return arg == option || (arg.size() > option.size() && arg.substr(0, option.size()) == option &&
                             arg[option.size()] == '=');
}

// Whether --help or --version stands before "--": they win over every other
// argument, except beside --solve or --report, which refuse them. The help is
// in the units asked for, when that can be told.
bool scanForHelp(const std::vector<std::string_view>& args, Options& options) {
    Options scanned;
    bool oneDesign = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--") break;
        if (arg == "-h" || arg == "--help") scanned.help = true;
        if (arg == "--version") scanned.version = true;
        if (arg == "--units=si" || (arg == "--units" && i + 1 < args.size() && args[i + 1] == "si"))
            scanned.units = UnitSystem::Si;
        oneDesign = oneDesign || isOption(arg, "--solve") || isOption(arg, "--report");
    }
    if (!(scanned.help || scanned.version) || oneDesign) return false;
    options = scanned;
    return true;
}

std::string setInput(Reading& r, const std::string& option, int input, std::string_view value) {
    if (r.options.given[input]) return option + ": given twice";
    r.options.given[input] = true;
    std::string error;
    const std::optional<double> number = readInput(option, r.options.units, input, value, error);
    if (!number) return error;
    r.options.values[input] = *number;
    r.options.texts[input] = value;
    return {};
}

// Reads the option args[i] and its value, which may be the next argument. The
// first pass reads only the options read first, and no value but theirs.
std::string readOption(const std::vector<std::string_view>& args, size_t& i, bool firstPass,
                       Reading& r, RowsGiven& given) {
    const std::string_view arg = args[i];
    const size_t equals = arg.find('=');
    const std::string_view name =
        arg.substr(2, equals == std::string_view::npos ? std::string_view::npos : equals - 2);
    const std::string option = "--" + std::string(name);
    const int input = inputByOption(name);
    const OptionRow* row = input < 0 ? findRow(name) : nullptr;
    if (firstPass && (row == nullptr || !row->readFirst)) return {};
    if (input < 0 && row == nullptr) return "unknown option " + quoted(option) + " (see --help)";

    std::string_view value;
    if (row != nullptr && !row->takesValue) {
        if (equals != std::string_view::npos) return option + ": takes no value";
    } else if (equals != std::string_view::npos) {
        value = arg.substr(equals + 1);
    } else if (i + 1 < args.size()) {
        value = args[++i];
    } else {
        return option + ": needs a value" +
               (input >= 0 ? " " + allowedRange(r.options.units, input) : row->valueHint);
    }
    if (input >= 0) return setInput(r, option, input, value);
    if (row->readFirst && !firstPass) return {};
    bool& rowGiven = given[static_cast<size_t>(row - kOptionRows)];
    if (rowGiven && !row->repeats) return option + ": given twice";
    rowGiven = true;
    return row->set(r, option, value);
}

// Reads every argument (the first pass: the options read first); returns the
// first refusal, or nothing.
std::string readArguments(const std::vector<std::string_view>& args, bool firstPass, Reading& r,
                          RowsGiven& given) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--") {
            if (firstPass) return {};
            if (++i == args.size()) return {};
            return "unexpected argument " + quoted(args[i]) + " (see --help)";
        }
        if (arg.size() < 3 || arg.substr(0, 2) != "--") {
            if (firstPass) continue;
            return "unexpected argument " + quoted(arg) + " (see --help)";
        }
        std::string error = readOption(args, i, firstPass, r, given);
        if (!error.empty()) return error;
    }
    return {};
}

// --solve and --report take one design, in the window's units.
std::string checkOneDesign(const Options& options, const RowsGiven& given) {
    if (options.solve && !options.report.empty()) return "--solve and --report: one at a time";
    const std::string what = options.solve ? "--solve" : "--report";
    std::string refused;
    bool any = false;
    for (size_t k = 0; k < kOptionRowCount; ++k) {
        if (kOptionRows[k].forOneDesign) continue;
        any = any || given[k];
        refused += (refused.empty() ? "" : ", ") + ("--" + std::string(kOptionRows[k].name));
    }
    if (any) {
        const size_t last = refused.rfind(", ");
        refused.replace(last, 2, " or ");
        return what + ": takes one design's inputs only (no " + refused + ")";
    }
    if (!options.report.empty() && wasGiven(given, "format"))
        return "--report: writes a PDF file; --format does not apply";
    return {};
}

// What the options cannot be together.
std::string checkCombinations(const Reading& r, const RowsGiven& given) {
    const Options& options = r.options;
    for (int i = 0; i < kDesignInputCount; ++i) {
        if (options.given[i] && r.swept[i]) {
            return std::string("--sweep ") + kDesignInputs[i].option + ": conflicts with --" +
                   kDesignInputs[i].option;
        }
    }
    if (!options.designs.empty() && !options.sweeps.empty())
        return "--designs: cannot be combined with --sweep";
    if (options.comparison) {
        bool designOptions = options.allFields || options.check.has_value() ||
                             !options.sweeps.empty() || !options.designs.empty() ||
                             wasGiven(given, "shard") || wasGiven(given, "units");
        for (bool g : options.given) designOptions = designOptions || g;
        if (designOptions) return "--comparison: takes no design inputs, sweeps or --all-fields";
        if (options.format != Format::Csv && wasGiven(given, "format"))
            return "--comparison: prints CSV only";
    }
    for (int i = 0; i < kDesignInputCount; ++i) {
        if (!options.given[i] && !r.swept[i] && !r.fileRefusals[i].empty())
            return r.fileRefusals[i];
    }
    if (!options.saveDesign.empty() &&
        (!options.sweeps.empty() || !options.designs.empty() || options.comparison))
        return "--save-design: saves one design (no --sweep, --designs or --comparison)";
    if (options.solve && (wasGiven(given, "check") || wasGiven(given, "fc") ||
                          wasGiven(given, "fck") || wasGiven(given, "load-share")))
        return "--solve: finds grade changes only (no --check, --fc, --fck or --load-share)";
    if (options.solve || !options.report.empty()) return checkOneDesign(options, given);
    return {};
}

}  // namespace

double Sweep::value(long i) const {
    return std::min(from + static_cast<double>(i) * step, to);
}

std::vector<float> sweepValues(double from, double to, double step) {
    const Sweep sweep{0, from, to, step, static_cast<long>(sweepLength(from, to, step))};
    std::vector<float> values;
    values.reserve(static_cast<size_t>(sweep.count));
    for (long i = 0; i < sweep.count; ++i) values.push_back(static_cast<float>(sweep.value(i)));
    return values;
}

long designCount(const Options& options) {
    long count = 1;
    for (const Sweep& sweep : options.sweeps) count *= sweep.count;
    return count;
}

std::string allowedRange(UnitSystem units, int input) {
    return "(allowed: " + inputMinimumText(units, input) + " to " + inputMaximumText(units, input) +
           " " + inputScale(units, input).caption + ")";
}

std::optional<double> readInput(std::string_view what, UnitSystem units, int input,
                                std::string_view text, std::string& error) {
    if (text.empty()) {
        error = std::string(what) + ": empty value " + allowedRange(units, input);
        return std::nullopt;
    }
    const std::optional<double> number = readCompleteNumber(text);
    if (!number) {
        error = std::string(what) + ": " + quoted(text) + " is not a number " +
                allowedRange(units, input);
        return std::nullopt;
    }
    // The window's own check, on the value the analysis will take.
    if (!inRange(toAnalysisUnits(units, input, *number), kDesignInputs[input])) {
        error = std::string(what) + ": " + std::string(text) + " is out of range " +
                allowedRange(units, input);
        return std::nullopt;
    }
    return number;
}

ParsedArguments parseArguments(const std::vector<std::string_view>& args) {
    Reading r;
    if (scanForHelp(args, r.options)) return {r.options, {}};
    RowsGiven given{};
    std::string error = readArguments(args, true, r, given);
    std::optional<DesignDocument> file;
    if (error.empty() && !r.options.designFile.empty()) {
        // Everything, --solve and --report too, follows the design's units.
        file = readDesignOption(r.options, wasGiven(given, "units"), false, error);
    }
    if (error.empty()) {
        const InputDefaults defaults = inputDefaults();
        for (int i = 0; i < kDesignInputCount; ++i)
            r.options.values[i] = fromAnalysisUnits(r.options.units, i, defaults[i]);
        if (file) takeDesignInputs(*file, r.options, r.fileRefusals);
        if (file) takeDesignCheck(*file, r.options.designFile, r.options, error);
        if (error.empty()) error = readArguments(args, false, r, given);
    }
    if (error.empty()) finishCheckOptions(r.options, error);
    if (error.empty()) error = checkCombinations(r, given);
    if (!error.empty()) return {std::nullopt, error};
    return {r.options, {}};
}

namespace {

// One line per input: its option, caption, default and range in `units`.
std::string inputsHelp(UnitSystem units) {
    std::string text =
        units == UnitSystem::Si
            ? "Inputs in SI units (default, allowed range; a value must be a complete number):\n"
            : "Inputs (default, allowed range; a value must be a complete number):\n";
    const InputDefaults defaults = inputDefaults();
    for (int i = 0; i < kDesignInputCount; ++i) {
        const DesignInput& d = kDesignInputs[i];
        std::string line = std::string("  --") + d.option + " VALUE";
        line.resize(27, ' ');
        line += std::string(d.caption) + " " +
                plainDecimal(static_cast<float>(fromAnalysisUnits(units, i, defaults[i]))) + " " +
                inputScale(units, i).caption + " (" + inputMinimumText(units, i) + " to " +
                inputMaximumText(units, i) + ")\n";
        text += line;
    }
    return text;
}

std::string gradesHelp() {
    return "Grades: acceptable; conditional; unacceptable.\n"
           "conditional: " +
           conditionalGradeMeaning() +
           "\n"
           "Grades are decided on the analysis's own values, so a design gets the same grade\n"
           "in both unit systems.\n";
}

}  // namespace

std::string helpText(UnitSystem units) {
    std::string text =
        // One line per form, the second led by "or:", as help2man reads a synopsis.
        "Usage: tavrel-cli [OPTION]...\n"
        "  or:  tavrel-cli --designs FILE|- [OPTION]...\n"
        "  or:  tavrel-cli --design FILE.tavrel [OPTION]...\n"
        "  or:  tavrel-cli --comparison\n"
        "\n"
        "Analyses the eight dowel bars for one design, a grid of designs or a list of\n"
        "designs, the way the window's \"Dowel Sizing\" page does: deflection and stress\n"
        "load transfer, joint effectiveness, edge and corner bearing stress, and the grade.\n"
        "\n";
    text += inputsHelp(units) +
            "  --units us|si            the units of inputs and results: us (default) as the\n"
            "                           window; si takes mm, MPa/m, kN, MPa and kPa and gives\n"
            "                           bearing stresses in MPa, deflections in mm\n"
            "\n"
            "Output:\n"
            "  --format table|csv|json  table (default) for reading, csv or json for programs;\n"
            "                           one row per design and dowel bar\n"
            "  --all-fields             add the engine's own values behind the shown results\n"
            "                           (shortest text that reads back to the same number) and\n"
            "                           the rest of its results: transfer ratio, loaded, unloaded\n"
            "                           and free-edge deflections and stresses, dowel, aggregate\n"
            "                           and joint stiffness\n"
            "  A row whose results lie outside the range of the fitted relations carries a\n"
            "  note (csv, json) or a mark (table); its grade is unchanged.\n"
            "\n" +
            checkHelpText(units) +
            "\n"
            "Design files (saved by the window, the web page or --save-design):\n"
            "  --design FILE.tavrel     take the inputs, units and project details from FILE;\n"
            "                           options given as well win over the file's values\n"
            "  --save-design FILE.tavrel\n"
            "                           write the design the options give to FILE and exit\n"
            "  --project, --location, --joint, --engineer, --checker, --revision, --notes TEXT\n"
            "                           the project details a saved design keeps (at most 1000\n"
            "                           characters each)\n"
            "\n"
            "Studies:\n"
            "  --sweep NAME=FROM:TO:STEP\n"
            "                           run NAME (an input above, without the dashes) from FROM\n"
            "                           to TO in steps of STEP; repeat for a grid, the first\n"
            "                           sweep varying slowest; at most 10000000 designs\n"
            "  --designs FILE           one design per CSV line, - for standard input; the header\n"
            "                           names inputs as above (any of them, in any order; the\n"
            "                           rest come from the options or the defaults) and any other\n"
            "                           columns, which are copied to the front of every row; any\n"
            "                           number of lines, each at most 1048576 bytes (1 MiB), in\n"
            "                           UTF-8, comma-separated\n"
            "  --jobs N                 compute on N cores (default: all, N at most 256); the\n"
            "                           output is the same\n"
            "  --shard I/N              only the I-th of N equal parts of the designs, the header\n"
            "                           in part 1 only: parts 1 to N joined are the whole run;\n"
            "                           N at most 10000000\n"
            "  --quiet                  no progress line: a run over a second shows one on\n"
            "                           standard error when that is a terminal\n"
            "\n"
            "Other:\n"
            "  --comparison             print the built-in layout comparison table (288 values\n"
            "                           with their labels) as CSV\n"
            "  --version                print the version\n"
            "  -h, --help               print this help\n"
            "  --                       end of the options\n"
            "\n" +
            gradesHelp() +
            "Options take their value as the next argument or after '=' (--k=300).\n"
            "The analysis engine is loaded from the program's own folder.\n"
            "\n"
            "Exit status: 0 done; 1 the engine could not be loaded; 2 bad input (a design\n"
            "file that cannot be read included); 3 the output could not be written (a full\n"
            "disk, a closed output). A reader that leaves early (| head) ends the program\n"
            "quietly, by SIGPIPE, as it ends other filters; where SIGPIPE is ignored, that\n"
            "too is status 3.\n";
    return text;
}

}  // namespace tavrel::cli
