#include "cli/cli_options.h"

#include <charconv>
#include <cmath>

#include "analysis/case_grade.h"
#include "analysis/number_reader.h"
#include "analysis/start_up.h"
#include "cli/cli_check.h"

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
    const int input = inputByName(name);
    if (input < 0) {
        error = "--sweep: " + quoted(name) + " is not an input (" + inputNameList() + ")";
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

// --help and --version win over every other argument, wherever they stand
// before "--"; the help is in the units asked for, when that can be told.
void scanForHelp(const std::vector<std::string_view>& args, Options& options) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--") break;
        if (arg == "-h" || arg == "--help") options.help = true;
        if (arg == "--version") options.version = true;
        if (arg == "--units=si" || (arg == "--units" && i + 1 < args.size() && args[i + 1] == "si"))
            options.units = UnitSystem::Si;
    }
}

}  // namespace

int inputByName(std::string_view name) {
    for (int i = 0; i < kDesignInputCount; ++i) {
        if (name == kInputOptionNames[i]) return i;
    }
    return -1;
}

std::string inputNameList() {
    std::string list;
    for (const char* name : kInputOptionNames)
        list += (list.empty() ? "" : ", ") + std::string(name);
    return list;
}

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
    Options options;
    scanForHelp(args, options);
    if (options.help || options.version) return {options, {}};

    std::array<bool, kDesignInputCount> swept{};
    bool formatGiven = false, unitsGiven = false, jobsGiven = false, shardGiven = false;
    auto fail = [](std::string message) {
        return ParsedArguments{std::nullopt, std::move(message)};
    };

    // The units first: every input is read in them, whatever the order given.
    for (size_t i = 0; i < args.size() && args[i] != "--"; ++i) {
        std::string_view value;
        if (args[i].substr(0, 8) == "--units=") {
            value = args[i].substr(8);
        } else if (args[i] == "--units") {
            if (i + 1 == args.size()) return fail("--units: needs a value (us or si)");
            value = args[++i];
        } else {
            continue;
        }
        if (unitsGiven) return fail("--units: given twice");
        unitsGiven = true;
        if (value == "us") {
            options.units = UnitSystem::Us;
        } else if (value == "si") {
            options.units = UnitSystem::Si;
        } else {
            return fail("--units: " + quoted(value) + " is not one of us, si");
        }
    }
    const InputDefaults defaults = inputDefaults();
    for (int i = 0; i < kDesignInputCount; ++i)
        options.values[i] = fromAnalysisUnits(options.units, i, defaults[i]);

    bool optionsEnded = false;
    long designs = 1;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--" && !optionsEnded) {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded || arg.size() < 3 || arg.substr(0, 2) != "--") {
            return fail("unexpected argument " + quoted(arg) + " (see --help)");
        }
        const size_t equals = arg.find('=');
        const std::string_view name =
            arg.substr(2, equals == std::string_view::npos ? std::string_view::npos : equals - 2);
        const std::string option = "--" + std::string(name);

        bool* flag = name == "all-fields"   ? &options.allFields
                     : name == "comparison" ? &options.comparison
                                            : nullptr;
        if (flag != nullptr) {
            if (equals != std::string_view::npos) return fail(option + ": takes no value");
            *flag = true;
            continue;
        }

        const int input = inputByName(name);
        const bool checkOption = isCheckOption(name);
        if (input < 0 && !checkOption && name != "format" && name != "sweep" && name != "units" &&
            name != "designs" && name != "jobs" && name != "shard") {
            return fail("unknown option " + quoted(option) + " (see --help)");
        }
        std::string_view value;
        if (equals != std::string_view::npos) {
            value = arg.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            return fail(option + ": needs a value" +
                        (input >= 0 ? " " + allowedRange(options.units, input) : std::string()));
        }

        std::string error;
        if (checkOption) {
            if (!readCheckOption(name, value, options, error)) return fail(error);
        } else if (input >= 0) {
            if (options.given[input]) return fail(option + ": given twice");
            options.given[input] = true;
            const std::optional<double> v = readInput(option, options.units, input, value, error);
            if (!v) return fail(error);
            options.values[input] = *v;
        } else if (name == "format") {
            if (formatGiven) return fail(option + ": given twice");
            formatGiven = true;
            if (value == "table") {
                options.format = Format::Table;
            } else if (value == "csv") {
                options.format = Format::Csv;
            } else if (value == "json") {
                options.format = Format::Json;
            } else {
                return fail(option + ": " + quoted(value) + " is not one of table, csv, json");
            }
        } else if (name == "sweep") {
            std::optional<Sweep> sweep = readSweep(value, options.units, swept, designs, error);
            if (!sweep) return fail(error);
            swept[sweep->input] = true;
            designs *= sweep->count;
            options.sweeps.push_back(*sweep);
        } else if (name == "designs") {
            if (!options.designs.empty()) return fail(option + ": given twice");
            if (value.empty()) return fail(option + ": needs a file name, or - for standard input");
            options.designs = value;
        } else if (name == "jobs") {
            if (jobsGiven) return fail(option + ": given twice");
            jobsGiven = true;
            const std::optional<long> jobs = readWholeNumber(value, 1, kMaxJobs);
            if (!jobs) {
                return fail(option + ": " + quoted(value) + " is not a whole number from 1 to " +
                            std::to_string(kMaxJobs));
            }
            options.jobs = static_cast<int>(*jobs);
        } else if (name == "shard") {
            if (shardGiven) return fail(option + ": given twice");
            shardGiven = true;
            const std::optional<Shard> shard = readShard(value);
            if (!shard) return fail(option + ": " + quoted(value) + " is not I/N with 1 <= I <= N");
            options.shard = *shard;
        }
        // --units was read before the loop.
    }

    for (int i = 0; i < kDesignInputCount; ++i) {
        if (options.given[i] && swept[i]) {
            return fail(std::string("--sweep ") + kInputOptionNames[i] + ": conflicts with --" +
                        kInputOptionNames[i]);
        }
    }
    if (!options.designs.empty() && !options.sweeps.empty())
        return fail("--designs: cannot be combined with --sweep");
    if (std::string error; !finishCheckOptions(options, error)) return fail(error);
    if (options.comparison) {
        bool designOptions = options.allFields || options.check.has_value() ||
                             !options.sweeps.empty() || !options.designs.empty() || shardGiven ||
                             unitsGiven;
        for (bool g : options.given) designOptions = designOptions || g;
        if (designOptions)
            return fail("--comparison: takes no design inputs, sweeps or --all-fields");
        if (options.format != Format::Csv && formatGiven) {
            return fail("--comparison: prints CSV only");
        }
    }
    return {options, {}};
}

