// The textbook check's options and designs-file columns: the method, the
// concrete strength (cylinder or cube) and the load carried by the dowels.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "analysis/textbook_check.h"

namespace tavrel::cli {

enum class CheckInput { CylinderStrength, CubeStrength, LoadShare };
constexpr int kCheckInputCount = 3;

// Option and column names: "fc", "fck", "load-share".
const char* checkInputName(CheckInput which);
// The input named `name`, if it is one of them.
std::optional<CheckInput> checkInputByName(std::string_view name);

// "(allowed: 1000 to 20000 psi)", in the chosen units.
std::string checkAllowedRange(UnitSystem units, CheckInput which);

// A value from its text, the whole text one number within its limits:
// strengths typed in the run's stress unit come back in psi, the load share in
// percent. Nothing, with `error` set to "WHAT: ...", otherwise.
std::optional<double> readCheckInput(std::string_view what, UnitSystem units, CheckInput which,
                                     std::string_view text, std::string& error);

// Sets `which` in `settings`; a cylinder and a cube strength exclude each other.
void setCheckInput(CheckSettings& settings, CheckInput which, double value);

// The method `--check` names, or nothing with `error` listing the known ones.
const CheckMethod* readCheckMethod(std::string_view text, std::string& error);

struct Options;

// Whether `name` (without the dashes) is one of the check's options.
bool isCheckOption(std::string_view name);
// Reads the check's option `name` with `value` into `options`; false with
// `error` set.
bool readCheckOption(std::string_view name, std::string_view value, Options& options,
                     std::string& error);
// Once every option is read: the added inputs need --check, and a cylinder
// and a cube strength exclude each other. False with `error` set.
bool finishCheckOptions(Options& options, std::string& error);

// The options' lines of --help.
std::string checkHelpText(UnitSystem units);

}  // namespace tavrel::cli
