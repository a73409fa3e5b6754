#include "cli/cli_designs.h"

#include <cerrno>
#include <cstring>

#include "cli/cli_check.h"

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

// A designs file, one design a line after the header.
class FileSource : public DesignSource {
  public:
    FileSource(const Options& options, std::FILE* file, bool owned)
        : options_(options), file_(file), owned_(owned) {
        name_ = options.designs == "-" ? "standard input" : options.designs;
    }
    ~FileSource() override {
        if (owned_) std::fclose(file_);
    }
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    bool open() {
        if (!readLine()) {
            error_ = readFailed_ ? readError() : name_ + ": no header line";
            return false;
        }
        std::string_view header = text_;
        if (header.substr(0, 3) == "\xEF\xBB\xBF") header.remove_prefix(3);  // a UTF-8 mark
        std::vector<std::string> names;
        if (!splitCsvLine(header, names)) {
            error_ = name_ + ": line 1: a quote is not closed";
            return false;
        }
        columnOf_.fill(-1);
        checkColumnOf_.fill(-1);
        for (size_t c = 0; c < names.size(); ++c) {
            const std::string_view name = trimmed(names[c]);
            if (const std::optional<CheckInput> which = checkInputByName(name)) {
                if (!takeCheckColumn(*which, c)) return false;
                continue;
            }
            const int input = inputByOption(name);
            if (input < 0) {
                copied_.push_back(c);
                columnNames_.push_back(names[c]);
                continue;
            }
            if (columnOf_[input] >= 0) {
                error_ = name_ + ": line 1: column " + std::string(name) + " given twice";
                return false;
            }
            if (options_.given[input]) {
                error_ = name_ + ": column " + std::string(name) + " conflicts with --" +
                         std::string(name);
                return false;
            }
            columnOf_[input] = static_cast<int>(c);
        }
        columnCount_ = names.size();

        designsInRun_ = -1;
        end_ = -1;  // no end: every design
        if (options_.shard.count > 1) {
            // Equal parts need the number of designs first: count, then come back.
            const long start = std::ftell(file_);
            if (start < 0) {
                error_ = "--shard: " + name_ +
                         " cannot be read twice to count its designs (name a file instead)";
                return false;
            }
            long count = 0;
            while (readLine()) count += blank(text_) ? 0 : 1;
            if (readFailed_ || std::fseek(file_, start, SEEK_SET) != 0) {
                error_ = readError();
                return false;
            }
            designsInRun_ = count;
            long begin = 0;
            shardRange(options_.shard, count, begin, end_);
            designsBefore_ = begin;
            for (long skipped = 0; skipped < begin;) {
                if (!readLine()) break;
                skipped += blank(text_) ? 0 : 1;
            }
        }
        return true;
    }

    bool next(Design& design) override {
        if (end_ >= 0 && designsBefore_ + taken_ >= end_) return false;
        do {
            if (!readLine()) {
                if (readFailed_) error_ = readError();
                return false;
            }
        } while (blank(text_));
        ++taken_;
        const std::string where = name_ + ": line " + std::to_string(lineNumber_);
        if (!splitCsvLine(text_, fields_)) {
            error_ = where + ": a quote is not closed";
            return false;
        }
        if (fields_.size() != columnCount_) {
            error_ = where + ": " + std::to_string(fields_.size()) + " fields, the header has " +
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
                    readInput(where + ", column " + kDesignInputs[i].option, options_.units, i,
                              trimmed(fields_[static_cast<size_t>(columnOf_[i])]), error_);
                if (!value) return false;
                design.given[i] = *value;
            }
        }
        convert(options_, design);
        return readCheckColumns(where, design);
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
        if (checkColumnOf_[static_cast<int>(which)] >= 0) {
            error_ = name_ + ": line 1: column " + name + " given twice";
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

    // The next line into text_, without its line end; false at the end or on a
    // read error (readFailed_).
    bool readLine() {
        errno = 0;
        line_.clear();
        char block[4096];
        while (std::fgets(block, sizeof block, file_) != nullptr) {
            line_ += block;
            if (line_.back() == '\n') break;
        }
        if (line_.empty()) {
            readFailed_ = std::ferror(file_) != 0;
            readErrno_ = errno;
            return false;
        }
        ++lineNumber_;
        text_ = line_;
        if (text_.back() == '\n') text_.remove_suffix(1);
        if (!text_.empty() && text_.back() == '\r') text_.remove_suffix(1);
        return true;
    }
    std::string readError() const {
        return name_ + ": cannot read: " + std::strerror(readErrno_ != 0 ? readErrno_ : EIO);
    }

    const Options& options_;
    std::FILE* file_;
    bool owned_;
    std::string name_;
    std::string line_;
    std::string_view text_;
    long lineNumber_ = 0;
    bool readFailed_ = false;
    int readErrno_ = 0;
    std::array<int, kDesignInputCount> columnOf_{};
    std::array<int, kCheckInputCount> checkColumnOf_{};
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
