// A parametric study as scripts run it: 10^6 designs (8 x 10^6 engine calls)
// swept and written as CSV, formatting included, into a sink that discards the
// bytes, on one job and on two. items_per_second is designs per second; on a
// machine with two idle cores two jobs should give at least 1.8 times one.
// With check:1 the textbook check's eleven columns ride along.
//
// PeakMemory runs the built tavrel-cli on the inputs that once took a gigabyte
// (1000 lines with a 100 KB copied column; a small sweep with --all-fields as
// JSON) at 1, 2 and 256 jobs, and reports its peak resident memory (peak_MB,
// to stay under 100 at any jobs) and its time (more jobs never slower than one
// beyond the machine's noise).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

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

// Runs tavrel-cli with `args`, output discarded; its peak resident memory in MB.
double peakMegabytes(std::vector<std::string> args) {
    std::vector<char*> argv{const_cast<char*>(TAVREL_CLI_PATH)};
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

const std::string& wideColumnsFile() {
    static const std::string path = [] {
        const std::string name = "/tmp/tavrel-bench-wide-columns.csv";
        std::ofstream file(name);
        file << "id,thickness\n";
        const std::string wide(100000, 'x');
        for (int line = 0; line < 1000; ++line) file << wide << ",10\n";
        return name;
    }();
    return path;
}

void PeakMemory(benchmark::State& state) {
    const std::string jobs = std::to_string(state.range(1));
    std::vector<std::string> args;
    if (state.range(0) == 0) {
        args = {"--designs", wideColumnsFile(), "--format", "csv", "--jobs", jobs};
    } else {
        args = {"--sweep", "thickness=5:30:0.001", "--all-fields", "--format", "json", "--jobs",
                jobs};
    }
    double peak = 0;
    for (auto _ : state) peak = std::max(peak, peakMegabytes(args));
    state.counters["peak_MB"] = peak;
}
BENCHMARK(PeakMemory)
    ->ArgNames({"sweep", "jobs"})
    ->ArgsProduct({{0, 1}, {1, 2, 256}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

}  // namespace
