#include "analysis/working_summary.h"

#include <cmath>

#include "analysis/result_format.h"
#include "analysis/results_table.h"

namespace tavrel {

namespace {

// Deflections are hundredths of an inch and less: five decimals keep three
// significant digits for stiff joints, as three do in millimetres.
constexpr int kDeflectionDecimals[] = {5, 3};
// Slab stresses to a tenth of a psi or a thousandth of a MPa; stiffnesses and
// bearing stresses whole psi, or MPa to one and two decimals.
constexpr int kStressDecimals[] = {1, 3};
constexpr int kStiffnessDecimals[] = {0, 1};
constexpr int kBearingDecimals[] = {0, 2};

// A value and its unit appended to `text`; a value that is not finite shows
// as "n/a" alone. The value's own text is short enough to need no heap.
void appendWithUnit(std::string& text, const std::string& value, const char* unit) {
    text += value;
    if (value == kNotFiniteText) return;
    text += ' ';
    text += unit;
}

void percent(std::string& text, float fraction) {
    appendWithUnit(text, formatPercent(fraction), "%");
}

// Appends values in the chosen units.
struct Writer {
    std::string& text;
    UnitSystem units;
    int index() const { return units == UnitSystem::Si ? 1 : 0; }
    void length(float inches) {
        const UnitScale s = deflectionScale(units);
        appendWithUnit(text, formatFixed(inches * s.perUsUnit, kDeflectionDecimals[index()]),
                       s.caption);
    }
    void stress(float psi, const int (&decimals)[2]) {
        const UnitScale s = stressScale(units);
        appendWithUnit(text, formatFixed(psi * s.perUsUnit, decimals[index()]), s.caption);
    }
};

// Why each result the fitted relations cannot describe is outside them, one
// line each, so that the mark beside a number is never left unexplained.
void describeFittedRange(Writer& w, const DowelJointResult& r) {
    std::string& text = w.text;
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
            w.stress(values[row], kBearingDecimals);
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

std::string describeWorking(const DowelCase& dowel, const DowelJointResult& r, UnitSystem units) {
    std::string text;
    describeWorking(dowel, r, text, units);
    return text;
}

// Written piece by piece into one string: the window rewrites eight of these
// on every keystroke, and a reused string then needs no allocation at all.
void describeWorking(const DowelCase& dowel, const DowelJointResult& r, std::string& text,
                     UnitSystem units) {
    Writer w{text, units};
    text.clear();
    text += dowelLabel(dowel, units);
    text += ' ';
    text += dowelUnit(units);
    text += ' ';
    text += dowelShapeWord(dowel);
    text += " bar\nJoint stiffness: ";
    w.stress(r.jointStiffness, kStiffnessDecimals);
    text += " (dowels ";
    w.stress(r.dowelStiffness, kStiffnessDecimals);
    text += "; aggregate ";
    w.stress(r.aggregateStiffness, kStiffnessDecimals);
    text += ", not used)\nFree edge: deflection ";
    w.length(r.freeEdgeDeflection);
    text += ", stress ";
    w.stress(r.freeEdgeStress, kStressDecimals);
    text += "\nLoaded side: deflection ";
    w.length(r.loadedDeflection);
    text += ", stress ";
    w.stress(r.loadedStress, kStressDecimals);
    text += "\nUnloaded side: deflection ";
    w.length(r.unloadedDeflection);
    text += ", stress ";
    w.stress(r.unloadedStress, kStressDecimals);
    text += "\nLoad transfer: deflection ";
    percent(text, r.deflectionLte);
    text += ", stress ";
    percent(text, r.stressLte);
    text += ", transfer ratio ";
    percent(text, r.deflectionTransferRatio);
    text += "\nEffectiveness: ";
    percent(text, r.effectiveness);
    text += "\nBearing stress: edge ";
    w.stress(r.edgeBearingStress, kBearingDecimals);
    text += ", corner ";
    w.stress(r.cornerBearingStress, kBearingDecimals);
    describeFittedRange(w, r);
}

}  // namespace tavrel
