#include "cli/cli_designs.h"

#include <cerrno>
#include <cstring>

#include "analysis/typed_text.h"
#include "cli/cli_check.h"
#include "cli/cli_output.h"

namespace tavrel::cli {

namespace {

// Part `shard` of `count` designs: [begin, end).
void shardRange(const Shard& shard, long count, long& begin, long& end) {
    // floor(count * i / N) without forming count * i, which may not fit a long.
    const auto part = [&](long i) {
        return count / shard.count * i + count % shard.count * i / shard.count;
    };
    begin = part(shard.index - 1);
    end = part(shard.index);
}

void convert(const Options& options, Design& design) {
    for (int i = 0; i < kDesignInputCount; ++i)
        design.values[i] = toAnalysisUnits(options.units, i, design.given[i]);
}

// The options' design, or a grid of sweeps walked as an odometer, the last
// sweep turning fastest; values come from each sweep's index, never stored.
class GridSource : public DesignSource {
  public:
    explicit GridSource(const Options& options) : options_(options) {
        designsInRun_ = designCount(options);
        shardRange(options.shard, designsInRun_, next_, end_);
        designsBefore_ = next_;
        designsInPart_ = end_ - next_;
        position_.assign(options.sweeps.size(), 0);
        long rest = next_;
        for (size_t s = options.sweeps.size(); s > 0; --s) {
            position_[s - 1] = rest % options.sweeps[s - 1].count;
            rest /= options.sweeps[s - 1].count;
        }
        design_.given = options.values;
        if (options.check) design_.check = *options.check;
        for (size_t s = 0; s < options.sweeps.size(); ++s)
            design_.given[options.sweeps[s].input] = options.sweeps[s].value(position_[s]);
        convert(options, design_);
    }

    bool next(Design& design) override {
        if (next_ >= end_) return false;
        design.given = design_.given;
        design.values = design_.values;
        design.check = design_.check;
        ++next_;
        for (size_t s = options_.sweeps.size(); s > 0; --s) {
            const Sweep& sweep = options_.sweeps[s - 1];
            const bool wrapped = ++position_[s - 1] == sweep.count;
            if (wrapped) position_[s - 1] = 0;
            design_.given[sweep.input] = sweep.value(position_[s - 1]);
            design_.values[sweep.input] =
                toAnalysisUnits(options_.units, sweep.input, design_.given[sweep.input]);
            if (!wrapped) break;
        }
        return true;
    }

  private:
    const Options& options_;
    Design design_;
    std::vector<long> position_;
    long next_ = 0;
    long end_ = 0;
};

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

bool blank(std::string_view line) {
    return trimmed(line).empty();
}

// The lines of a designs file, read in blocks. A line ends at a line feed, at
// any run of carriage returns before one (CRLF, and the CRCRLF of files passed
// through two converters), or at a carriage return alone (old Mac files). A
// line longer than kMaxDesignLineBytes is refused rather than held: its bytes
// are never all in memory at once.
class LineReader {
  public:
    enum Result { Line, End, TooLong, ReadFailed };

    explicit LineReader(std::FILE* file) : file_(file) {}

    Result next(std::string& line) {
        line.clear();
        if (blankLinesOwed_ > 0) {
            --blankLinesOwed_;
            ++number_;
            return Line;
        }
        for (;;) {
            if (position_ == filled_ && !fill()) {
                if (failed_) return ReadFailed;
                if (line.empty() && !partial_) return End;
                partial_ = false;
                ++number_;
                return Line;
            }
            const char* start = block_ + position_;
            const char* stop = block_ + filled_;
            const char* end = start;
            while (end != stop && *end != '\n' && *end != '\r') ++end;
            const auto length = static_cast<size_t>(end - start);
            if (line.size() + length > kMaxDesignLineBytes) {
                ++number_;
                return TooLong;
            }
            line.append(start, length);
            partial_ = true;
            position_ += length;
            if (end == stop) continue;
            endLine();
            partial_ = false;
            ++number_;
            return Line;
        }
    }

