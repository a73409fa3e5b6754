// What typing costs in memory: heap allocations per value-changing keystroke
// in steady state, and resident memory at start-up and after 20 000 keystrokes.
// Every heap allocation of the process is counted, Qt's included: the C
// library's allocator is replaced by counting entry points, which also see
// operator new and Qt's own containers (which use malloc directly).
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

#include "window/main_window.h"
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
    // The key press and everything it sets off before the window is drawn:
    // the box's own key handling, the analysis run and the widgets' updates.
    void press() {
        if (shortened) {
            ::press(box, Qt::Key_5, five);
        } else {
            ::press(box, Qt::Key_Backspace, QString());
        }
        shortened = !shortened;
    }
    void keystroke() {
        press();
        QApplication::processEvents();
    }
    QLineEdit* box;
    const QString five = QStringLiteral("5");
    bool shortened = false;
};

struct Window {
    Window() {
        w.show();
        QApplication::processEvents();
    }
    tavrel::MainWindow w;
};

void ResidentMemoryOverTyping(benchmark::State& state) {
    for (auto _ : state) {
        Window window;
        const double atStartUp = residentMegabytes();
        Typist typist(window.w.findChild<QLineEdit*>(QStringLiteral("txtw")));
        for (int i = 0; i < 20000; ++i) typist.keystroke();
        const double after = residentMegabytes();
        state.counters["rss_start_up_MB"] = atStartUp;
        state.counters["rss_after_20000_MB"] = after;
        state.counters["rss_growth_MB"] = after - atStartUp;
    }
}
BENCHMARK(ResidentMemoryOverTyping)->Unit(benchmark::kMillisecond)->Iterations(1);

// Edits faster than the window draws (a held key on a busy machine, or a
// script filling the box): whatever an edit leaves for the event loop piles up
// until the loop runs again.
void ResidentMemoryOverEditsBetweenRepaints(benchmark::State& state) {
    for (auto _ : state) {
        Window window;
        auto* box = window.w.findChild<QLineEdit*>(QStringLiteral("txtw"));
        const QString texts[2] = {QStringLiteral("0.2"), QStringLiteral("0.25")};
        const double atStartUp = residentMegabytes();
        for (int i = 0; i < 20000; ++i) box->setText(texts[i & 1]);
        const double after = residentMegabytes();
        QApplication::processEvents();
        state.counters["rss_start_up_MB"] = atStartUp;
        state.counters["rss_after_20000_MB"] = after;
        state.counters["rss_growth_MB"] = after - atStartUp;
    }
}
BENCHMARK(ResidentMemoryOverEditsBetweenRepaints)->Unit(benchmark::kMillisecond)->Iterations(1);

// Steady state: after a thousand keystrokes, the allocations of the keystroke
// itself and those of drawing its result on the next pass of the event loop.
void countKeystrokes(benchmark::State& state, QLineEdit* box) {
    Typist typist(box);
    for (int i = 0; i < 1000; ++i) typist.keystroke();

    long keystroke = 0, repaint = 0;
    for (auto _ : state) {
        const long start = allocations.load();
        typist.press();
        const long pressed = allocations.load();
        QApplication::processEvents();
        keystroke += pressed - start;
        repaint += allocations.load() - pressed;
    }
    using benchmark::Counter;
    state.counters["allocations_keystroke"] = Counter(keystroke, Counter::kAvgIterations);
    state.counters["allocations_repaint"] = Counter(repaint, Counter::kAvgIterations);
}

void AllocationsPerKeystroke(benchmark::State& state) {
    Window window;
    countKeystrokes(state, window.w.findChild<QLineEdit*>(QStringLiteral("txtw")));
}
BENCHMARK(AllocationsPerKeystroke)->Unit(benchmark::kMicrosecond)->Iterations(2000);

// The floor Qt sets: the same keys in Qt's own line edit, alone in a window
// and connected to nothing.
void AllocationsPerKeystrokeInQtsLineEdit(benchmark::State& state) {
    QWidget window;
    QLineEdit box(QStringLiteral("0.25"), &window);
    window.show();
    QApplication::processEvents();
    countKeystrokes(state, &box);
}
BENCHMARK(AllocationsPerKeystrokeInQtsLineEdit)->Unit(benchmark::kMicrosecond)->Iterations(2000);

// The analysis run alone, as an edit that is not a key press (a paste, or a
// program setting the text) runs it: the box's text, the run and the
// widgets' updates, without Qt's handling of the key itself.
void AllocationsPerRun(benchmark::State& state) {
    Window window;
    auto* box = window.w.findChild<QLineEdit*>(QStringLiteral("txtw"));
    const QString texts[2] = {QStringLiteral("0.25"), QStringLiteral("0.2")};
    int i = 0;
    for (int k = 0; k < 1000; ++k) {
        box->setText(texts[i ^= 1]);
        QApplication::processEvents();
    }
    long run = 0;
    for (auto _ : state) {
        const long start = allocations.load();
        box->setText(texts[i ^= 1]);
        run += allocations.load() - start;
        QApplication::processEvents();
    }
    state.counters["allocations_run"] = benchmark::Counter(run, benchmark::Counter::kAvgIterations);
}
BENCHMARK(AllocationsPerRun)->Unit(benchmark::kMicrosecond)->Iterations(2000);

}  // namespace
