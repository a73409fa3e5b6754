// What an engineer waits for when leaving the window with an answer: the whole
// design report (the study of all seven inputs and the drawing of every page
// into a PDF held in memory), and tavrel-cli's --solve for one input. Both on
// the design the window opens with, so the counts are comparable run to run.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QPdfWriter>

#include "analysis/design_inputs.h"
#include "analysis/grade_solver.h"
#include "cli/cli_solve.h"
#include "report/design_report.h"

namespace {

void WholeReport(benchmark::State& state) {
    const tavrel::DesignValues design = tavrel::inputDefaults();
    long calls = 0;
    qint64 bytes = 0;
    int pages = 0;
    for (auto _ : state) {
        const std::optional<tavrel::DesignStudy> study = tavrel::studyDesign(design, &CALCLTE);
        calls = study->engineCalls;
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        QPdfWriter writer(&pdf);
        writer.setResolution(600);
        writer.setPageSize(QPageSize(QPageSize::Letter));
        pages = tavrel::report::renderReport(writer, *study, QDateTime::currentDateTime());
        bytes = pdf.size();
    }
    state.counters["engine_calls"] = static_cast<double>(calls);
    state.counters["pages"] = pages;
    state.counters["pdf_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(WholeReport)->Unit(benchmark::kMillisecond)->UseRealTime();

// Each of the seven inputs in turn.
void SolveOneInput(benchmark::State& state) {
    const tavrel::DesignValues design = tavrel::inputDefaults();
    for (auto _ : state) {
        std::string text;
        tavrel::cli::Output out(text);
        tavrel::cli::writeGradeChanges(design, static_cast<int>(state.range(0)),
                                       tavrel::cli::Format::Csv, &CALCLTE, out);
        benchmark::DoNotOptimize(text.data());
    }
    tavrel::DesignAnalysis analysis;
    const tavrel::InputGrades grades =
        tavrel::solveInput(analysis, design, static_cast<int>(state.range(0)), &CALCLTE);
    state.counters["engine_calls"] = static_cast<double>(analysis.engineCalls());
    state.counters["changes"] = static_cast<double>(grades.changes.size());
}
BENCHMARK(SolveOneInput)
    ->DenseRange(0, tavrel::kDesignInputCount - 1)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
