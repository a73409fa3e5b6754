// The built tavrel-cli writing where writes fail: a full device, a closed
// standard output, a reader that leaves. It must stop, say why and exit with 3.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <string>
#include <vector>

namespace {

enum class Stdout { DevFull, Closed, PipeClosedEarly };

struct Finished {
    int status;  // -1 when ended by a signal
    std::string error;
};

// A sweep of 10^6 designs: far more output than any pipe holds.
Finished runProgram(Stdout where) {
    const char* argv[] = {
        TAVREL_CLI_PATH,       "--format", "csv", "--sweep", "k=50:5000:0.5", "--sweep",
        "thickness=5:30:0.25", nullptr};
    int errorPipe[2], outPipe[2];
    if (pipe(errorPipe) != 0 || pipe(outPipe) != 0) return {-2, "pipe"};
    const pid_t child = fork();
    if (child == 0) {
        // Only calls that are safe after fork() in a threaded process.
        dup2(errorPipe[1], STDERR_FILENO);
        if (where == Stdout::DevFull) {
            const int full = open("/dev/full", O_WRONLY);
            dup2(full, STDOUT_FILENO);
        } else if (where == Stdout::Closed) {
            close(STDOUT_FILENO);
        } else {
            dup2(outPipe[1], STDOUT_FILENO);
            signal(SIGPIPE, SIG_IGN);  // as many servers and shells run their children
        }
        close(errorPipe[0]);
        close(errorPipe[1]);
        close(outPipe[0]);
        close(outPipe[1]);
        execv(argv[0], const_cast<char* const*>(argv));
        _exit(127);
    }
    close(errorPipe[1]);
    close(outPipe[1]);
    if (where == Stdout::PipeClosedEarly) {
        char some[100];
        [[maybe_unused]] const ssize_t n = read(outPipe[0], some, sizeof some);
    }
    close(outPipe[0]);  // the reader leaves
    Finished finished{-1, {}};
    char buffer[256];
    for (ssize_t n; (n = read(errorPipe[0], buffer, sizeof buffer)) > 0;)
        finished.error.append(buffer, static_cast<size_t>(n));
    close(errorPipe[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (WIFEXITED(status)) finished.status = WEXITSTATUS(status);
    return finished;
}

TEST(Writes, EveryFailedWriteStopsTheRunWithOneLineAndStatusThree) {
    const struct {
        Stdout where;
        const char* error;
    } cases[] = {
        {Stdout::DevFull, "tavrel-cli: cannot write output: No space left on device\n"},
        {Stdout::Closed, "tavrel-cli: cannot write output: Bad file descriptor\n"},
        {Stdout::PipeClosedEarly, "tavrel-cli: cannot write output: Broken pipe\n"},
    };
    for (const auto& c : cases) {
        const Finished r = runProgram(c.where);
        EXPECT_EQ(r.status, 3) << c.error;
        EXPECT_EQ(r.error, c.error);
    }
}

}  // namespace
