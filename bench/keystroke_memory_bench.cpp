// What typing costs in memory: heap allocations per value-changing keystroke
// in steady state, and resident memory at start-up and after 20 000 keystrokes.
// Every heap allocation of the process is counted, Qt's included (Qt allocates
// with malloc, not operator new). Runs offscreen.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyleFactory>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "window/frm_main.h"
#include "window/window_fonts.h"

namespace {
std::atomic<long> allocations{0};
}  // namespace

// glibc's own allocator behind counting entry points; the program's
// definitions take the place of the C library's for every shared library too.
extern "C" {
void* __libc_malloc(size_t);
void* __libc_calloc(size_t, size_t);
void* __libc_realloc(void*, size_t);
void* __libc_memalign(size_t, size_t);

void* malloc(size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_malloc(size);
}
void* calloc(size_t count, size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_calloc(count, size);
}
void* realloc(void* block, size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_realloc(block, size);
}
void* memalign(size_t alignment, size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_memalign(alignment, size);
}
void* aligned_alloc(size_t alignment, size_t size) {
    return memalign(alignment, size);
}
int posix_memalign(void** block, size_t alignment, size_t size) {
    *block = memalign(alignment, size);
    return *block == nullptr ? ENOMEM : 0;
}
}

namespace {

double residentMegabytes() {
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(f);
    }
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1048576.0;
}

void press(QWidget* target, int key, const QString& text) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &down);
    QCoreApplication::sendEvent(target, &up);
}

// The joint opening box alternates between 0.25 and 0.2: every keystroke
// changes the value, stays in range and runs the whole analysis; the window
// then repaints what changed, as it would on screen. Resident memory is
// measured first, in a process that has done nothing else yet.
struct Typist {
    explicit Typist(QLineEdit* box) : box(box) {
        box->setFocus();
        box->end(false);
    }
    void keystroke() {
        if (shortened) {
            press(box, Qt::Key_5, five);
        } else {
            press(box, Qt::Key_Backspace, QString());
        }
        shortened = !shortened;
        QApplication::processEvents();
    }
    QLineEdit* box;
    const QString five = QStringLiteral("5");
    bool shortened = false;
};

void ResidentMemoryOverTyping(benchmark::State& state) {
    for (auto _ : state) {
        tavrel::frmMain w;
        w.show();
        QApplication::processEvents();
        const double atStartUp = residentMegabytes();
        Typist typist(w.findChild<QLineEdit*>(QStringLiteral("txtw")));
        for (int i = 0; i < 20000; ++i) typist.keystroke();
        const double after = residentMegabytes();
        state.counters["rss_start_up_MB"] = atStartUp;
        state.counters["rss_after_20000_MB"] = after;
        state.counters["rss_growth_MB"] = after - atStartUp;
    }
}
BENCHMARK(ResidentMemoryOverTyping)->Unit(benchmark::kMillisecond)->Iterations(1);

void AllocationsPerKeystroke(benchmark::State& state) {
    tavrel::frmMain w;
    w.show();
    QApplication::processEvents();
    Typist typist(w.findChild<QLineEdit*>(QStringLiteral("txtw")));
    for (int i = 0; i < 1000; ++i) typist.keystroke();  // steady state

    const long before = allocations.load();
    for (auto _ : state) typist.keystroke();
    state.counters["allocations_per_keystroke"] = benchmark::Counter(
        static_cast<double>(allocations.load() - before), benchmark::Counter::kAvgIterations);
}
BENCHMARK(AllocationsPerKeystroke)->Unit(benchmark::kMicrosecond)->Iterations(2000);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(tavrel::fonts::standard());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
