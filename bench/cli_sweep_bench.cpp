// A parametric study as scripts run it: 10^6 designs (8 x 10^6 engine calls)
// swept and written as CSV, formatting included, into a sink that discards the
// bytes, on one job and on two. items_per_second is designs per second; on a
// machine with two idle cores two jobs should give at least 1.8 times one.
// With check:1 the textbook check's eleven columns ride along.
#include <benchmark/benchmark.h>

#include "cli/cli_options.h"
#include "cli/cli_run.h"

namespace {

tavrel::cli::Options studyOptions(int jobs, bool check) {
    // 10 x 10 x 10 x 10 x 10 x 10 designs.
    const std::string jobsText = std::to_string(jobs);
    std::vector<std::string_view> args = {"--format", "csv",
                                          "--jobs",   jobsText,
                                          "--sweep",  "spacing=6:33:3",
                                          "--sweep",  "opening=0.05:0.5:0.05",
                                          "--sweep",  "k=100:1000:100",
                                          "--sweep",  "load=5000:14000:1000",
                                          "--sweep",  "thickness=6:15:1",
                                          "--sweep",  "tire-pressure=50:140:10"};
    if (check) args.insert(args.end(), {"--check", "friberg"});
    return *tavrel::cli::parseArguments(args).options;
}

void SweepToCsv(benchmark::State& state) {
    const tavrel::cli::Options options =
        studyOptions(static_cast<int>(state.range(0)), state.range(1) != 0);
    long calls = 0;
    std::size_t bytes = 0;
    for (auto _ : state) {
        tavrel::cli::Output sink(nullptr);
        calls += tavrel::cli::runStudy(options, &CALCLTE, sink).engineCalls;
        bytes += sink.bytes();
    }
    state.SetItemsProcessed(calls / tavrel::kDowelCaseCount);
    state.SetBytesProcessed(static_cast<int64_t>(bytes));
    state.counters["designs"] = static_cast<double>(tavrel::cli::designCount(options));
}
BENCHMARK(SweepToCsv)
    ->ArgNames({"jobs", "check"})
    ->Args({1, 0})
    ->Args({2, 0})
    ->Args({1, 1})
    ->Args({2, 1})
    ->Unit(benchmark::kSecond)
    ->UseRealTime()
    ->Iterations(1);

}  // namespace
