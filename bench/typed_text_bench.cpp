// Making a pasted text plain before it is read: a million characters, typed
// digits or pasted from a web page, must go through in a blink and in one
// pass, and plain digits without a copy.
#include <benchmark/benchmark.h>

#include <string>

#include "analysis/number_reader.h"
#include "analysis/typed_text.h"

namespace {

std::string repeated(const std::string& piece, size_t characters) {
    std::string text;
    while (text.size() < characters) text += piece;
    return text;
}

void PlainTextOfAMillionCharacters(benchmark::State& state, const std::string& piece) {
    const std::string text = repeated(piece, 1000000);
    std::string scratch;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            tavrel::readLeadingNumber(tavrel::normaliseTypedText(text, scratch)));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK_CAPTURE(PlainTextOfAMillionCharacters, ascii_digits, std::string("1234567890"))
    ->Unit(benchmark::kMillisecond);
// No-break spaces, full-width digits, a direction mark: every character needs work.
BENCHMARK_CAPTURE(PlainTextOfAMillionCharacters, pasted,
                  std::string("\u00A0\uFF11\uFF12\u202E\u0663\u3000"))
    ->Unit(benchmark::kMillisecond);

}  // namespace
