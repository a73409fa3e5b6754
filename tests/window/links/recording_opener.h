// Stands in for the desktop while a test runs: records what would be opened instead of
// launching anything.
#ifndef TAVREL_TESTS_LINKS_RECORDING_OPENER_H
#define TAVREL_TESTS_LINKS_RECORDING_OPENER_H

#include <QUrl>
#include <vector>

#include "links/open_externally.h"

class RecordingOpener {
  public:
    explicit RecordingOpener(bool result = true)
        : previous_(tavrel::links::setExternalOpener([this, result](const QUrl& target) {
              requests.push_back(target);
              return result;
          })) {}
    ~RecordingOpener() { tavrel::links::setExternalOpener(previous_); }
    RecordingOpener(const RecordingOpener&) = delete;
    RecordingOpener& operator=(const RecordingOpener&) = delete;

    std::vector<QUrl> requests;

  private:
    tavrel::links::ExternalOpener previous_;
};

#endif
