#include "analysis/textbook_check.h"

#include <cmath>
#include <numbers>

#include "analysis/number_reader.h"
#include "analysis/result_format.h"

namespace tavrel {

namespace {

constexpr double kPi = std::numbers::pi;

// The design's values by their place in kDesignInputs.
enum DesignValue { Spacing, Opening, Subgrade, Load, ConcreteModulus, Thickness };

// Each column's unit and the factor from the analysis's unit to it, and the
// decimals a reader needs in each system.
struct ColumnUnits {
    const char* us;
    const char* si;
    double siPerUs;
    int usDecimals;
    int siDecimals;
};

constexpr double kMpaPerPsi = kKilopascalsPerPsi / 1000;

constexpr std::array<ColumnUnits, kCheckColumnCount> kColumnUnits = {{
    {"in", "mm", kMillimetresPerInch, 2, 0},
    {"in", "mm", kMillimetresPerInch, 2, 0},
    {"-", "-", 1, 0, 0},
    {"-", "-", 1, 3, 3},
    {"lb", "kN", kNewtonsPerPoundForce / 1000, 0, 3},
    {"1/in", "1/mm", 1 / kMillimetresPerInch, 4, 5},
    {"in", "mm", kMillimetresPerInch, 5, 4},
    {"psi", "MPa", kMpaPerPsi, 0, 2},
    {"psi", "MPa", kMpaPerPsi, 0, 2},
    {"-", "-", 1, 3, 3},
    {"-", "-", 1, 0, 0},
}};

double columnValue(const BarCheck& bar, int column) {
    switch (column) {
        case CheckRadius:
            return bar.radius;
        case CheckEffectiveLength:
            return bar.effectiveLength;
        case CheckDowels:
            return bar.dowels;
        case CheckFactorSum:
            return bar.factorSum;
        case CheckDowelLoad:
            return bar.dowelLoad;
        case CheckBeta:
            return bar.beta;
        case CheckDeflection:
            return bar.deflection;
        case CheckBearingStress:
            return bar.bearingStress;
        case CheckAllowable:
            return bar.allowable;
        default:
            return bar.ratio;
    }
}

std::string strengthText(double psi, UnitSystem system) {
    if (system == UnitSystem::Us) return formatFixed(psi, 0);
    return formatFixed(psi * kMpaPerPsi, 2);
}

std::string limitsText(double minimum, double maximum, UnitSystem system) {
    if (system == UnitSystem::Us)
        return formatShortest(minimum) + " to " + formatShortest(maximum) + " psi";
    return roundedLimit(minimum * kMpaPerPsi, true) + " to " +
           roundedLimit(maximum * kMpaPerPsi, false) + " MPa";
}

std::string lengthChoice(const CheckSettings& settings) {
    return formatFixed(settings.method->lengthFactor, 1) + " l";
}

// Who proposed the effective length the user chose.
const char* lengthSource(const CheckSettings& settings) {
    return settings.method->lengthFactor == 1.0 ? "Tabatabaie et al." : "Friberg";
}

// The value as the check takes it: psi from the run's stress unit, percent as is.
double toCheckUnits(UnitSystem units, CheckInput which, double value) {
    if (which == CheckInput::LoadShare) return value;
    return value / stressScale(units).perUsUnit;
}

bool inCheckRange(CheckInput which, double value) {
    switch (which) {
        case CheckInput::CylinderStrength:
            return strengthInRange(value);
        case CheckInput::CubeStrength:
            return cubeStrengthInRange(value);
        case CheckInput::LoadShare:
            break;
    }
    return loadShareInRange(value);
}

// Two square roots cost a fraction of a general power, and the check runs
// beside every keystroke's eight engine calls.
double fourthRoot(double value) {
    return std::sqrt(std::sqrt(value));
}

}  // namespace

const CheckMethod* findCheckMethod(std::string_view name) {
    for (const CheckMethod& method : kCheckMethods)
        if (name == method.name) return &method;
    return nullptr;
}

std::string checkMethodNames() {
    std::string names;
    for (const CheckMethod& method : kCheckMethods) {
        if (!names.empty()) names += ", ";
        names += method.name;
    }
    return names;
}

const char* checkInputName(CheckInput which) {
    return kCheckInputNames[static_cast<int>(which)];
}

std::optional<CheckInput> checkInputByName(std::string_view name) {
    for (int i = 0; i < kCheckInputCount; ++i)
        if (name == kCheckInputNames[i]) return static_cast<CheckInput>(i);
    return std::nullopt;
}

std::string checkAllowedRange(UnitSystem units, CheckInput which) {
    switch (which) {
        case CheckInput::CylinderStrength:
            return "(allowed: " + strengthLimitsText(units) + ")";
        case CheckInput::CubeStrength:
            return "(allowed: " + cubeStrengthLimitsText(units) + ")";
        case CheckInput::LoadShare:
            break;
    }
    return "(allowed: 1 to 100 %)";
}

namespace {

// What was typed, as a message quotes it: a pasted page is not repeated back
// whole, and the cut falls between characters.
std::string quotedStart(std::string_view text) {
    constexpr std::size_t kMaxQuoted = 40;
    if (text.size() <= kMaxQuoted) return std::string(text);
    std::size_t end = kMaxQuoted;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    return std::string(text.substr(0, end)) + "...";
}

}  // namespace

std::optional<double> readCheckInput(std::string_view what, UnitSystem units, CheckInput which,
                                     std::string_view text, std::string& error) {
    const std::string range = checkAllowedRange(units, which);
    if (text.empty()) {
        error = std::string(what) + ": empty value " + range;
        return std::nullopt;
    }
    const std::optional<double> number = readCompleteNumber(text);
    if (!number) {
        error = std::string(what) + ": '" + quotedStart(text) + "' is not a number " + range;
        return std::nullopt;
    }
    const double value = toCheckUnits(units, which, *number);
    if (!inCheckRange(which, value)) {
        error = std::string(what) + ": " + quotedStart(text) + " is out of range " + range;
        return std::nullopt;
    }
    return value;
}

void setCheckInput(CheckSettings& settings, CheckInput which, double value) {
    switch (which) {
        case CheckInput::CylinderStrength:
            settings.cylinderStrength = value;
            settings.cubeStrength.reset();
            break;
        case CheckInput::CubeStrength:
            settings.cubeStrength = value;
            settings.cylinderStrength.reset();
            break;
        case CheckInput::LoadShare:
            settings.loadShare = value;
            break;
    }
}

bool strengthInRange(double psi) {
    return psi >= kMinimumStrengthPsi && psi <= kMaximumStrengthPsi;
}

bool cubeStrengthInRange(double psi) {
    return strengthInRange(psi * kCylinderPerCubeStrength);
}

bool loadShareInRange(double percent) {
    return percent >= kMinimumLoadShare && percent <= kMaximumLoadShare;
}

std::string strengthLimitsText(UnitSystem system) {
    return limitsText(kMinimumStrengthPsi, kMaximumStrengthPsi, system);
}

std::string cubeStrengthLimitsText(UnitSystem system) {
    return limitsText(kMinimumStrengthPsi / kCylinderPerCubeStrength,
                      kMaximumStrengthPsi / kCylinderPerCubeStrength, system);
}

ConcreteStrength concreteStrength(const CheckSettings& settings, double concreteModulus) {
    if (settings.cylinderStrength) return {*settings.cylinderStrength, StrengthSource::Given};
    if (settings.cubeStrength)
        return {*settings.cubeStrength * kCylinderPerCubeStrength, StrengthSource::FromCube};
    const double root = concreteModulus / kModulusPerRootStrength;
    return {root * root, StrengthSource::FromModulus};
}

double radiusOfRelativeStiffness(double concreteModulus, double thickness, double poisson,
                                 double subgradeModulus) {
    return fourthRoot(concreteModulus * thickness * thickness * thickness /
                      (12 * (1 - poisson * poisson) * subgradeModulus));
}

DowelGroup dowelGroup(double spacing, double effectiveLength) {
    if (!(spacing > 0) || !(effectiveLength > 0) || !std::isfinite(effectiveLength / spacing))
        return {0, 0};
    // The dowels at i s with i s < L: a closed form rather than a loop, so
    // that no spacing makes it slow; the count is settled against the very
    // products i s the factors use.
    double n = std::ceil(effectiveLength / spacing);
    while (n > 1 && (n - 1) * spacing >= effectiveLength) n -= 1;
    while (n * spacing < effectiveLength) n += 1;
    const double factorSum = n - spacing * n * (n - 1) / (2 * effectiveLength);
    return {static_cast<int>(n), factorSum};
}

double relativeDowelStiffness(double supportModulus, double bearingWidth, double dowelModulus,
                              double inertia) {
    return fourthRoot(supportModulus * bearingWidth / (4 * dowelModulus * inertia));
}

double dowelFaceDeflection(double dowelLoad, double beta, double opening, double dowelModulus,
                           double inertia) {
    return dowelLoad * (2 + beta * opening) / (4 * beta * beta * beta * dowelModulus * inertia);
}

double allowableBearingStress(double bearingWidth, double strength, double lengthPerInch) {
    return (4 * lengthPerInch - bearingWidth) * strength / (3 * lengthPerInch);
}

BarSection barSection(const DowelCase& dowel) {
    if (isRound(dowel)) {
        const double d = dowel.diameter;
        return {d, kPi * d * d * d * d / 64};
    }
    const double b = dowel.width;
    const double t = dowel.height;
    return {b, kPi * b * t * t * t / 64};
}

BarCheck checkChain(const ChainInputs& in) {
    return checkChain(in, dowelGroup(in.spacing, in.lengthFactor * in.radius));
}

BarCheck checkChain(const ChainInputs& in, const DowelGroup& group) {
    BarCheck bar{};
    bar.radius = in.radius;
    bar.effectiveLength = in.lengthFactor * in.radius;
    bar.dowels = group.dowels;
    bar.factorSum = group.factorSum;
    bar.dowelLoad = in.loadShare * in.wheelLoad / group.factorSum;
    bar.beta = relativeDowelStiffness(in.supportModulus, in.section.bearingWidth, in.dowelModulus,
                                      in.section.inertia);
    bar.deflection = dowelFaceDeflection(bar.dowelLoad, bar.beta, in.opening, in.dowelModulus,
                                         in.section.inertia);
    bar.bearingStress = in.supportModulus * bar.deflection;
    bar.allowable = allowableBearingStress(in.section.bearingWidth, in.strength, in.lengthPerInch);
    bar.ratio = bar.bearingStress / bar.allowable;
    // A ratio that is not a number (a chain without dowels) never passes.
    bar.passes = bar.ratio <= 1;
    return bar;
}

TextbookCheck textbookCheck(const DesignValues& values, const CheckSettings& settings) {
    TextbookCheck check{settings, concreteStrength(settings, values[ConcreteModulus]), {}};
    ChainInputs in{};
    in.radius = radiusOfRelativeStiffness(values[ConcreteModulus], values[Thickness],
                                          kConcretePoisson, values[Subgrade]);
    in.lengthFactor = settings.method->lengthFactor;
    in.spacing = values[Spacing];
    in.opening = values[Opening];
    in.wheelLoad = values[Load];
    in.loadShare = settings.loadShare / 100;
    in.dowelModulus = kDowelModulus;
    in.strength = check.strength.psi;
    in.lengthPerInch = 1;
    // The group depends on the slab and the spacing only: one for all bars.
    const DowelGroup group = dowelGroup(in.spacing, in.lengthFactor * in.radius);
    for (int c = 0; c < kDowelCaseCount; ++c) {
        in.section = barSection(kDowelCases[c]);
        in.supportModulus = kDowelCases[c].supportModulus;
        check.bars[c] = checkChain(in, group);
    }
    return check;
}

TextbookCheck textbookCheck(const DowelJointInput& design, const CheckSettings& settings) {
    DesignValues values;
    for (int i = 0; i < kDesignInputCount; ++i) values[i] = design.*kDesignInputs[i].field;
    return textbookCheck(values, settings);
}

std::string checkMethodParagraph(const CheckSettings& settings) {
    return "The wheel load P stands over the outermost dowel at the slab edge. The dowels "
           "within the effective length L = " +
           lengthChoice(settings) + " (" + lengthSource(settings) +
           ") of it, l being the slab's radius of relative stiffness, share the part of P "
           "the dowels carry in proportion to 1 - x/L, x a dowel's distance from the load; "
           "the critical dowel carries Pt = share x P / sum(1 - x/L). It bears on the "
           "concrete as a beam on an elastic foundation: beta = (K b / (4 Es I))^(1/4), "
           "its deflection at the joint face y0 = Pt (2 + beta z) / (4 beta^3 Es I) and "
           "the bearing stress sigma_b = K y0, with K and Es as the analysis takes them. "
           "The bar passes when sigma_b is at most the allowable bearing stress "
           "f_b = (4 - b) f'c / 3 (b in inches, f'c in psi). Sources: B. F. Friberg, "
           "Design of dowels in transverse joints of concrete pavements, Transactions "
           "ASCE 105 (1940); S. Timoshenko and J. M. Lessells, Applied Elasticity "
           "(1925); A. M. Tabatabaie, E. J. Barenberg and R. E. Smith (1979) for "
           "L = 1.0 l; ACI Committee 325 for f_b; ACI 318 for Ec = 57000 sqrt(f'c).";
}

std::vector<CheckInputRow> checkInputRows(const TextbookCheck& check, UnitSystem system) {
    const char* stressUnit = system == UnitSystem::Us ? "psi" : "MPa";
    std::string strengthNote;
    switch (check.strength.source) {
        case StrengthSource::Given:
            strengthNote = "given";
            break;
        case StrengthSource::FromCube:
            strengthNote = "from f_ck = " + strengthText(*check.settings.cubeStrength, system) +
                           " " + stressUnit + " (f'c = 0.8 f_ck)";
            break;
        case StrengthSource::FromModulus:
            strengthNote = "derived from Ec = 57000 sqrt(f'c) (ACI 318)";
            break;
    }
    return {
        {"Concrete strength f'c", strengthText(check.strength.psi, system), stressUnit,
         strengthNote},
        {"Load carried by the dowels", formatShortest(check.settings.loadShare), "%",
         check.settings.loadShare == kDefaultLoadShare ? "default" : "given"},
        {"Effective length L", lengthChoice(check.settings), "", lengthSource(check.settings)},
    };
}

const std::array<CheckColumnInfo, kCheckColumnCount> kCheckColumns = {{
    {"check_l", "l"},
    {"check_effective_length", "L"},
    {"check_dowels", "Dowels"},
    {"check_factor_sum", "Sum of factors"},
    {"check_dowel_load", "Pt"},
    {"check_beta", "beta"},
    {"check_deflection", "y0"},
    {"check_bearing_stress", "sigma_b"},
    {"check_allowable", "f_b"},
    {"check_ratio", "sigma_b / f_b"},
    {"check_verdict", "Verdict"},
}};

const char* checkColumnUnit(int column, UnitSystem system) {
    const ColumnUnits& u = kColumnUnits[column];
    return system == UnitSystem::Us ? u.us : u.si;
}

std::string checkColumnText(const BarCheck& bar, int column, UnitSystem system, bool full) {
    if (column == CheckVerdict) return verdictWord(bar);
    if (column == CheckDowels) return std::to_string(bar.dowels);
    const ColumnUnits& u = kColumnUnits[column];
    const bool si = system == UnitSystem::Si;
    const double value = columnValue(bar, column) * (si ? u.siPerUs : 1);
    if (full) return formatShortest(value);
    return formatFixed(value, si ? u.siDecimals : u.usDecimals);
}

std::array<std::string, kCheckColumnCount> checkRow(const BarCheck& bar, UnitSystem system) {
    std::array<std::string, kCheckColumnCount> row;
    for (int c = 0; c < kCheckColumnCount; ++c) row[c] = checkColumnText(bar, c, system, false);
    return row;
}

void appendCheckDescription(const TextbookCheck& check, int bar, UnitSystem system,
                            std::string& text) {
    const BarCheck& b = check.bars[bar];
    const auto value = [&](const char* before, int column) {
        text += before;
        text += checkColumnText(b, column, system, false);
        const char* unit = checkColumnUnit(column, system);
        if (unit[0] == '-') return;
        text += ' ';
        text += unit;
    };
    text += kTextbookCheckTitle;
    text += ", L = ";
    text += lengthChoice(check.settings);
    text += ":\nf'c ";
    text += strengthText(check.strength.psi, system);
    text += system == UnitSystem::Us ? " psi" : " MPa";
    if (check.strength.source == StrengthSource::FromModulus) text += " (derived from Ec)";
    if (check.strength.source == StrengthSource::FromCube) text += " (0.8 f_ck)";
    text += ", ";
    text += formatShortest(check.settings.loadShare);
    text += " % of the load on the dowels\n";
    value("l ", CheckRadius);
    value(", L ", CheckEffectiveLength);
    value(", dowels ", CheckDowels);
    value(", factors sum ", CheckFactorSum);
    value("\nPt ", CheckDowelLoad);
    value(", beta ", CheckBeta);
    value(", y0 ", CheckDeflection);
    value("\nsigma_b ", CheckBearingStress);
    value(", f_b ", CheckAllowable);
    value(", ratio ", CheckRatio);
    text += ": ";
    text += verdictWord(b);
}

std::string describeCheck(const TextbookCheck& check, int bar, UnitSystem system) {
    std::string text;
    appendCheckDescription(check, bar, system, text);
    return text;
}

}  // namespace tavrel