    // The number of the line last returned, counting from 1.
    long number() const { return number_; }
    int readErrno() const { return errno_; }

    // Where the next line starts, for coming back to it; -1 when the file
    // cannot be read twice (a pipe).
    long tell() const {
        const long at = std::ftell(file_);
        return at < 0 ? -1 : at - static_cast<long>(filled_ - position_);
    }
    bool seek(long at, long number) {
        position_ = filled_ = 0;
        blankLinesOwed_ = 0;
        partial_ = false;
        number_ = number;
        std::clearerr(file_);
        return std::fseek(file_, at, SEEK_SET) == 0;
    }

  private:
    bool fill() {
        errno = 0;
        filled_ = std::fread(block_, 1, sizeof block_, file_);
        position_ = 0;
        if (filled_ == 0 && std::ferror(file_) != 0) {
            failed_ = true;
            errno_ = errno != 0 ? errno : EIO;
        }
        return filled_ > 0;
    }

    // At a line end: takes it, with the carriage returns that belong to it.
    void endLine() {
        if (block_[position_++] == '\n') return;
        long returns = 1;
        for (;;) {
            if (position_ == filled_ && !fill()) break;
            const char c = block_[position_];
            if (c == '\n') {
                ++position_;
                return;  // CRs before a line feed end one line
            }
            if (c != '\r') break;
            ++returns;
            ++position_;
        }
        blankLinesOwed_ = returns - 1;  // each lone CR ends a line of its own
    }

    std::FILE* file_;
    char block_[65536];
    size_t position_ = 0;
    size_t filled_ = 0;
    long number_ = 0;
    long blankLinesOwed_ = 0;
    bool partial_ = false;
    bool failed_ = false;
    int errno_ = 0;
};

// The input a header name is close to, apart from case, blanks, dashes,
// underscores and stray control characters; -1 when none.
int inputCloseTo(std::string_view name) {
    const auto folded = [](std::string_view text) {
        std::string plain;
        for (char c : text) {
            if (c >= 'A' && c <= 'Z') plain += static_cast<char>(c - 'A' + 'a');
            if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) plain += c;
        }
        return plain;
    };
    const std::string wanted = folded(name);
    for (int i = 0; i < kDesignInputCount; ++i) {
        if (!wanted.empty() && wanted == folded(kDesignInputs[i].option)) return i;
    }
    return -1;
}

// Why a field cannot be read as text: a NUL byte, or bytes that are not UTF-8;
// empty when it can.
std::string textProblem(std::string_view field) {
    if (field.find('\0') != std::string_view::npos) return "a NUL byte (this is not a text file)";
    if (firstInvalidUtf8(field) != std::string_view::npos) return "text that is not UTF-8";
    return {};
}

// A designs file, one design a line after the header.
class FileSource : public DesignSource {
  public:
    FileSource(const Options& options, std::FILE* file, bool owned)
        : options_(options), file_(file), owned_(owned), lines_(file) {
        name_ = options.designs == "-" ? "standard input" : options.designs;
    }
    ~FileSource() override {
        if (owned_) std::fclose(file_);
    }
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    bool open() {
        if (!readContentLine()) {
            if (error_.empty()) error_ = name_ + ": no header line";
            return false;
        }
        std::string_view header = line_;
        if (header.substr(0, 2) == "\xFF\xFE" || header.substr(0, 2) == "\xFE\xFF") {
            error_ = name_ + ": the file is UTF-16 text; save it as UTF-8 (CSV UTF-8)";
            return false;
        }
        if (header.substr(0, 3) == "\xEF\xBB\xBF") header.remove_prefix(3);  // a UTF-8 mark
        std::vector<std::string> names;
        if (!splitCsvLine(header, names)) {
            error_ = here() + ": a quote is not closed";
            return false;
        }
        if (!readHeader(names)) return false;
        columnCount_ = names.size();
        designsInRun_ = -1;
        end_ = -1;  // no end: every design
        return options_.shard.count > 1 ? skipToShard() : true;
    }

