#include "cli/cli_check.h"

#include "analysis/number_reader.h"
#include "cli/cli_options.h"

namespace tavrel::cli {

namespace {

constexpr const char* kNames[kCheckInputCount] = {"fc", "fck", "load-share"};

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

}  // namespace

const char* checkInputName(CheckInput which) {
    return kNames[static_cast<int>(which)];
}

std::optional<CheckInput> checkInputByName(std::string_view name) {
    for (int i = 0; i < kCheckInputCount; ++i)
        if (name == kNames[i]) return static_cast<CheckInput>(i);
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

std::optional<double> readCheckInput(std::string_view what, UnitSystem units, CheckInput which,
                                     std::string_view text, std::string& error) {
    const std::string range = checkAllowedRange(units, which);
    if (text.empty()) {
        error = std::string(what) + ": empty value " + range;
        return std::nullopt;
    }
    const std::optional<double> number = readCompleteNumber(text);
    if (!number) {
        error = std::string(what) + ": '" + std::string(text) + "' is not a number " + range;
        return std::nullopt;
    }
    const double value = toCheckUnits(units, which, *number);
    if (!inCheckRange(which, value)) {
        error = std::string(what) + ": " + std::string(text) + " is out of range " + range;
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

const CheckMethod* readCheckMethod(std::string_view text, std::string& error) {
    const CheckMethod* method = findCheckMethod(text);
    if (method == nullptr)
        error = "--check: '" + std::string(text) + "' is not one of " + checkMethodNames();
    return method;
}

bool isCheckOption(std::string_view name) {
    return name == "check" || checkInputByName(name).has_value();
}

bool readCheckOption(std::string_view name, std::string_view value, Options& options,
                     std::string& error) {
    const std::string option = "--" + std::string(name);
    if (name == "check") {
        if (options.check) {
            error = option + ": given twice";
            return false;
        }
        const CheckMethod* method = readCheckMethod(value, error);
        if (method == nullptr) return false;
        options.checkInputs.method = method;
        options.check = options.checkInputs;  // completed once every option is read
        return true;
    }
    const CheckInput which = *checkInputByName(name);
    bool& given = options.checkGiven[static_cast<size_t>(which)];
    if (given) {
        error = option + ": given twice";
        return false;
    }
    given = true;
    const std::optional<double> v = readCheckInput(option, options.units, which, value, error);
    if (!v) return false;
    setCheckInput(options.checkInputs, which, *v);
    return true;
}

bool finishCheckOptions(Options& options, std::string& error) {
    const auto given = [&](CheckInput which) {
        return options.checkGiven[static_cast<size_t>(which)];
    };
    if (given(CheckInput::CylinderStrength) && given(CheckInput::CubeStrength)) {
        error = "--fc: cannot be combined with --fck (give one strength)";
        return false;
    }
    for (int i = 0; i < kCheckInputCount; ++i) {
        if (!options.checkGiven[i] || options.check) continue;
        error = std::string("--") + kNames[i] + ": is for the textbook check: add --check " +
                kCheckMethods[0].name;
        return false;
    }
    if (options.check) {
        const CheckMethod* method = options.check->method;
        options.check = options.checkInputs;
        options.check->method = method;
    }
    return true;
}

std::string checkHelpText(UnitSystem units) {
    return "Textbook check (beside the grades, which it never changes):\n"
           "  --check friberg|friberg-1.8l\n"
           "                           add each bar's bearing stress by Friberg's dowel group\n"
           "                           (effective length 1.0 l, or 1.8 l) against the ACI\n"
           "                           allowable, with the verdict \"passes\" or \"fails\": in\n"
           "                           the table sigma_b, f_b and the verdict; in csv and json\n"
           "                           check_l, check_effective_length, check_dowels,\n"
           "                           check_factor_sum, check_dowel_load, check_beta,\n"
           "                           check_deflection, check_bearing_stress,\n"
           "                           check_allowable, check_ratio, check_verdict\n"
           "  --fc VALUE               cylinder strength f'c, " +
           strengthLimitsText(units) +
           ";\n"
           "                           without it or --fck, f'c is derived from ec (ACI 318)\n"
           "  --fck VALUE              cube strength, f'c = 0.8 f_ck: " +
           cubeStrengthLimitsText(units) + "\n" +
           "  --load-share PERCENT     the part of the wheel load the dowels carry (default\n"
           "                           50, 1 to 100)\n"
           "  A designs file may carry fc, fck and load-share columns; an empty field there\n"
           "  means not given.\n";
}

}  // namespace tavrel::cli
