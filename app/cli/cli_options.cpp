#include "cli/cli_options.h"

#include <cmath>

#include "analysis/number_reader.h"
#include "analysis/start_up.h"

namespace tavrel::cli {

const std::array<const char*, kDesignInputCount> kInputOptionNames = {
    "spacing", "opening", "k", "load", "ec", "thickness", "tire-pressure"};

namespace {

std::string quoted(std::string_view text) {
    std::string q;
    q.reserve(text.size() + 2);
    q += '\'';
    q += text;
    q += '\'';
    return q;
}

std::string allowed(int input) {
    const DesignInput& d = kDesignInputs[input];
    return "(allowed: " + plainDecimal(d.minimum) + " to " + plainDecimal(d.maximum) + " " +
           d.units + ")";
}

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

// A design input from its text: the whole text one number within the limits,
// compared in single precision as the window does. The number as typed.
std::optional<double> readInput(std::string_view what, int input, std::string_view text,
                                std::string& error) {
    if (text.empty()) {
        error = std::string(what) + ": empty value " + allowed(input);
        return std::nullopt;
    }
    const std::optional<double> number = readCompleteNumber(text);
    if (!number) {
        error = std::string(what) + ": " + quoted(text) + " is not a number " + allowed(input);
        return std::nullopt;
    }
    const float value = static_cast<float>(*number);
    if (!inRange(value, kDesignInputs[input])) {
        error = std::string(what) + ": " + std::string(text) + " is out of range " + allowed(input);
        return std::nullopt;
    }
    return number;
}

std::optional<Sweep> readSweep(std::string_view text,
                               const std::array<bool, kDesignInputCount>& swept,
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
    const std::optional<double> from =
        readInput(what + " FROM", input, text.substr(equals + 1, colon1 - equals - 1), error);
    if (!from) return std::nullopt;
    const std::optional<double> to =
        readInput(what + " TO", input, text.substr(colon1 + 1, colon2 - colon1 - 1), error);
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
    // Count before building, so a tiny step cannot exhaust memory.
    const double count = std::floor((*to - *from) / *step + 1e-9) + 1;
    if (count > static_cast<double>(kMaxDesigns)) {
        error = what + ": STEP " + std::string(stepText) + " gives more than " +
                std::to_string(kMaxDesigns) + " values";
        return std::nullopt;
    }
    return Sweep{input, sweepValues(*from, *to, *step)};
}

}  // namespace

std::vector<float> sweepValues(double from, double to, double step) {
    // Each value from FROM directly, not by adding steps up, so no error builds
    // up; the tolerance lets 0.1:0.3:0.1 end at 0.3 despite binary fractions.
    const long count = static_cast<long>(std::floor((to - from) / step + 1e-9)) + 1;
    std::vector<float> values;
    values.reserve(static_cast<size_t>(count));
    for (long i = 0; i < count; ++i) {
        values.push_back(static_cast<float>(std::min(from + static_cast<double>(i) * step, to)));
    }
    return values;
}

long designCount(const Options& options) {
    long count = 1;
    for (const Sweep& sweep : options.sweeps) count *= static_cast<long>(sweep.values.size());
    return count;
}

ParsedArguments parseArguments(const std::vector<std::string_view>& args) {
    Options options;
    options.values = SetDefaults();
    std::array<bool, kDesignInputCount> given{};
    std::array<bool, kDesignInputCount> swept{};
    bool formatGiven = false;
    auto fail = [](std::string message) {
        return ParsedArguments{std::nullopt, std::move(message)};
    };

    for (size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "-h" || arg == "--help") {
            options.help = true;
            return {options, {}};
        }
        if (arg.size() < 3 || arg.substr(0, 2) != "--") {
            return fail("unexpected argument " + quoted(arg) + " (see --help)");
        }
        const size_t equals = arg.find('=');
        const std::string_view name =
            arg.substr(2, equals == std::string_view::npos ? std::string_view::npos : equals - 2);
        const std::string option = "--" + std::string(name);

        bool* flag = name == "all-fields"   ? &options.allFields
                     : name == "comparison" ? &options.comparison
                     : name == "version"    ? &options.version
                                            : nullptr;
        if (flag != nullptr) {
            if (equals != std::string_view::npos) return fail(option + ": takes no value");
            *flag = true;
            continue;
        }

        const int input = inputByName(name);
        if (input < 0 && name != "format" && name != "sweep") {
            return fail("unknown option " + quoted(option) + " (see --help)");
        }
        std::string_view value;
        if (equals != std::string_view::npos) {
            value = arg.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            return fail(option + ": needs a value" +
                        (input >= 0 ? " " + allowed(input) : std::string()));
        }

        std::string error;
        if (input >= 0) {
            if (given[input]) return fail(option + ": given twice");
            given[input] = true;
            const std::optional<double> v = readInput(option, input, value, error);
            if (!v) return fail(error);
            options.values[input] = static_cast<float>(*v);
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
        } else {
            std::optional<Sweep> sweep = readSweep(value, swept, error);
            if (!sweep) return fail(error);
            swept[sweep->input] = true;
            options.sweeps.push_back(std::move(*sweep));
        }
    }

