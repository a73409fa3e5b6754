#include "analysis/working_summary.h"

#include "analysis/result_format.h"

namespace tavrel {

namespace {

// Deflections are hundredths of an inch and less: five decimals keep three
// significant digits for stiff joints.
constexpr int kDeflectionDecimals = 5;
constexpr int kStressDecimals = 1;

std::string withUnit(std::string text, const char* unit) {
    if (text == "n/a") return text;
    return text + " " + unit;
}

std::string inches(float value) {
    return withUnit(formatFixed(value, kDeflectionDecimals), "in.");
}

std::string psi(float value, int decimals) {
    return withUnit(formatFixed(value, decimals), "psi");
}

std::string percent(float fraction) {
    return withUnit(formatPercent(fraction), "%");
}

}  // namespace

std::string describeWorking(const DowelCase& dowel, const DowelJointResult& r) {
    std::string text = dowelCaseLabel(dowel) + " in. " + dowelShapeWord(dowel) + " bar\n";
    text += "Joint stiffness: " + psi(r.jointStiffness, 0) + " (dowels " +
            psi(r.dowelStiffness, 0) + ", aggregate " + psi(r.aggregateStiffness, 0) + ")\n";
    text += "Free edge: deflection " + inches(r.freeEdgeDeflection) + ", stress " +
            psi(r.freeEdgeStress, kStressDecimals) + "\n";
    text += "Loaded side: deflection " + inches(r.loadedDeflection) + ", stress " +
            psi(r.loadedStress, kStressDecimals) + "\n";
    text += "Unloaded side: deflection " + inches(r.unloadedDeflection) + ", stress " +
            psi(r.unloadedStress, kStressDecimals) + "\n";
    text += "Load transfer: deflection " + percent(r.deflectionLte) + ", stress " +
            percent(r.stressLte) + ", transfer ratio " + percent(r.deflectionTransferRatio) + "\n";
    text += "Effectiveness: " + percent(r.effectiveness) + "\n";
    text += "Bearing stress: edge " + psi(r.edgeBearingStress, 0) + ", corner " +
            psi(r.cornerBearingStress, 0);
    return text;
}

}  // namespace tavrel
