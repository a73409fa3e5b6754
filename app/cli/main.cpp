// tavrel-cli: the sizing analysis for scripts and studies.
#include <QGuiApplication>
#include <cstdio>
#include <memory>

#include "cli/cli_report_file.h"
#include "cli/cli_run.h"
#include "cli/cli_solve.h"
#include "platform/engine_library.h"

int main(int argc, char* argv[]) {
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

    std::string error;
    int status = 0;
    {
        tavrel::cli::Output out(stdout);
        status = tavrel::cli::runCli(args, out, error, bind);
    }
    std::fputs(error.c_str(), stderr);
    return status;
}
