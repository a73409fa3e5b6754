// The command line of tavrel-cli: what a script asks for, read strictly.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/design_analysis.h"
#include "analysis/design_file.h"
#include "analysis/textbook_check.h"
#include "analysis/units.h"

namespace tavrel::cli {

enum class Format { Table, Csv, Json };

// Exit statuses.
constexpr int kExitOk = 0;
constexpr int kExitEngineMissing = 1;
constexpr int kExitBadInput = 2;
constexpr int kExitWriteFailed = 3;

// The seven inputs in the units chosen on the command line, as given.
using GivenValues = std::array<double, kDesignInputCount>;

// One swept input: FROM, FROM + STEP, ... up to TO.
struct Sweep {
    int input = 0;  // index into kDesignInputs
    double from = 0;
    double to = 0;
    double step = 1;
    long count = 1;
    // The i-th value, from FROM directly rather than by adding steps up.
    double value(long i) const;
};

// The I-th of N equal parts of the designs.
struct Shard {
    long index = 1;  // 1 to count
    long count = 1;
};

struct Options {
    UnitSystem units = UnitSystem::Us;
    GivenValues values{};  // in `units`: the defaults unless given
    std::array<bool, kDesignInputCount> given{};
    Format format = Format::Table;
    bool allFields = false;
    std::vector<Sweep> sweeps;  // the first varies slowest
    std::string designs;        // a designs file, "-" for standard input; empty for none
    int jobs = 0;               // 0: one per core
    Shard shard;
    // The textbook check beside the grades, when asked for (--check), with the
    // added inputs given on the command line (strengths in psi).
    std::optional<CheckSettings> check;
    std::array<bool, 3> checkGiven{};  // fc, fck, load-share, by CheckInput
    CheckSettings checkInputs;         // as read, until --check is known
    bool comparison = false;
    std::optional<int> solve;  // the input --solve runs through
    std::string report;        // the file --report writes; empty without it
    // --design: the inputs, units and details come from this file, unless
    // options given as well say otherwise.
    std::string designFile;
    std::string saveDesign;  // --save-design: where the design goes; empty without it
    // Each input's text as given, by option or file; empty where it has its default.
    std::array<std::string, kDesignInputCount> texts;
    ProjectDetails details;  // the file's, then --project, --location, ...
    SpacingChoices spacing;  // the file's, kept by --save-design
    bool help = false;
    bool quiet = false;  // no progress line on a terminal
    bool version = false;
};

// Designs in a grid are capped so a mistyped STEP fails at once instead of
// running for hours.
constexpr long kMaxDesigns = 10'000'000;
constexpr int kMaxJobs = 256;

struct ParsedArguments {
    std::optional<Options> options;
    std::string error;  // one line naming the option, the value and what is allowed
};

// `args` without the program name.
ParsedArguments parseArguments(const std::vector<std::string_view>& args);

// The values FROM:TO:STEP runs through; TO itself when a step lands on it.
std::vector<float> sweepValues(double from, double to, double step);

// Designs of the grid the options describe: the product of the sweeps' lengths, at least 1.
long designCount(const Options& options);

// "(allowed: 6 to 36 inches)", in the chosen units.
std::string allowedRange(UnitSystem units, int input);

// An input value from its text: the whole text one number that, in the analysis's
// units and single precision, lies within the limits. Nothing, with `error` set
// to "WHAT: ...", otherwise.
std::optional<double> readInput(std::string_view what, UnitSystem units, int input,
                                std::string_view text, std::string& error);

std::string helpText(UnitSystem units);

}  // namespace tavrel::cli
