// A parametric study as scripts run it: 10^5 designs (8 x 10^5 engine calls)
// swept on one core and written as CSV, formatting included, into a sink that
// discards the bytes. items_per_second is engine calls per second.
#include <benchmark/benchmark.h>

#include "cli/cli_options.h"
#include "cli/cli_run.h"

namespace {

tavrel::cli::Options studyOptions() {
    // 10 x 10 x 10 x 10 x 10 designs.
    const auto parsed = tavrel::cli::parseArguments(
        {"--format", "csv", "--sweep", "spacing=6:33:3", "--sweep", "opening=0.05:0.5:0.05",
         "--sweep", "k=100:1000:100", "--sweep", "load=5000:14000:1000", "--sweep",
         "thickness=6:15:1"});
    return *parsed.options;
}

void SweepToCsv(benchmark::State& state) {
    const tavrel::cli::Options options = studyOptions();
    long calls = 0;
    std::size_t bytes = 0;
    for (auto _ : state) {
        tavrel::cli::Output sink(nullptr);
        calls += tavrel::cli::runStudy(options, &CALCLTE, sink).engineCalls;
        bytes += sink.bytes();
    }
    state.SetItemsProcessed(calls);
    state.SetBytesProcessed(static_cast<int64_t>(bytes));
    state.counters["designs"] = static_cast<double>(tavrel::cli::designCount(options));
}
BENCHMARK(SweepToCsv)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
