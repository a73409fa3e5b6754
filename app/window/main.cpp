#include <QApplication>
#include <QStyleFactory>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string_view>

#include "analysis/program_version.h"
#include "window/design_actions.h"
#include "window/main_window.h"
#include "window/window_fonts.h"

namespace {

constexpr const char* kHelp =
    "Usage: tavrel [OPTION]... [FILE.tavrel]\n"
    "\n"
    "Opens Tavrel's window, an aid for choosing the dowel bars that carry wheel loads\n"
    "across the transverse joints of jointed concrete pavements. \"Dowel Sizing\"\n"
    "grades eight dowel bars for a design by load transfer and bearing stress;\n"
    "\"Dowel Spacing\" compares dowel layouts across a lane. tavrel-cli runs the same\n"
    "analysis from scripts.\n"
    "\n"
    "FILE.tavrel, a design saved by Tavrel (the window, tavrel-cli --save-design or\n"
    "the web page), is opened at start-up.\n"
    "\n"
    "Options:\n"
    "  -h, --help        print this help and exit\n"
    "  --version         print the version and exit\n"
    "  -platform NAME    draw through the Qt platform plugin NAME (xcb, wayland,\n"
    "                    offscreen) instead of the desktop's\n"
    "\n"
    "Qt's other standard options, such as -style and -display, are accepted too.\n"
    "\n"
    "Environment:\n"
    "  DISPLAY, WAYLAND_DISPLAY\n"
    "                    the X11 or Wayland display the window opens on\n"
    "  QT_QPA_PLATFORM   the Qt platform plugin, like -platform\n"
    "\n"
    "Exit status:\n"
    "  0   the window was closed, or help or the version was printed\n"
    "  1   there is no display to open the window on, or the output could not be\n"
    "      written\n";

constexpr const char* kNoDisplay =
    "tavrel: no display to open the window on; start it from a desktop, or without "
    "one under a virtual display: xvfb-run -a tavrel\n";

bool named(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

// Without a display Qt aborts with a page about platform plugins; telling the
// user what to do needs the check before the application exists.
bool displayNamed(int argc, char* argv[]) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    if (named("DISPLAY") || named("WAYLAND_DISPLAY") || named("QT_QPA_PLATFORM")) return true;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-platform" || arg == "--platform") return true;
    }
    return false;
#else
    (void)argc;
    (void)argv;
    return true;  // the desktop is always there
#endif
}

int printed(const char* text) {
    std::fputs(text, stdout);
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "tavrel: cannot write output: %s\n", std::strerror(errno));
        return 1;
    }
    return 0;
}

// Answers the command line when it asks for no window: help and the version
// (which win over any other argument), and a missing display. Returns the exit
// status then, nothing when the window should open.
std::optional<int> answerWithoutWindow(int argc, char* argv[]) {
    bool help = false;
    bool version = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--") break;
        help = help || arg == "-h" || arg == "--help";
        version = version || arg == "--version";
    }
    if (help) return printed(kHelp);
    if (version) {
        return printed(("tavrel " + tavrel::programVersion() + "\n").c_str());
    }
    if (!displayNamed(argc, argv)) {
        std::fputs(kNoDisplay, stderr);
        return 1;
    }
    return std::nullopt;
}

// A display that is named but cannot be opened (a stale DISPLAY, a stopped
// server) is only found by trying; Qt's own warnings name the cause, then the
// program says what to do instead of aborting.
void startupMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        std::fputs(kNoDisplay, stderr);
        std::_Exit(1);
    }
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

}  // namespace

int main(int argc, char* argv[]) {
    if (const std::optional<int> status = answerWithoutWindow(argc, argv)) return *status;
    const QtMessageHandler previous = qInstallMessageHandler(startupMessage);
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tavrel"));
    QApplication::setApplicationName(QStringLiteral("Tavrel"));
    qInstallMessageHandler(previous);
    // One look on every desktop, so the fixed layout holds.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(tavrel::fonts::standard());
    tavrel::MainWindow window;
    window.show();
    // Qt has taken its own options out; the first other argument is a design.
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const bool last = arguments[i] == QStringLiteral("--");
        if (last && i + 1 >= arguments.size()) break;
        const QString& argument = last ? arguments[i + 1] : arguments[i];
        if (!last && argument.startsWith(QLatin1Char('-'))) continue;
        window.designActions()->openFile(argument);
        break;
    }
    return app.exec();
}
