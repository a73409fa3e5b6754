#include "cli/cli_progress.h"

#include <cmath>
#include <string>

namespace tavrel::cli {

namespace {

using Clock = std::chrono::steady_clock;

// Short runs say nothing; longer ones are redrawn a few times a second.
constexpr auto kQuietFor = std::chrono::seconds(1);
constexpr auto kRedrawEvery = std::chrono::milliseconds(250);

// Carriage return to the line's start; erase to its end.
constexpr const char* kLineStart = "\r";
constexpr const char* kClearToEnd = "\x1b[K";

std::string duration(double seconds) {
    const long whole = std::lround(seconds);
    if (whole < 60) return std::to_string(whole) + " s";
    if (whole < 3600)
        return std::to_string(whole / 60) + " min " + std::to_string(whole % 60) + " s";
    return std::to_string(whole / 3600) + " h " + std::to_string(whole / 60 % 60) + " min";
}

}  // namespace

Progress::Progress(std::FILE* terminal, long total)
    : terminal_(terminal), total_(total), start_(Clock::now()), nextShow_(start_ + kQuietFor) {}

Progress::~Progress() {
    if (!shown_) return;
    std::fputs(kLineStart, terminal_);
    std::fputs(kClearToEnd, terminal_);
    std::fflush(terminal_);
}

void Progress::look(long done) {
    const Clock::time_point now = Clock::now();
    if (now < nextShow_) return;
    nextShow_ = now + kRedrawEvery;
    const double seconds = std::chrono::duration<double>(now - start_).count();
    const double rate = done / seconds;
    std::string line = std::string(kLineStart) + "tavrel-cli: " + std::to_string(done);
    if (total_ >= 0) line += " of " + std::to_string(total_);
    line += " designs, " + std::to_string(std::lround(rate)) + " a second";
    if (total_ >= done && rate > 0) line += ", " + duration((total_ - done) / rate) + " left";
    line += kClearToEnd;
    std::fputs(line.c_str(), terminal_);
    std::fflush(terminal_);
    shown_ = true;
}

}  // namespace tavrel::cli
