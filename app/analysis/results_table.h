// The words and colours of the sizing table, shared by the window, the design
// report, the clipboard and tavrel-cli.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "analysis/case_grade.h"
#include "analysis/design_analysis.h"
#include "analysis/dowel_cases.h"
#include "analysis/units.h"

namespace tavrel {

// The caption of the size heads' row.
inline constexpr const char* kDowelHeadsCaption = "Dowel Diameter(s) (inches):";

// The two section rows and the result rows under each.
inline constexpr const char* kLoadTransferSection = "Load Transfer (%) -";
inline constexpr const char* kBearingStressSection = "Bearing Stress (psi) -";
inline constexpr std::array<const char*, kResultRowCount> kResultRowCaptions = {
    "Deflection LTE:", "Stress LTE:", "Effectiveness:", "Edge Loading:", "Corner Loading:"};
// The last row of the table, and the caption of the bars' column ("Dowel (in.)").
inline constexpr const char* kGradeCaption = "Grade";
std::string barsCaption(UnitSystem units);
// The first row under the bearing stress section.
inline constexpr int kFirstBearingRow = EdgeStressRow;

// The legend's text for a grade: "= Acceptable Option", the conditions of a
// conditional bar in title case ("= Acceptable for Wide Lanes, ... Traffic "),
// "= Unacceptable Option".
std::string legendText(CaseGrade grade);

// A grade's colour: a case's heads and its graded cells of that grade (an
// acceptable cell stays uncoloured).
struct Rgb {
    int red, green, blue;
};
inline Rgb gradeRgb(CaseGrade grade) {
    switch (grade) {
        case CaseGrade::Acceptable:
            return {128, 255, 128};  // light green
        case CaseGrade::Conditional:
            return {255, 255, 128};  // light yellow
        case CaseGrade::Unacceptable:
            break;
    }
    return {255, 128, 128};  // light red
}

// An input box's background: red from the run that finds it out of range until
// a run finds it in range again, which makes it white.
inline constexpr Rgb kOutOfRangeBox{255, 0, 0};
inline constexpr Rgb kInRangeBox{255, 255, 255};

// The heads while no grade stands (the engine missing, an input refused): a
// neutral grey, none of the grade colours.
inline constexpr Rgb kNoGradeHead{212, 212, 212};

// The input boxes' captions (and the frames' titles), and the bars'
// cross-sections: round ones and elliptical ones.
inline constexpr Rgb kCaptionColour{0, 0, 255};
inline constexpr Rgb kRoundDowelColour{0, 0, 255};
inline constexpr Rgb kEllipticalDowelColour{255, 0, 255};

inline Rgb dowelColour(const DowelCase& dowel) {
    return isRound(dowel) ? kRoundDowelColour : kEllipticalDowelColour;
}

// Whether a result cell is coloured, and with which grade's colour.
inline bool cellColoured(const ResultCell& cell) {
    return cell.grade && *cell.grade != CaseGrade::Acceptable;
}

// The captions of the size heads' row and of the bearing stress section in
// `units`: "Dowel Diameter(s) (mm):", "Bearing Stress (MPa) -".
std::string dowelHeadsCaption(UnitSystem units);
std::string bearingStressSectionCaption(UnitSystem units);

// One line of the table as every copy of it shows it: a section row (caption
// only), a result row, or the grade row.
struct ResultLine {
    std::string caption;
    bool group = false;
    std::array<std::string, kDowelCaseCount> texts;
    std::array<std::optional<CaseGrade>, kDowelCaseCount> shades;  // coloured cells only
};

// The table under the size heads of a complete run, in `units`: the two
// section rows, the five result rows (a value outside the fitted relations
// followed by kOutsideMark) and the grade row.
std::vector<ResultLine> resultLines(const AnalysisRun& run, UnitSystem units);

}  // namespace tavrel
