// How far a long run is, for a user watching a terminal: one line on standard
// error, rewritten in place and cleared at the end. Never written to a pipe or
// a file, where it would only be noise in a log.
#pragma once

#include <chrono>
#include <cstdio>

namespace tavrel::cli {

class Progress {
  public:
    // `terminal` is where the line goes, or null for none; `total` the designs
    // of the run, or -1 when unknown (no time left is shown then).
    Progress(std::FILE* terminal, long total);
    ~Progress();
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    // `done` designs so far; cheap enough to call for every design.
    void update(long done) {
        if (terminal_ == nullptr || done < nextLook_) return;
        nextLook_ = done + kDesignsBetweenLooks;
        look(done);
    }

  private:
    static constexpr long kDesignsBetweenLooks = 256;
    void look(long done);

    std::FILE* terminal_;
    long total_;
    long nextLook_ = 0;
    bool shown_ = false;
    std::chrono::steady_clock::time_point start_;
    std::chrono::steady_clock::time_point nextShow_;
};

}  // namespace tavrel::cli
