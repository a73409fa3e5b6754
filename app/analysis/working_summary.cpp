#include "analysis/working_summary.h"

#include "analysis/result_format.h"

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
}

}  // namespace tavrel
