// The command line of tavrel-cli: what a script asks for, read strictly.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/design_analysis.h"

namespace tavrel::cli {

enum class Format { Table, Csv, Json };

// Exit statuses.
constexpr int kExitOk = 0;
constexpr int kExitEngineMissing = 1;
constexpr int kExitBadInput = 2;

// Option names of the seven inputs, in reading order ("spacing", ..., "tire-pressure").
extern const std::array<const char*, kDesignInputCount> kInputOptionNames;

// One swept input: FROM, FROM + STEP, ... up to TO.
struct Sweep {
    int input = 0;  // index into kDesignInputs
    std::vector<float> values;
};

struct Options {
    DesignValues values{};  // the defaults unless given
    Format format = Format::Table;
    bool allFields = false;
    std::vector<Sweep> sweeps;  // the first varies slowest
    bool comparison = false;
    bool help = false;
    bool version = false;
};

// Designs in a grid are capped so a mistyped STEP fails at once instead of
// running for hours.
constexpr long kMaxDesigns = 10'000'000;

struct ParsedArguments {
    std::optional<Options> options;
    std::string error;  // one line naming the option, the value and what is allowed
};

// `args` without the program name.
ParsedArguments parseArguments(const std::vector<std::string_view>& args);

// The values FROM:TO:STEP runs through; TO itself when a step lands on it.
std::vector<float> sweepValues(double from, double to, double step);

// Designs the options describe: the product of the sweeps' lengths, at least 1.
long designCount(const Options& options);

std::string helpText();

}  // namespace tavrel::cli
