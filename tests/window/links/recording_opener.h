// Stands in for the desktop while a test runs: records requests instead of launching anything.
#ifndef TAVREL_TESTS_LINKS_RECORDING_OPENER_H
#define TAVREL_TESTS_LINKS_RECORDING_OPENER_H

#include <vector>

#include "links/desktop_shell.h"

class RecordingOpener {
  public:
    explicit RecordingOpener(int result = tavrel::links::kShellSucceeded)
        : previous_(tavrel::links::setShellOpener([this, result](const auto& request) {
              requests.push_back(request);
              return result;
          })) {}
    ~RecordingOpener() { tavrel::links::setShellOpener(previous_); }
    RecordingOpener(const RecordingOpener&) = delete;
    RecordingOpener& operator=(const RecordingOpener&) = delete;

    std::vector<tavrel::links::ShellRequest> requests;

  private:
    tavrel::links::ShellOpener previous_;
};

#endif
