#include "cli/cli_check.h"

#include "cli/cli_options.h"

namespace tavrel::cli {

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
    // The option table refuses an option given twice.
    if (name == "check") {
        const CheckMethod* method = readCheckMethod(value, error);
        if (method == nullptr) return false;
        options.checkInputs.method = method;
        options.check = options.checkInputs;  // completed once every option is read
        return true;
    }
    const CheckInput which = *checkInputByName(name);
    options.checkGiven[static_cast<size_t>(which)] = true;
    const std::optional<double> v =
        readCheckInput("--" + std::string(name), options.units, which, value, error);
    if (!v) return false;
    setCheckInput(options.checkInputs, which, *v);
    return true;
}

bool takeDesignCheck(const DesignDocument& file, const std::string& fileName, Options& options,
                     std::string& error) {
    std::string refusal;
    const std::optional<CheckSettings> settings = designCheck(file, refusal);
    if (!refusal.empty()) {
        error = fileName + ": " + refusal;
        return false;
    }
    if (settings) {
        options.checkInputs = *settings;
        options.check = settings;
    }
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
        error = std::string("--") + checkInputName(static_cast<CheckInput>(i)) +
                ": is for the textbook check: add --check " + kCheckMethods[0].name;
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
