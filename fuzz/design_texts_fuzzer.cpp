// Whatever is typed into the seven boxes: the reader, the range checks and a
// whole analysis run with the real engine must agree and come back promptly.
// The input is split at its first six line feeds into the seven box texts.
#include <array>
#include <cerrno>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "analysis/design_analysis.h"
#include "analysis/number_reader.h"
#include "analysis/typed_text.h"
#include "fuzz_check.h"

namespace {

using tavrel::AnalysisRun;
using tavrel::kDesignInputCount;
using tavrel::kDesignInputs;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The C library's reading of the same text, where both grammars coincide: a
// decimal number (not hexadecimal, infinity or NaN) after blanks and tabs.
bool libraryReading(std::string_view text, double& value) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    size_t j = i;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    if (j >= text.size() || !(isDigit(text[j]) || text[j] == '.')) return false;
    if (text[j] == '0' && j + 1 < text.size() && (text[j + 1] == 'x' || text[j + 1] == 'X'))
        return false;
    const std::string copy(text.substr(i));  // strtod needs the terminator
    if (copy.find('\0') != std::string::npos) return false;
    errno = 0;
    value = std::strtod(copy.c_str(), nullptr);
    return true;
}

void checkReader(std::string_view text) {
    const double value = tavrel::readLeadingNumber(text);
    FUZZ_CHECK(!std::isnan(value), "the reader never yields NaN");

    // Text after the number cannot change it; blanks before it neither.
    std::string longer(text);
    longer += "x5";
    FUZZ_CHECK(tavrel::readLeadingNumber(longer) == value, "trailing text is ignored");
    FUZZ_CHECK(tavrel::readLeadingNumber(" \t" + std::string(text)) == value,
               "leading blanks are skipped");

    double expected;
    if (libraryReading(text, expected)) {
        // Both round correctly; below the normal range the reader may flush to 0.
        if (std::fabs(expected) >= DBL_MIN || expected == 0)
            FUZZ_CHECK(value == expected, "the reader agrees with strtod");
        else
            FUZZ_CHECK(value == expected || value == 0, "a subnormal reads as itself or 0");
    }
}

// Making typed text plain never lengthens it, leaves plain text alone and
// needs doing only once.
std::string_view checkTypedText(std::string_view text, std::string& scratch) {
    const std::string_view plain = tavrel::normaliseTypedText(text, scratch);
    FUZZ_CHECK(plain.size() <= text.size(), "plain text is never longer");
    std::string again;
    FUZZ_CHECK(tavrel::normaliseTypedText(plain, again) == plain, "plain text stays as it is");
    return plain;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::setlocale(LC_ALL, "C");  // strtod's decimal point is the full stop
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Each box's text in a heap buffer of its exact size, so that ASan sees a
    // read past its end.
    std::array<std::string, kDesignInputCount> owned;
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    for (int i = 0; i < kDesignInputCount; ++i) {
        const size_t cut = i + 1 < kDesignInputCount ? rest.find('\n') : std::string_view::npos;
        owned[i] = std::string(rest.substr(0, cut));
        rest = cut == std::string_view::npos ? std::string_view() : rest.substr(cut + 1);
    }
    std::array<std::string_view, kDesignInputCount> texts;
    std::array<float, kDesignInputCount> values;
    int firstOutOfRange = kDesignInputCount;
    std::string scratch;
    for (int i = 0; i < kDesignInputCount; ++i) {
        texts[i] = owned[i];
        checkReader(texts[i]);
        const std::string_view plain = checkTypedText(texts[i], scratch);
        values[i] = static_cast<float>(tavrel::readLeadingNumber(plain));
        const tavrel::DesignInput& input = kDesignInputs[i];
        const bool in = tavrel::inRange(values[i], input);
        FUZZ_CHECK(!in || std::isfinite(values[i]), "only numbers pass the range check");
        // The limits the tooltip states pass themselves; their neighbours do not.
        FUZZ_CHECK(tavrel::inRange(input.minimum, input) && tavrel::inRange(input.maximum, input),
                   "the stated limits are allowed");
        FUZZ_CHECK(!tavrel::inRange(std::nextafter(input.minimum, -INFINITY), input) &&
                       !tavrel::inRange(std::nextafter(input.maximum, INFINITY), input),
                   "just beyond the stated limits is refused");
        if (!in && firstOutOfRange == kDesignInputCount) firstOutOfRange = i;
    }

    tavrel::DesignAnalysis analysis;
    const AnalysisRun run = analysis.run(texts, CALCLTE);
    FUZZ_CHECK(run.inputsInRange == firstOutOfRange, "the run stops at the first bad input");
    for (int i = 0; i < kDesignInputCount; ++i) {
        const float stored = analysis.input().*kDesignInputs[i].field;
        FUZZ_CHECK(stored == values[i] || (std::isnan(stored) && std::isnan(values[i])),
                   "every box is read into its field before any check");
    }
    if (firstOutOfRange < kDesignInputCount) {
        FUZZ_CHECK(run.outcome == AnalysisRun::InputOutOfRange, "a bad input stops the run");
        FUZZ_CHECK(analysis.engineCalls() == 0, "no engine call after a bad input");
        return 0;
    }

    FUZZ_CHECK(run.outcome == AnalysisRun::Complete, "good inputs complete the run");
    FUZZ_CHECK(analysis.engineCalls() == tavrel::kDowelCaseCount, "one engine call per case");
    for (const tavrel::CaseResult& c : run.cases) {
        // Within the limits every result of the engine is a number.
        const float* fields = &c.engine.deflectionLte;
        for (size_t f = 0; f < sizeof(DowelJointResult) / sizeof(float); ++f)
            FUZZ_CHECK(std::isfinite(fields[f]), "results within the limits are finite");
        FUZZ_CHECK(c.engine.edgeBearingStress >= 0 && c.engine.cornerBearingStress >= 0,
                   "bearing stresses are not negative");
        tavrel::CaseGrade worst = tavrel::CaseGrade::Acceptable;
        for (const tavrel::ResultCell& cell : c.cells) {
            FUZZ_CHECK(!cell.text.empty() && cell.text != "n/a", "every cell shows a number");
            if (cell.grade) worst = tavrel::worse(worst, *cell.grade);
        }
        FUZZ_CHECK(c.grade == worst, "the case takes its worst cell's grade");
    }
    return 0;
}
