#include "cli/cli_design.h"

#include <ctime>

#include "analysis/number_reader.h"
#include "analysis/page_texts.h"
#include "analysis/program_version.h"
#include "analysis/typed_text.h"
#include "platform/design_storage.h"

namespace tavrel::cli {

std::string checkDetailText(const std::string& text) {
    if (fitsDesignText(text)) return {};
    return "longer than " + std::to_string(kMaxDesignTextChars) + " characters";
}

std::optional<DesignDocument> readDesignOption(Options& options, bool unitsGiven, bool usOnly,
                                               std::string& error) {
    const DesignReading reading = platform::readDesignFile(options.designFile);
    if (!reading.document) {
        error = options.designFile + ": " + reading.error;
        return std::nullopt;
    }
    if (!unitsGiven) options.units = usOnly ? UnitSystem::Us : reading.document->units;
    options.details = reading.document->details;
    options.spacing = reading.document->spacing;
    return inUnits(*reading.document, options.units);
}

void takeDesignInputs(const DesignDocument& file, Options& options,
                      std::array<std::string, kDesignInputCount>& refusals) {
    std::string scratch;
    for (int i = 0; i < kDesignInputCount; ++i) {
        const auto found = file.inputs.find(kDesignInputs[i].option);
        if (found == file.inputs.end()) continue;
        const std::string& text = found->second;
        // A file keeps each box as typed: it is read as the window reads the box,
        // so that the design analysed is the one the window showed.
        const BoxReading reading = readBox(options.units, i, text);
        if (!reading.inRange) {
            refusals[i] = options.designFile + ": inputs." + kDesignInputs[i].option + ": " +
                          refusalText(options.units, i, reading);
            continue;
        }
        options.values[i] = readLeadingNumber(normaliseTypedText(text, scratch));
        options.texts[i] = text;
    }
}

int saveDesignOption(const Options& options, std::string& error) {
    DesignDocument document;
    document.units = options.units;
    for (int i = 0; i < kDesignInputCount; ++i) {
        document.inputs[kDesignInputs[i].option] =
            options.texts[i].empty() ? plainDecimal(static_cast<float>(options.values[i]))
                                     : options.texts[i];
    }
    document.details = options.details;
    document.spacing = options.spacing;
    keepDesignCheck(document, options.check);
    document.programVersion = programVersion();
    document.savedAt = utcTimestamp(std::time(nullptr));
    const platform::WriteOutcome outcome = platform::saveDesignFile(options.saveDesign, document);
    if (outcome.ok) return kExitOk;
    error = "tavrel-cli: --save-design: " + options.saveDesign + ": " + outcome.error + "\n";
    return kExitWriteFailed;
}

}  // namespace tavrel::cli
