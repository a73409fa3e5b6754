// Where the designs of a run come from: the one design of the options, a grid
// of sweeps, or a CSV file read a line at a time, so that memory stays flat
// however long the study. A shard takes only its part of them.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "cli/cli_options.h"

namespace tavrel::cli {

// The longest line a designs file may have: far more than any design with its
// copied columns needs, and small enough that memory stays flat.
inline constexpr size_t kMaxDesignLineBytes = 1 << 20;

struct Design {
    GivenValues given{};               // in the chosen units, as given
    DesignValues values{};             // as the analysis takes them
    std::vector<std::string> columns;  // a designs file's other columns, copied through
    CheckSettings check;               // the textbook check's choices, when it is asked for
};

class DesignSource {
  public:
    virtual ~DesignSource() = default;
    // The next design into `design`; false at the end, or at a bad line with
    // error() set.
    virtual bool next(Design& design) = 0;
    const std::string& error() const { return error_; }
    // Names of the columns copied to the front of every row.
    const std::vector<std::string>& columnNames() const { return columnNames_; }
    // How many designs of the whole run come before this part's first.
    long designsBefore() const { return designsBefore_; }
    // Designs in the whole run, when known before reading them all; -1 otherwise.
    long designsInRun() const { return designsInRun_; }
    // Designs in this part of the run, likewise.
    long designsInPart() const { return designsInPart_; }

  protected:
    std::string error_;
    std::vector<std::string> columnNames_;
    long designsBefore_ = 0;
    long designsInRun_ = -1;
    long designsInPart_ = -1;
};

// The source the options describe, or null with `error` set (a designs file
// that cannot be opened, a bad header). `input` is standard input, for "-".
std::unique_ptr<DesignSource> openDesigns(const Options& options, std::FILE* input,
                                          std::string& error);

// The fields of one CSV line; quoted fields may hold commas and doubled quotes.
// False when a quote is left open.
bool splitCsvLine(std::string_view line, std::vector<std::string>& fields);

}  // namespace tavrel::cli
