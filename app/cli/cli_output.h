// Where tavrel-cli writes: a buffer flushed in large blocks, so sweeps of
// millions of rows are not held back by per-field stream calls. Every write to
// a file is checked: the first failure is kept, everything after it is dropped,
// and the run stops as soon as it looks.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace tavrel::cli {

class Output {
  public:
    // Writes to `file`; a null file discards everything (for measuring).
    explicit Output(std::FILE* file) : file_(file) {}
    // Collects everything in `capture`.
    explicit Output(std::string& capture) : capture_(&capture) {}
    ~Output() { flush(); }
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    void write(std::string_view text) {
        if (used_ + text.size() > kBlock) {
            flush();
            if (text.size() > kBlock) {
                send(text);
                return;
            }
        }
        // Fields are a few characters: a plain loop beats a call to memcpy.
        char* to = block_ + used_;
        for (char c : text) *to++ = c;
        used_ += text.size();
    }
    void put(char c) {
        if (used_ == kBlock) flush();
        block_[used_++] = c;
    }
    // Hands the buffered text on (to the file's own buffer, for a file).
    void flush();
    // Flushes, and for a file its own buffer too, so that every byte has reached
    // the system or a failure is known. False when anything failed.
    bool finish();
    // Everything written so far, flushed or not.
    std::size_t bytes() const { return flushed_ + used_; }

    // Whether a write has failed; the error number it failed with (errno).
    bool failed() const { return errorNumber_ != 0; }
    int errorNumber() const { return errorNumber_; }
    // Marks the output failed before anything is written (a closed descriptor).
    void fail(int errorNumber) {
        if (errorNumber_ == 0) errorNumber_ = errorNumber;
    }
    // "cannot write output: No space left on device".
    std::string failure() const;

  private:
    static constexpr std::size_t kBlock = 1 << 16;
    void send(std::string_view text);
    void fail();

    std::FILE* file_ = nullptr;
    std::string* capture_ = nullptr;
    char block_[kBlock];
    std::size_t used_ = 0;
    std::size_t flushed_ = 0;
    int errorNumber_ = 0;
};

// `text` safe to show on a terminal: control characters (C0, DEL and C1),
// which could move the cursor, clear the screen or retitle the window, are
// written as escapes (\x1b, \u009b); everything else is kept.
std::string printable(std::string_view text);

}  // namespace tavrel::cli
