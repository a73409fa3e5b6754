// The classic hand check of dowel bearing stress, beside the engine's grades:
// the wheel load shared by the dowels near it (Friberg's dowel group), the
// critical dowel as a beam on an elastic foundation, and the allowable bearing
// stress from the concrete strength (ACI 325). It is a second, separate
// verdict; the engine's grades never depend on it.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/design_analysis.h"
#include "analysis/units.h"

namespace tavrel {

inline constexpr const char* kTextbookCheckTitle = "Textbook check (Friberg, ACI allowable)";
inline constexpr const char* kCheckPasses = "passes";
inline constexpr const char* kCheckFails = "fails";

// The methods by the name users give them, with the effective length L as a
// multiple of the radius of relative stiffness l.
struct CheckMethod {
    const char* name;
    double lengthFactor;
};
inline constexpr std::array<CheckMethod, 2> kCheckMethods = {{
    {"friberg", 1.0},
    {"friberg-1.8l", 1.8},
}};
const CheckMethod* findCheckMethod(std::string_view name);
// "friberg, friberg-1.8l", for messages.
std::string checkMethodNames();

// The limits of the added inputs, inclusive. A cube strength is held to the
// cylinder strength it gives.
inline constexpr double kMinimumStrengthPsi = 1000;
inline constexpr double kMaximumStrengthPsi = 20000;
inline constexpr double kCylinderPerCubeStrength = 0.8;
inline constexpr double kMinimumLoadShare = 1;  // percent
inline constexpr double kMaximumLoadShare = 100;
inline constexpr double kDefaultLoadShare = 50;
// ACI 318's Ec = 57000 sqrt(f'c), both in psi.
inline constexpr double kModulusPerRootStrength = 57000;

// What the user chose; strengths in psi, whichever units they were typed in.
struct CheckSettings {
    const CheckMethod* method = &kCheckMethods[0];
    std::optional<double> cylinderStrength;  // f'c
    std::optional<double> cubeStrength;      // f_ck
    double loadShare = kDefaultLoadShare;    // percent of the wheel load
};

// The inputs the check adds to a design.
enum class CheckInput { CylinderStrength, CubeStrength, LoadShare };
constexpr int kCheckInputCount = 3;

// Their option, column and design-file names, in that order.
inline constexpr std::array<const char*, kCheckInputCount> kCheckInputNames = {"fc", "fck",
                                                                               "load-share"};
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

bool strengthInRange(double psi);
bool cubeStrengthInRange(double psi);
bool loadShareInRange(double percent);
// The limits as a message shows them: "1000 to 20000 psi", "6.8948 to 137.89 MPa".
std::string strengthLimitsText(UnitSystem system);
std::string cubeStrengthLimitsText(UnitSystem system);

enum class StrengthSource { Given, FromCube, FromModulus };
struct ConcreteStrength {
    double psi;
    StrengthSource source;
};
// f'c as given, from f_ck, or derived from the concrete modulus (in psi).
ConcreteStrength concreteStrength(const CheckSettings& settings, double concreteModulus);

// One step each, in any consistent units, so that a worked example in other
// units can be followed step by step.
double radiusOfRelativeStiffness(double concreteModulus, double thickness, double poisson,
                                 double subgradeModulus);
struct DowelGroup {
    int dowels;        // dowels at x = 0, s, 2s, ... with x < L
    double factorSum;  // sum of 1 - x/L over them
};
DowelGroup dowelGroup(double spacing, double effectiveLength);
double relativeDowelStiffness(double supportModulus, double bearingWidth, double dowelModulus,
                              double inertia);  // beta
double dowelFaceDeflection(double dowelLoad, double beta, double opening, double dowelModulus,
                           double inertia);  // y0
// ACI 325's (4 in. - b) f'c / 3 in.; `lengthPerInch` is 1 for inches, 25.4
// for millimetres, so the formula reads the same in either.
double allowableBearingStress(double bearingWidth, double strength, double lengthPerInch);

// A bar's section as the check sees it: the width bearing on the concrete and
// the moment of inertia about the horizontal axis.
struct BarSection {
    double bearingWidth;
    double inertia;
};
BarSection barSection(const DowelCase& dowel);

// Everything the chain needs past l, in consistent units.
struct ChainInputs {
    double radius;        // l
    double lengthFactor;  // L / l
    double spacing;
    double opening;
    double wheelLoad;
    double loadShare;  // fraction carried by the dowels
    BarSection section;
    double supportModulus;  // K
    double dowelModulus;    // Es
    double strength;        // f'c
    double lengthPerInch;
};

struct BarCheck {
    double radius;           // l
    double effectiveLength;  // L
    int dowels;
    double factorSum;
    double dowelLoad;  // Pt
    double beta;
    double deflection;     // y0
    double bearingStress;  // sigma_b
    double allowable;      // f_b
    double ratio;
    bool passes;
};
BarCheck checkChain(const ChainInputs& in);
// The same with the dowel group already worked out for `in`.
BarCheck checkChain(const ChainInputs& in, const DowelGroup& group);

struct TextbookCheck {
    CheckSettings settings;
    ConcreteStrength strength;
    std::array<BarCheck, kDowelCaseCount> bars;
};
// The check of all eight bars for a design's seven values as the analysis
// reads them (US units).
TextbookCheck textbookCheck(const DesignValues& values, const CheckSettings& settings);
// The same from the engine's input record as the analysis last filled it.
TextbookCheck textbookCheck(const DowelJointInput& design, const CheckSettings& settings);

inline const char* verdictWord(const BarCheck& bar) {
    return bar.passes ? kCheckPasses : kCheckFails;
}

// How a report or page lays the check out.

// The method in one paragraph, with its sources.
std::string checkMethodParagraph(const CheckSettings& settings);

// The inputs the check adds, as rows: caption, value, unit, and how the value
// came about ("given", "derived from Ec (ACI 318)", ...).
struct CheckInputRow {
    std::string caption;
    std::string value;
    std::string unit;
    std::string note;
};
std::vector<CheckInputRow> checkInputRows(const TextbookCheck& check, UnitSystem system);

// The chain's columns: the field name programs read, the caption people read,
// and the unit in each system.
enum CheckColumn {
    CheckRadius,
    CheckEffectiveLength,
    CheckDowels,
    CheckFactorSum,
    CheckDowelLoad,
    CheckBeta,
    CheckDeflection,
    CheckBearingStress,
    CheckAllowable,
    CheckRatio,
    CheckVerdict,
};
constexpr int kCheckColumnCount = 11;
// The columns before this one depend on the design only, not on the bar.
constexpr int kFirstBarCheckColumn = CheckBeta;
struct CheckColumnInfo {
    const char* key;      // "check_l"
    const char* caption;  // "l"
};
extern const std::array<CheckColumnInfo, kCheckColumnCount> kCheckColumns;
// The unit caption of a column ("in.", "kN", "1/mm"; "-" for a pure number).
const char* checkColumnUnit(int column, UnitSystem system);
// A column's value in `system`: rounded for reading, or the shortest text that
// reads back as the same double when `full`.
std::string checkColumnText(const BarCheck& bar, int column, UnitSystem system, bool full);
// One bar's chain as a row of kCheckColumnCount texts.
std::array<std::string, kCheckColumnCount> checkRow(const BarCheck& bar, UnitSystem system);

// The check's lines for bar `bar`'s working tooltip: the method and f'c, then
// the chain. The second form appends them to `text`, reusing its storage: the
// window writes them on every keystroke.
std::string describeCheck(const TextbookCheck& check, int bar, UnitSystem system);
void appendCheckDescription(const TextbookCheck& check, int bar, UnitSystem system,
                            std::string& text);

}  // namespace tavrel
