// tavrel-cli: the sizing analysis for scripts and studies.
#include <cstdio>

#include "cli/cli_run.h"
#include "platform/engine_library.h"

int main(int argc, char* argv[]) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);

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