    for (int i = 0; i < kDesignInputCount; ++i) {
        if (given[i] && swept[i]) {
            return fail(std::string("--sweep ") + kInputOptionNames[i] + ": conflicts with --" +
                        kInputOptionNames[i]);
        }
    }
    if (options.comparison) {
        bool designOptions = options.allFields || !options.sweeps.empty();
        for (bool g : given) designOptions = designOptions || g;
        if (designOptions)
            return fail("--comparison: takes no design inputs, sweeps or --all-fields");
        if (options.format != Format::Csv && formatGiven) {
            return fail("--comparison: prints CSV only");
        }
    }
    // Checked as the grid grows, so the product cannot overflow.
    long designs = 1;
    for (const Sweep& sweep : options.sweeps) {
        designs *= static_cast<long>(sweep.values.size());
        if (designs > kMaxDesigns) {
            return fail("--sweep: the grid has more than " + std::to_string(kMaxDesigns) +
                        " designs");
        }
    }
    return {options, {}};
}

std::string helpText() {
    std::string text =
        // One line per form, the second led by "or:", as help2man reads a synopsis.
        "Usage: tavrel-cli [OPTION]...\n"
        "  or:  tavrel-cli --comparison\n"
        "\n"
        "Analyses the eight dowel bars for one design, or for a grid of designs, the way\n"
        "the window's \"Dowel Sizing\" page does: deflection and stress load transfer,\n"
        "joint effectiveness, edge and corner bearing stress, and the grade.\n"
        "\n"
        "Inputs (default, allowed range; a value must be a complete number):\n";
    for (int i = 0; i < kDesignInputCount; ++i) {
        const DesignInput& d = kDesignInputs[i];
        std::string line = std::string("  --") + kInputOptionNames[i] + " VALUE";
        line.resize(26, ' ');
        line += std::string(d.caption) + " " + plainDecimal(d.defaultValue) + " " + d.units + " (" +
                plainDecimal(d.minimum) + " to " + plainDecimal(d.maximum) + ")\n";
        text += line;
    }
    text +=
        "\n"
        "Output:\n"
        "  --format table|csv|json  table (default) for reading, csv or json for programs;\n"
        "                           one row per design and dowel bar\n"
        "  --all-fields             add the rest of the engine's results: transfer ratio,\n"
        "                           loaded, unloaded and free-edge deflections (in.) and\n"
        "                           stresses (psi), dowel, aggregate and joint stiffness (psi)\n"
        "\n"
        "Studies:\n"
        "  --sweep NAME=FROM:TO:STEP\n"
        "                           run NAME (an input above, without the dashes) from FROM\n"
        "                           to TO in steps of STEP; repeat for a grid, the first\n"
        "                           sweep varying slowest; at most 10000000 designs\n"
        "\n"
        "Other:\n"
        "  --comparison             print the built-in layout comparison table (288 values\n"
        "                           with their labels) as CSV\n"
        "  --version                print the version\n"
        "  -h, --help               print this help\n"
        "\n"
        "Grades: acceptable; conditional (acceptable for wide lanes, tied shoulders, good\n"
        "support and/or low traffic); unacceptable.\n"
        "Options take their value as the next argument or after '=' (--k=300).\n"
        "The analysis engine is loaded from the program's own folder.\n"
        "\n"
        "Exit status: 0 done; 1 the engine could not be loaded; 2 bad input.\n";
    return text;
}

}  // namespace tavrel::cli
