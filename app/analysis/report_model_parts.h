// The pieces of the evaluation report's content, one file each for the
// results and working, and for the charts and acceptable ranges.
#pragma once

#include <string>
#include <vector>

#include "analysis/report_model.h"

namespace tavrel {

// "1.25 in. round bar", "35.8x22.4 mm elliptical bar".
std::string barName(const DowelCase& dowel, UnitSystem units);

// A bearing stress limit as the report states it: "3,000 psi", "20.684 MPa".
std::string stressLimitText(double psi, UnitSystem units);

// The grading rule as inequalities, one row per grade.
std::vector<ReportRow> gradingRule(UnitSystem units);

ReportSection resultsSection(const DesignStudy& study, UnitSystem units);
ReportSection workingSection(const DesignStudy& study, UnitSystem units);
ReportSection sensitivitySection(const DesignStudy& study, UnitSystem units);
ReportSection acceptableSection(const DesignStudy& study, UnitSystem units);
ReportSection textbookSection(const DesignStudy& study, const ReportSettings& settings);

}  // namespace tavrel