    bool next(Design& design) override {
        if (end_ >= 0 && designsBefore_ + taken_ >= end_) return false;
        if (!readContentLine()) return false;
        ++taken_;
        if (!splitCsvLine(line_, fields_)) {
            error_ = here() + ": a quote is not closed";
            return false;
        }
        for (size_t c = 0; c < fields_.size(); ++c) {
            if (const std::string why = textProblem(fields_[c]); !why.empty()) {
                error_ = here() + ", column " + columnName(c) + ": " + why;
                return false;
            }
        }
        if (fields_.size() != columnCount_) {
            error_ = here() + ": " + std::to_string(fields_.size()) + " fields, the header has " +
                     std::to_string(columnCount_);
            return false;
        }
        design.columns.resize(copied_.size());
        for (size_t c = 0; c < copied_.size(); ++c) design.columns[c] = fields_[copied_[c]];
        for (int i = 0; i < kDesignInputCount; ++i) {
            if (columnOf_[i] < 0) {
                design.given[i] = options_.values[i];
            } else {
                const std::optional<double> value =
                    readInput(here() + ", column " + kDesignInputs[i].option, options_.units, i,
                              trimmed(fields_[static_cast<size_t>(columnOf_[i])]), error_);
                if (!value) return false;
                design.given[i] = *value;
            }
        }
        convert(options_, design);
        return readCheckColumns(here(), design);
    }

  private:
    // A column of the check's added inputs, which only a run with the check
    // reads, and which the command line must not give as well.
    bool takeCheckColumn(CheckInput which, size_t column) {
        const std::string name = checkInputName(which);
        if (!options_.check) {
            error_ = name_ + ": column " + name + " is for the textbook check: add --check " +
                     kCheckMethods[0].name;
            return false;
        }
        // A strength column and a strength option would each say what f'c is.
        const bool strength = which != CheckInput::LoadShare;
        for (int i = 0; i < kCheckInputCount; ++i) {
            const auto option = static_cast<CheckInput>(i);
            if (!options_.checkGiven[i] || strength != (option != CheckInput::LoadShare)) continue;
            error_ = name_ + ": column " + name + " conflicts with --" + checkInputName(option);
            return false;
        }
        checkColumnOf_[static_cast<int>(which)] = static_cast<int>(column);
        return true;
    }

    // The check's inputs of this line over the options'; an empty field
    // leaves the option's value (or the derived strength).
    bool readCheckColumns(const std::string& where, Design& design) {
        if (!options_.check) return true;
        design.check = *options_.check;
        bool strengthGiven = false;
        for (int i = 0; i < kCheckInputCount; ++i) {
            if (checkColumnOf_[i] < 0) continue;
            const auto which = static_cast<CheckInput>(i);
            const std::string_view text = trimmed(fields_[static_cast<size_t>(checkColumnOf_[i])]);
            if (text.empty()) continue;
            if (which != CheckInput::LoadShare && strengthGiven) {
                error_ = where + ": fc and fck both given";
                return false;
            }
            strengthGiven = strengthGiven || which != CheckInput::LoadShare;
            const std::optional<double> value = readCheckInput(
                where + ", column " + checkInputName(which), options_.units, which, text, error_);
            if (!value) return false;
            setCheckInput(design.check, which, *value);
        }
        return true;
    }

    std::string here() const { return name_ + ": line " + std::to_string(lines_.number()); }
    std::string columnName(size_t c) const {
        return c < headerNames_.size() ? headerNames_[c] : std::to_string(c + 1);
    }

    // The next line that is not blank into line_; false at the end, or with
    // error_ set at a line that cannot be read.
    bool readContentLine() {
        for (;;) {
            switch (lines_.next(line_)) {
                case LineReader::Line:
                    if (blank(line_)) continue;
                    return true;
                case LineReader::End:
                    return false;
                case LineReader::TooLong:
                    error_ = here() + ": longer than " + std::to_string(kMaxDesignLineBytes) +
                             " bytes, the longest line read";
                    return false;
                case LineReader::ReadFailed:
                    error_ = name_ + ": cannot read: " + std::strerror(lines_.readErrno());
                    return false;
            }
        }
    }

