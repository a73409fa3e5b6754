// The textbook check's options: the method, the concrete strength (cylinder
// or cube) and the load carried by the dowels.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "analysis/design_file.h"
#include "analysis/textbook_check.h"

namespace tavrel::cli {

// The method `--check` names, or nothing with `error` listing the known ones.
const CheckMethod* readCheckMethod(std::string_view text, std::string& error);

struct Options;

// Whether `name` (without the dashes) is one of the check's options.
bool isCheckOption(std::string_view name);
// Reads the check's option `name` with `value` into `options`; false with
// `error` set.
bool readCheckOption(std::string_view name, std::string_view value, Options& options,
                     std::string& error);
// The check a design file asks for, as if given before every option; false
// with `error` naming the file when an added input there is refused.
bool takeDesignCheck(const DesignDocument& file, const std::string& fileName, Options& options,
                     std::string& error);
// Once every option is read: the added inputs need --check, and a cylinder
// and a cube strength exclude each other. False with `error` set.
bool finishCheckOptions(Options& options, std::string& error);

// The options' lines of --help.
std::string checkHelpText(UnitSystem units);

}  // namespace tavrel::cli
