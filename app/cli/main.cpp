// tavrel-cli: the sizing analysis for scripts and studies.
#include <QGuiApplication>
#include <cerrno>
#include <cstdio>
#include <memory>

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif
#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "cli/cli_report_file.h"
#include "cli/cli_run.h"
#include "cli/cli_solve.h"
#include "platform/engine_library.h"

namespace {

// Whether standard descriptor `fd` was closed by the caller. A closed one is
// taken by /dev/null at once: the next file the program opens would otherwise
// get its number, and the report be written into it (or designs read from it).
bool closedAndReserved([[maybe_unused]] int fd) {
#ifndef _WIN32
    if (fcntl(fd, F_GETFD) != -1 || errno != EBADF) return false;
    const int reserved = open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
    if (reserved >= 0 && reserved != fd) close(reserved);
    return true;
#else
    return false;
#endif
}

// Standard error when a person is likely watching it: a terminal, not a pipe
// or a file.
std::FILE* terminalForProgress() {
#ifndef _WIN32
    return isatty(STDERR_FILENO) == 1 ? stderr : nullptr;
#else
    return nullptr;
#endif
}

}  // namespace

int main(int argc, char* argv[]) {
#ifdef __GLIBC__
    // The jobs hand each other output buffers of up to a few megabytes. Left
    // to itself the allocator maps and unmaps each of them, and the page faults
    // made two jobs slower than one on long lines; the run's own limits keep
    // the memory held this way small.
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 32 << 20);
#endif
    // In descriptor order, so that each reservation lands on its own number.
    closedAndReserved(0);
    const bool outputClosed = closedAndReserved(1);
    closedAndReserved(2);

    const std::vector<std::string_view> args(argv + 1, argv + argc);

    // The report is drawn, which takes a GUI application; the offscreen
    // platform lets it run where there is no display. Nothing else needs Qt.
    std::unique_ptr<QGuiApplication> app;
    if (tavrel::cli::asksForReport(args)) {
        // Qt's own notes (a missing runtime folder and the like) are no business
        // of a script's error stream; failures come back as tavrel-cli's own.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtCriticalMsg || type == QtFatalMsg) {
                std::fputs((text + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
            }
        });
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
        tavrel::cli::setReportFileWriter(&tavrel::cli::writeReportFile);
    }

    // Like the window, the engine is looked for in the program's own folder only.
    tavrel::EngineLibrary engine(tavrel::programFolder());
    const tavrel::cli::EngineBinder bind = [&engine](std::string& problem) {
        const CalclteFunction calclte = engine.calclte();
        if (calclte == nullptr) problem = engine.problem();
        return calclte;
    };

    // Output buffers its own blocks: stdout's buffer would only copy them again
    // and hold back the error of a failed write.
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    std::string error;
    int status = 0;
    {
        tavrel::cli::Output out(stdout);
        if (outputClosed) out.fail(EBADF);
        status = tavrel::cli::runCli(args, out, error, bind, stdin, terminalForProgress());
    }
    std::fputs(error.c_str(), stderr);
    return status;
}
