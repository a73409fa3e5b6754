// tavrel-cli: the sizing analysis for scripts and studies.
#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <memory>

#include "analysis/engine_library.h"
#include "cli/cli_run.h"
#include "cli/cli_solve.h"

int main(int argc, char* argv[]) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    // The report is drawn, which takes a GUI application; the offscreen platform
    // lets it run where there is no display.
    std::unique_ptr<QCoreApplication> app;
    if (tavrel::cli::asksForReport(args)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }

    // Like the window, the engine is looked for in the program's own folder only.
    tavrel::EngineLibrary engine(QCoreApplication::applicationDirPath());
    const tavrel::cli::EngineBinder bind = [&engine](std::string& problem) {
        const CalclteFunction calclte = engine.calclte();
        if (calclte == nullptr) problem = engine.problem().toStdString();
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
