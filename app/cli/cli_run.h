// What tavrel-cli does with its arguments, apart from where the engine and the
// terminal are, so that it can be driven from tests and benchmarks.
#pragma once

#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_options.h"
#include "cli/cli_output.h"
#include "quorvix/dowel_joint.h"

namespace tavrel::cli {

// Binds the engine when first needed; null with `problem` set when it cannot.
using EngineBinder = std::function<CalclteFunction(std::string& problem)>;

struct StudyOutcome {
    int status = kExitOk;
    std::string error;  // the line for standard error, when status is not 0
    long engineCalls = 0;
};

// Runs every design of `options` (the options' own, a grid, or a designs file
// read from `input` for "-") on options.jobs cores and writes the report. Stops
// at the first bad design, after the rows before it, or at the first failed write.
// A run that lasts shows how far it is on `terminal` (unless --quiet); null
// when standard error is not a terminal.
StudyOutcome runStudy(const Options& options, CalclteFunction calclte, Output& out,
                      std::FILE* input = stdin, std::FILE* terminal = nullptr);

// The cores to use when --jobs is not given.
int defaultJobs();

// The whole program: parses `args` (without the program name), writes the
// report to `out` and an error line (ending in a newline) to `error`, and
// returns the exit status.
int runCli(const std::vector<std::string_view>& args, Output& out, std::string& error,
           const EngineBinder& engine, std::FILE* input = stdin, std::FILE* terminal = nullptr);

}  // namespace tavrel::cli