std::string helpText(UnitSystem units) {
    const bool si = units == UnitSystem::Si;
    std::string text =
        // One line per form, the second led by "or:", as help2man reads a synopsis.
        "Usage: tavrel-cli [OPTION]...\n"
        "  or:  tavrel-cli --designs FILE|- [OPTION]...\n"
        "  or:  tavrel-cli --comparison\n"
        "\n"
        "Analyses the eight dowel bars for one design, a grid of designs or a list of\n"
        "designs, the way the window's \"Dowel Sizing\" page does: deflection and stress\n"
        "load transfer, joint effectiveness, edge and corner bearing stress, and the grade.\n"
        "\n";
    text += si ? "Inputs in SI units (default, allowed range; a value must be a complete number):\n"
               : "Inputs (default, allowed range; a value must be a complete number):\n";
    const InputDefaults defaults = inputDefaults();
    for (int i = 0; i < kDesignInputCount; ++i) {
        const DesignInput& d = kDesignInputs[i];
        std::string line = std::string("  --") + kInputOptionNames[i] + " VALUE";
        line.resize(27, ' ');
        line += std::string(d.caption) + " " +
                plainDecimal(static_cast<float>(fromAnalysisUnits(units, i, defaults[i]))) + " " +
                inputScale(units, i).caption + " (" + inputMinimumText(units, i) + " to " +
                inputMaximumText(units, i) + ")\n";
        text += line;
    }
    text +=
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
        "Studies:\n"
        "  --sweep NAME=FROM:TO:STEP\n"
        "                           run NAME (an input above, without the dashes) from FROM\n"
        "                           to TO in steps of STEP; repeat for a grid, the first\n"
        "                           sweep varying slowest; at most 10000000 designs\n"
        "  --designs FILE           one design per CSV line, - for standard input; the header\n"
        "                           names inputs as above (any of them, in any order; the\n"
        "                           rest come from the options or the defaults) and any other\n"
        "                           columns, which are copied to the front of every row\n"
        "  --jobs N                 compute on N cores (default: all); the output is the same\n"
        "  --shard I/N              only the I-th of N equal parts of the designs, the header\n"
        "                           in part 1 only: parts 1 to N joined are the whole run\n"
        "\n"
        "Other:\n"
        "  --comparison             print the built-in layout comparison table (288 values\n"
        "                           with their labels) as CSV\n"
        "  --version                print the version\n"
        "  -h, --help               print this help\n"
        "  --                       end of the options\n"
        "\n"
        "Grades: acceptable; conditional; unacceptable.\n"
        "conditional: " +
        conditionalGradeMeaning() +
        "\n"
        "Grades are decided on the analysis's own values, so a design gets the same grade\n"
        "in both unit systems.\n"
        "Options take their value as the next argument or after '=' (--k=300).\n"
        "The analysis engine is loaded from the program's own folder.\n"
        "\n"
        "Exit status: 0 done; 1 the engine could not be loaded; 2 bad input; 3 the output\n"
        "could not be written.\n";
    return text;
}

}  // namespace tavrel::cli
