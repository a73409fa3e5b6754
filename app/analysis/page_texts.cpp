#include "analysis/page_texts.h"

#include <cmath>
#include <cstdio>

#include "analysis/design_inputs.h"
#include "analysis/number_reader.h"
#include "analysis/results_table.h"
#include "analysis/typed_text.h"

namespace tavrel {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Blanks around a number are not more than the number.
std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Whether the reader finds digits at the start: "abc", "-" and "" read as 0,
// but saying "read as 0" would suggest the page understood them.
bool startsWithNumber(std::string_view text) {
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    if (i < text.size() && text[i] == '.') ++i;
    return i < text.size() && text[i] >= '0' && text[i] <= '9';
}

// A value beyond single precision has no plain form worth showing, and is
// refused whatever its digits: six of them keep it short ("1e+300"), and a
// value beyond any number reads back as itself from "1e999".
std::string shortText(double read, float value) {
    if (std::isfinite(value)) return plainDecimal(value);
    if (std::isinf(read)) return read > 0 ? "1e999" : "-1e999";
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.6g", read);
    return buffer;
}

std::string rangeWords(UnitSystem system, int input) {
    return inputMinimumText(system, input) + " to " + inputMaximumText(system, input) + " " +
           inputScale(system, input).caption;
}

}  // namespace

BoxReading readBox(UnitSystem system, int input, std::string_view text) {
    std::string scratch;
    const std::string_view plain = trimmed(normaliseTypedText(text, scratch));
    const double read = readLeadingNumber(plain);
    BoxReading reading;
    reading.value = static_cast<float>(read);
    reading.analysisValue = toAnalysisUnits(system, input, read);
    reading.hasNumber = startsWithNumber(plain);
    reading.finite = std::isfinite(read);
    reading.moreThanNumber = !plain.empty() && !readCompleteNumber(plain);
    reading.inRange = inRange(reading.analysisValue, kDesignInputs[input]);
    reading.valueText = shortText(read, reading.value);
    return reading;
}

std::string refusalText(UnitSystem system, int input, const BoxReading& reading) {
    if (reading.inRange) return {};
    // Beyond any number (1e400) there is nothing worth repeating to the user.
    if (!reading.hasNumber || !reading.finite)
        return "Enter a number from " + rangeWords(system, input);
    return reading.valueText + " is outside " + rangeWords(system, input);
}

std::string readAsText(const BoxReading& reading) {
    if (!reading.hasNumber || !reading.finite || !reading.moreThanNumber) return {};
    return "read as " + reading.valueText;
}

const char* gradeShortWord(CaseGrade grade) {
    switch (grade) {
        case CaseGrade::Acceptable:
            return "OK";
        case CaseGrade::Conditional:
            return "Cond.";
        case CaseGrade::Unacceptable:
            break;
    }
    return "Not OK";
}

std::string bearingStressSection(UnitSystem system) {
    if (system == UnitSystem::Us) return kBearingStressSection;
    return std::string("Bearing Stress (") + stressScale(system).caption + ") -";
}

std::string resultText(const CaseResult& result, int row, UnitSystem system) {
    if (system == UnitSystem::Us || (row != EdgeStressRow && row != CornerStressRow))
        return result.cells[row].text;
    return bearingStressText(
        row == EdgeStressRow ? result.engine.edgeBearingStress : result.engine.cornerBearingStress,
        system);
}

}  // namespace tavrel
