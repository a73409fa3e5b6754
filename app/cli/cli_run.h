// What tavrel-cli does with its arguments, apart from where the engine and the
// terminal are, so that it can be driven from tests and benchmarks.
#pragma once

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

// Runs every design of `options` (a grid when sweeping) and writes the report.
// Returns the number of engine calls made.
long runStudy(const Options& options, CalclteFunction calclte, Output& out);

// The whole program: parses `args` (without the program name), writes the
// report to `out` and an error line (ending in a newline) to `error`, and
// returns the exit status.
int runCli(const std::vector<std::string_view>& args, Output& out, std::string& error,
           const EngineBinder& engine);

}  // namespace tavrel::cli
