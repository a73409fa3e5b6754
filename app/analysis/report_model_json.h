// The evaluation report's content as JSON, for the web page, which draws it
// as HTML and SVG: the same sections, tables, texts and charts as the PDF.
#pragma once

#include <string>

#include "analysis/report_model.h"

namespace tavrel {

// Infinite band ends and values that are not finite are written as null.
std::string reportJson(const ReportModel& model);

}  // namespace tavrel