    bool readHeader(const std::vector<std::string>& names) {
        columnOf_.fill(-1);
        checkColumnOf_.fill(-1);
        for (size_t c = 0; c < names.size(); ++c) {
            const std::string where = here() + ", column " + std::to_string(c + 1);
            if (const std::string why = textProblem(names[c]); !why.empty()) {
                error_ = where + ": " + why;
                return false;
            }
            const std::string name(trimmed(names[c]));
            for (size_t earlier = 0; earlier < c; ++earlier) {
                if (trimmed(names[earlier]) == name) {
                    error_ = here() + ": columns " + std::to_string(earlier + 1) + " and " +
                             std::to_string(c + 1) + " are both named '" + printable(name) + "'";
                    return false;
                }
            }
            headerNames_.push_back(name);
            if (const std::optional<CheckInput> which = checkInputByName(name)) {
                if (!takeCheckColumn(*which, c)) return false;
                continue;
            }
            const int input = inputByOption(name);
            if (input < 0) {
                if (const int close = inputCloseTo(names[c]); close >= 0) {
                    error_ = where + ": '" + printable(names[c]) +
                             "' is not an input; did you mean `" + kDesignInputs[close].option +
                             "`?";
                    return false;
                }
                copied_.push_back(c);
                columnNames_.push_back(names[c]);
                continue;
            }
            if (options_.given[input]) {
                error_ = name_ + ": column " + name + " conflicts with --" + name;
                return false;
            }
            columnOf_[input] = static_cast<int>(c);
        }
        if (copied_.size() == names.size()) {
            error_ = here() +
                     ": the header names no input (such as thickness or k); columns are "
                     "separated by commas";
            return false;
        }
        return true;
    }

    // Equal parts need the number of designs first: count, then come back.
    bool skipToShard() {
        const long start = lines_.tell();
        const long headerLine = lines_.number();
        if (start < 0) {
            error_ = "--shard: " + name_ +
                     " cannot be read twice to count its designs (name a file instead)";
            return false;
        }
        long count = 0;
        while (readContentLine()) ++count;
        if (!error_.empty()) return false;
        if (!lines_.seek(start, headerLine)) {
            error_ = name_ + ": cannot read: " + std::strerror(errno);
            return false;
        }
        designsInRun_ = count;
        long begin = 0;
        shardRange(options_.shard, count, begin, end_);
        designsBefore_ = begin;
        designsInPart_ = end_ - begin;
        for (long skipped = 0; skipped < begin && readContentLine();) ++skipped;
        return error_.empty();
    }

    const Options& options_;
    std::FILE* file_;
    bool owned_;
    LineReader lines_;
    std::string name_;
    std::string line_;
    std::array<int, kDesignInputCount> columnOf_{};
    std::array<int, kCheckInputCount> checkColumnOf_{};
    std::vector<std::string> headerNames_;
    std::vector<size_t> copied_;
    size_t columnCount_ = 0;
    std::vector<std::string> fields_;
    long taken_ = 0;
    long end_ = -1;
};

}  // namespace

bool splitCsvLine(std::string_view line, std::vector<std::string>& fields) {
    fields.clear();
    fields.emplace_back();
    bool quoted = false;
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                fields.back() += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                fields.back() += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return !quoted;
}

std::unique_ptr<DesignSource> openDesigns(const Options& options, std::FILE* input,
                                          std::string& error) {
    if (options.designs.empty()) return std::make_unique<GridSource>(options);
    std::FILE* file = input;
    if (options.designs != "-") {
        file = std::fopen(options.designs.c_str(), "r");
        if (file == nullptr) {
            error = "--designs: cannot open '" + options.designs + "': " + std::strerror(errno);
            return nullptr;
        }
    }
    auto source = std::make_unique<FileSource>(options, file, file != input);
    if (!source->open()) {
        error = source->error();
        return nullptr;
    }
    return source;
}

}  // namespace tavrel::cli
