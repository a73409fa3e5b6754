// The built tavrel-cli writing where writes fail: a full device, a closed
// standard output, a reader that leaves, a full disk under the report, something
// other than a file in its way. It must stop, say why and exit with 3.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

enum class Stdout { DevFull, Closed, PipeClosedEarly, ReaderLeaves };

// Everything until the other end closes `fd`, which is then closed.
std::string readAll(int fd) {
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<size_t>(n));
    close(fd);
    return text;
}

// The child's exit status, or minus the signal that ended it.
int statusOf(pid_t child) {
    int status = 0;
    waitpid(child, &status, 0);
    if (WIFSIGNALED(status)) return -WTERMSIG(status);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

struct Finished {
    int status;  // minus the signal, when ended by one
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
            // Ignored as many servers run their children, or as a shell does.
            signal(SIGPIPE, where == Stdout::PipeClosedEarly ? SIG_IGN : SIG_DFL);
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
    if (where == Stdout::PipeClosedEarly || where == Stdout::ReaderLeaves) {
        char some[100];
        [[maybe_unused]] const ssize_t n = read(outPipe[0], some, sizeof some);
    }
    close(outPipe[0]);  // the reader leaves
    std::string error = readAll(errorPipe[0]);
    return {statusOf(child), std::move(error)};
}

TEST(Writes, AReaderThatLeavesEndsTheProgramQuietlyAsTheHelpSays) {
    const Finished r = runProgram(Stdout::ReaderLeaves);
    EXPECT_EQ(r.status, -SIGPIPE);
    EXPECT_EQ(r.error, "");
    // The manual page is made from the help, so both say so.
    const char* argv[] = {TAVREL_CLI_PATH, "--help", nullptr};
    int outPipe[2];
    ASSERT_EQ(pipe(outPipe), 0);
    const pid_t child = fork();
    if (child == 0) {
        dup2(outPipe[1], STDOUT_FILENO);
        execv(argv[0], const_cast<char* const*>(argv));
        _exit(127);
    }
    close(outPipe[1]);
    const std::string help = readAll(outPipe[0]);
    statusOf(child);
    EXPECT_NE(
        help.find("A reader that leaves early (| head) ends the program\nquietly, by SIGPIPE"),
        std::string::npos);
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

namespace {

// Runs tavrel-cli with `args` in `folder`, files limited to `fileLimit` bytes
// (a disk that fills up part way); returns its status and standard error.
Finished runIn(const std::string& folder, std::vector<std::string> args, rlim_t fileLimit) {
    std::vector<char*> argv{const_cast<char*>(TAVREL_CLI_PATH)};
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    int errorPipe[2];
    if (pipe(errorPipe) != 0) return {-2, "pipe"};
    const pid_t child = fork();
    if (child == 0) {
        dup2(errorPipe[1], STDERR_FILENO);
        close(errorPipe[0]);
        close(errorPipe[1]);
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{fileLimit, fileLimit};
        setrlimit(RLIMIT_FSIZE, &limit);
        if (chdir(folder.c_str()) != 0) _exit(126);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(errorPipe[1]);
    std::string error = readAll(errorPipe[0]);
    return {statusOf(child), std::move(error)};
}

std::string contents(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(Writes, TheReportReplacesOnlyARegularFileAndOnlyWhenWholeUnderItsOwnName) {
    char name[] = "/tmp/cli-report-XXXXXX";
    const std::string folder = mkdtemp(name);
    std::ofstream(folder + "/old.pdf") << "old\n";
    ASSERT_EQ(mkfifo((folder + "/fifo").c_str(), 0600), 0);
    ASSERT_EQ(symlink("/dev/null", (folder + "/device").c_str()), 0);

    // A disk that fills up: one line, status 3, the old file as it was.
    Finished full = runIn(folder, {"--report", "old.pdf"}, 60000);
    EXPECT_EQ(full.status, 3);
    EXPECT_EQ(std::count(full.error.begin(), full.error.end(), '\n'), 1) << full.error;
    EXPECT_EQ(contents(folder + "/old.pdf"), "old\n");

    // Nothing but a regular file is replaced.
    for (const char* notAFile : {"fifo", "device"}) {
        const Finished refused = runIn(folder, {"--report", notAFile}, RLIM_INFINITY);
        EXPECT_EQ(refused.status, 3) << notAFile;
        EXPECT_NE(refused.error.find("not a regular file"), std::string::npos) << refused.error;
    }
    struct stat fifo {};
    EXPECT_EQ(lstat((folder + "/fifo").c_str(), &fifo), 0);
    EXPECT_TRUE(S_ISFIFO(fifo.st_mode));

    // A name that is not UTF-8 is the file's name, byte for byte.
    const std::string odd = "rep\xff.pdf";
    EXPECT_EQ(runIn(folder, {"--report", odd}, RLIM_INFINITY).status, 0);
    EXPECT_EQ(contents(folder + "/" + odd).substr(0, 5), "%PDF-");
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"device", "fifo", "old.pdf", odd}));
    std::filesystem::remove_all(folder);
}

}  // namespace

namespace {

struct TerminalRun {
    std::string terminal;  // what reached the pseudo-terminal on standard error
    std::string out;
};

// A sweep with standard error on a pseudo-terminal, as a user at a terminal
// runs it, and standard output into a pipe that is not read for its first 1.5 s:
// a reader that holds the run up makes it a long one on any machine, however fast.
TerminalRun runAtTerminal(std::vector<std::string> args) {
    TerminalRun run;
    int controller = -1, terminal = -1, out[2];
    if (openpty(&controller, &terminal, nullptr, nullptr, nullptr) != 0 || pipe(out) != 0)
        return run;
    std::vector<char*> argv{const_cast<char*>(TAVREL_CLI_PATH)};
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        dup2(terminal, STDERR_FILENO);
        dup2(out[1], STDOUT_FILENO);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(terminal);
    close(out[1]);
    usleep(1'500'000);
    // Both read as they come, so that neither side waits on the other.
    pollfd ends[2] = {{out[0], POLLIN, 0}, {controller, POLLIN, 0}};
    std::string* into[2] = {&run.out, &run.terminal};
    char buffer[65536];
    for (int open = 2; open > 0 && poll(ends, 2, -1) > 0;) {
        for (int e = 0; e < 2; ++e) {
            if (ends[e].fd < 0 || ends[e].revents == 0) continue;
            const ssize_t n = read(ends[e].fd, buffer, sizeof buffer);
            if (n > 0) {
                into[e]->append(buffer, static_cast<size_t>(n));
                continue;
            }
            close(ends[e].fd);  // a terminal reads EIO, not 0, once the child is gone
            ends[e].fd = -1;
            --open;
        }
    }
    statusOf(child);
    return run;
}

TEST(Progress, ALongRunAtATerminalSaysHowFarItIsAndClearsTheLine) {
    const std::vector<std::string> sweep{"--format", "csv", "--sweep", "thickness=5:30:0.00005"};
    const TerminalRun shown = runAtTerminal(sweep);
    EXPECT_NE(shown.terminal.find(" of 500001 designs, "), std::string::npos) << shown.terminal;
    EXPECT_NE(shown.terminal.find(" left"), std::string::npos);
    EXPECT_EQ(shown.terminal.substr(shown.terminal.size() - 4), "\r\x1b[K");

    std::vector<std::string> quiet = sweep;
    quiet.push_back("--quiet");
    const TerminalRun silent = runAtTerminal(quiet);
    EXPECT_EQ(silent.terminal, "");
    EXPECT_EQ(silent.out, shown.out);  // the output itself is the same
    EXPECT_EQ(std::count(shown.out.begin(), shown.out.end(), '\n'), 1 + 500001 * 8);
}

}  // namespace
