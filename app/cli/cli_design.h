// tavrel-cli and design files: --design reads one into the options, and
// --save-design writes the options' design as one.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "analysis/design_file.h"
#include "cli/cli_options.h"

namespace tavrel::cli {

// Why `text` cannot be a project detail, or nothing.
std::string checkDetailText(const std::string& text);

// Reads options.designFile: sets the units (the file's, unless `unitsGiven`;
// US when `usOnly`), the details and the spacing page's choices, and returns
// the file's design in those units. Nothing, with `error` naming the file and
// what is wrong with it, when it cannot be read.
std::optional<DesignDocument> readDesignOption(Options& options, bool unitsGiven, bool usOnly,
                                               std::string& error);

// The file's inputs as the window reads its boxes, into options' values and
// texts; an input the analysis cannot take leaves its refusal instead.
void takeDesignInputs(const DesignDocument& file, Options& options,
                      std::array<std::string, kDesignInputCount>& refusals);

// Writes the options' design to options.saveDesign; the exit status, with
// `error` set when it is not 0.
int saveDesignOption(const Options& options, std::string& error);

}  // namespace tavrel::cli
