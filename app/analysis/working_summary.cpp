#include "analysis/working_summary.h"

#include <cmath>

#include "analysis/result_format.h"
#include "analysis/results_table.h"

namespace tavrel {

namespace {

// Deflections are hundredths of an inch and less: five decimals keep three
// significant digits for stiff joints.
constexpr int kDeflectionDecimals = 5;
constexpr int kStressDecimals = 1;

// A value and its unit appended to `text`; a value that is not finite shows
// as "n/a" alone. The value's own text is short enough to need no heap.
void appendWithUnit(std::string& text, const std::string& value, const char* unit) {
    text += value;
    if (value == kNotFiniteText) return;
    text += ' ';
    text += unit;
}

void inches(std::string& text, float value) {
    appendWithUnit(text, formatFixed(value, kDeflectionDecimals), "in.");
}

void psi(std::string& text, float value, int decimals) {
    appendWithUnit(text, formatFixed(value, decimals), "psi");
}

void percent(std::string& text, float fraction) {
    appendWithUnit(text, formatPercent(fraction), "%");
}

// Why each result the fitted relations cannot describe is outside them, one
// line each, so that the mark beside a number is never left unexplained.
void describeFittedRange(std::string& text, const DowelJointResult& r) {
    const FittedRangeCheck check = checkFittedRange(r);
    if (!check.any()) return;
    text += "\n* ";
    text += kOutsideFittedRelations;
    text += " (the grade is as computed):";
    const float values[kResultRowCount] = {r.deflectionLte, r.stressLte, r.effectiveness,
                                           r.edgeBearingStress, r.cornerBearingStress};
    for (int row = 0; row < kResultRowCount; ++row) {
        if (!check.rows[row]) continue;
        const bool bearing = row >= kFirstBearingRow;
        text += "\n  ";
        text += kResultRowCaptions[row];
        text += ' ';
        if (!std::isfinite(values[row])) {
            text += "not a number";
            continue;
        }
        if (bearing) {
            psi(text, values[row], 0);
        } else {
            percent(text, values[row]);
        }
        text += bearing               ? ", at or below 0"
                : values[row] <= 0.0f ? ", at or below 0 %"
                                      : ", at or above 100 %";
    }
    if (check.hiddenNotFinite) text += "\n  another of the engine's results is not a number";
}

}  // namespace

std::string describeWorking(const DowelCase& dowel, const DowelJointResult& r) {
    std::string text;
    describeWorking(dowel, r, text);
    return text;
}

// Written piece by piece into one string: the window rewrites eight of these
// on every keystroke, and a reused string then needs no allocation at all.
void describeWorking(const DowelCase& dowel, const DowelJointResult& r, std::string& text) {
    text.clear();
    text += dowelCaseLabel(dowel);
    text += " in. ";
    text += dowelShapeWord(dowel);
    text += " bar\nJoint stiffness: ";
    psi(text, r.jointStiffness, 0);
    text += " (dowels ";
    psi(text, r.dowelStiffness, 0);
    text += ", aggregate ";
    psi(text, r.aggregateStiffness, 0);
    text += ")\nFree edge: deflection ";
    inches(text, r.freeEdgeDeflection);
    text += ", stress ";
    psi(text, r.freeEdgeStress, kStressDecimals);
    text += "\nLoaded side: deflection ";
    inches(text, r.loadedDeflection);
    text += ", stress ";
    psi(text, r.loadedStress, kStressDecimals);
    text += "\nUnloaded side: deflection ";
    inches(text, r.unloadedDeflection);
    text += ", stress ";
    psi(text, r.unloadedStress, kStressDecimals);
    text += "\nLoad transfer: deflection ";
    percent(text, r.deflectionLte);
    text += ", stress ";
    percent(text, r.stressLte);
    text += ", transfer ratio ";
    percent(text, r.deflectionTransferRatio);
    text += "\nEffectiveness: ";
    percent(text, r.effectiveness);
    text += "\nBearing stress: edge ";
    psi(text, r.edgeBearingStress, 0);
    text += ", corner ";
    psi(text, r.cornerBearingStress, 0);
    describeFittedRange(text, r);
}

}  // namespace tavrel
