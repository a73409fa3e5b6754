// One CALCLTE call per window dowel case at the default design, and the whole
// eight-case run that one keystroke costs.
#include <benchmark/benchmark.h>

#include "default_design.h"

namespace {

using testing_support::defaultDesign;
using testing_support::kWindowDowelBars;

void OneCall(benchmark::State& state) {
    const DowelJointInput in = defaultDesign(kWindowDowelBars[state.range(0)]);
    DowelJointResult r;
    for (auto _ : state) {
        CALCLTE(&in, &r);
        benchmark::DoNotOptimize(r);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(OneCall)->DenseRange(0, 7)->ArgName("dowelCase");

void EightCaseRun(benchmark::State& state) {
    DowelJointInput inputs[8];
    for (int c = 0; c < 8; ++c) inputs[c] = defaultDesign(kWindowDowelBars[c]);
    DowelJointResult r;
    for (auto _ : state) {
        for (const auto& in : inputs) {
            CALCLTE(&in, &r);
            benchmark::DoNotOptimize(r);
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 8);
}
BENCHMARK(EightCaseRun);

}  // namespace
