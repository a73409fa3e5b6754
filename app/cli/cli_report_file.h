// tavrel-cli's --report: the design report drawn on Qt's offscreen platform.
#pragma once

#include <string>

#include "analysis/design_file.h"
#include "analysis/design_inputs.h"
#include "analysis/design_study.h"

namespace tavrel::cli {

// Studies `values` and writes the report in `units`, for the project
// `details` and with the textbook check `check`, as a PDF at `path`; returns
// why it failed, or an empty text. Needs a QGuiApplication.
std::string writeReportFile(const std::string& path, const DesignValues& values, UnitSystem units,
                            const ProjectDetails& details, const CheckSettings& check,
                            CalclteFunction calclte);

}  // namespace tavrel::cli
