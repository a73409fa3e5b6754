#include "cli/cli_report.h"

#include <charconv>
#include <cmath>

#include "analysis/case_grade.h"
#include "analysis/dowel_cases.h"
#include "comparison/comparison_chart.h"
#include "comparison/comparison_scenario.h"
#include "comparison/comparison_table.h"
#include "comparison/dowel_selection.h"

namespace tavrel::cli {

namespace {

// The five values the window shows, in its row order.
constexpr std::array<const char*, kResultRowCount> kShownKeys = {
    "deflection_lte_pct", "stress_lte_pct", "effectiveness_pct", "edge_bearing_psi",
    "corner_bearing_psi"};
constexpr std::array<const char*, kResultRowCount> kShownCaptions = {
    "Defl. LTE %", "Stress LTE %", "Effect. %", "Edge psi", "Corner psi"};

// The rest of the engine's record, as the engine wrote it.
struct ExtraField {
    const char* key;
    float DowelJointResult::*field;
};
constexpr std::array<ExtraField, 10> kExtraFields = {{
    {"deflection_transfer_ratio", &DowelJointResult::deflectionTransferRatio},
    {"loaded_deflection_in", &DowelJointResult::loadedDeflection},
    {"unloaded_deflection_in", &DowelJointResult::unloadedDeflection},
    {"free_edge_deflection_in", &DowelJointResult::freeEdgeDeflection},
    {"loaded_stress_psi", &DowelJointResult::loadedStress},
    {"unloaded_stress_psi", &DowelJointResult::unloadedStress},
    {"free_edge_stress_psi", &DowelJointResult::freeEdgeStress},
    {"dowel_stiffness_psi", &DowelJointResult::dowelStiffness},
    {"aggregate_stiffness_psi", &DowelJointResult::aggregateStiffness},
    {"joint_stiffness_psi", &DowelJointResult::jointStiffness},
}};

constexpr const char* kNotANumber = "n/a";

// The shortest text that reads back as the same float; "n/a" when not finite.
std::string_view rawValue(float value, char (&buffer)[32]) {
    if (!std::isfinite(value)) return kNotANumber;
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return {buffer, static_cast<size_t>(result.ptr - buffer)};
}

const char* shapeWord(const DowelCase& dowel) {
    return dowel.shape == QUORVIX_ROUND_DOWEL ? "round" : "elliptical";
}

const std::array<std::string, kDowelCaseCount>& dowelLabels() {
    static const std::array<std::string, kDowelCaseCount> labels = [] {
        std::array<std::string, kDowelCaseCount> l;
        for (int c = 0; c < kDowelCaseCount; ++c) l[c] = dowelCaseLabel(kDowelCases[c]);
        return l;
    }();
    return labels;
}

class CsvWriter : public ReportWriter {
  public:
    CsvWriter(bool allFields, Output& out) : allFields_(allFields), out_(out) {}

    void begin() override {
        for (const char* name : kInputOptionNames) {
            out_.write(name);
            out_.put(',');
        }
        out_.write("dowel,shape");
        for (const char* key : kShownKeys) {
            out_.put(',');
            out_.write(key);
        }
        out_.write(",grade");
        if (allFields_) {
            for (const ExtraField& f : kExtraFields) {
                out_.put(',');
                out_.write(f.key);
            }
        }
        out_.put('\n');
    }

    void design(const DesignValues& values, const AnalysisRun& run) override {
        // The inputs are the same on all eight rows, and in a sweep mostly the
        // same as the design before: format only what changed.
        bool changed = prefix_.empty();
        for (int i = 0; i < kDesignInputCount; ++i) {
            if (!prefix_.empty() && values[i] == lastValues_[i]) continue;
            lastValues_[i] = values[i];
            inputTexts_[i] = plainDecimal(values[i]);
            changed = true;
        }
        if (changed) {
            prefix_.clear();
            for (const std::string& text : inputTexts_) {
                prefix_ += text;
                prefix_ += ',';
            }
        }
        char buffer[32];
        for (int c = 0; c < kDowelCaseCount; ++c) {
            const CaseResult& result = run.cases[c];
            out_.write(prefix_);
            out_.write(dowelLabels()[c]);
            out_.put(',');
            out_.write(shapeWord(kDowelCases[c]));
            for (const ResultCell& cell : result.cells) {
                out_.put(',');
                out_.write(cell.text);
            }
            out_.put(',');
            out_.write(gradeWord(result.grade));
            if (allFields_) {
                for (const ExtraField& f : kExtraFields) {
                    out_.put(',');
                    out_.write(rawValue(result.engine.*f.field, buffer));
                }
            }
            out_.put('\n');
        }
    }

    void end() override {}

  private:
    bool allFields_;
    Output& out_;
    DesignValues lastValues_{};
    std::array<std::string, kDesignInputCount> inputTexts_;
    std::string prefix_;
};

class JsonWriter : public ReportWriter {
  public:
    JsonWriter(bool allFields, Output& out) : allFields_(allFields), out_(out) {}

    void begin() override { out_.write("{\"designs\": ["); }

    void design(const DesignValues& values, const AnalysisRun& run) override {
        out_.write(first_ ? "\n" : ",\n");
        first_ = false;
        out_.write("{\"inputs\": {");
        for (int i = 0; i < kDesignInputCount; ++i) {
            if (i > 0) out_.write(", ");
            key(kInputOptionNames[i]);
            out_.write(plainDecimal(values[i]));
        }
        out_.write("}, \"cases\": [");
        char buffer[32];
        for (int c = 0; c < kDowelCaseCount; ++c) {
            const CaseResult& result = run.cases[c];
            out_.write(c == 0 ? "\n  {" : ",\n  {");
            key("dowel");
            string(dowelLabels()[c]);
            out_.write(", ");
            key("shape");
            string(shapeWord(kDowelCases[c]));
            for (int row = 0; row < kResultRowCount; ++row) {
                out_.write(", ");
                key(kShownKeys[row]);
                number(result.cells[row].text);
            }
            out_.write(", ");
            key("grade");
            string(gradeWord(result.grade));
            if (allFields_) {
                for (const ExtraField& f : kExtraFields) {
                    out_.write(", ");
                    key(f.key);
                    number(rawValue(result.engine.*f.field, buffer));
                }
            }
            out_.put('}');
        }
        out_.write("]}");
    }

    void end() override { out_.write("\n]}\n"); }

  private:
    // Keys, labels and grades hold no characters that need escaping.
    void string(std::string_view text) {
        out_.put('"');
        out_.write(text);
        out_.put('"');
    }
    void key(std::string_view name) {
        string(name);
        out_.write(": ");
    }
    // JSON has no "n/a": a value that is not finite is null.
    void number(std::string_view text) { out_.write(text == kNotANumber ? "null" : text); }

    bool allFields_;
    Output& out_;
    bool first_ = true;
};

class TableWriter : public ReportWriter {
  public:
    TableWriter(bool allFields, Output& out) : allFields_(allFields), out_(out) {}

    void begin() override {}

    void design(const DesignValues& values, const AnalysisRun& run) override {
        if (!first_) out_.put('\n');
        first_ = false;
        out_.write("Design:");
        for (int i = 0; i < kDesignInputCount; ++i) {
            out_.write(i == 0 ? " " : ", ");
            out_.write(kInputOptionNames[i]);
            out_.put(' ');
            out_.write(plainDecimal(values[i]));
            out_.put(' ');
            out_.write(kDesignInputs[i].units);
        }
        out_.write("\n\n");

        line_.clear();
        left("Dowel (in.)", kDowelWidth);
        left("Shape", kShapeWidth);
        for (const char* caption : kShownCaptions) right(caption, kValueWidth);
        line_ += "  ";
        if (allFields_) {
            left("Grade", kGradeWidth);
            for (const ExtraField& f : kExtraFields) right(f.key, extraWidth(f));
        } else {
            line_ += "Grade";
        }
        finishLine();

        char buffer[32];
        for (int c = 0; c < kDowelCaseCount; ++c) {
            const CaseResult& result = run.cases[c];
            line_.clear();
            left(dowelLabels()[c], kDowelWidth);
            left(shapeWord(kDowelCases[c]), kShapeWidth);
            for (const ResultCell& cell : result.cells) right(cell.text, kValueWidth);
            line_ += "  ";
            if (allFields_) {
                left(gradeWord(result.grade), kGradeWidth);
                for (const ExtraField& f : kExtraFields) {
                    right(rawValue(result.engine.*f.field, buffer), extraWidth(f));
                }
            } else {
                line_ += gradeWord(result.grade);
            }
            finishLine();
        }
    }

    void end() override {
        if (first_) return;
        out_.write(
            "\nconditional: acceptable for wide lanes, tied shoulders, good support and/or low "
            "traffic\n");
    }

  private:
    static constexpr size_t kDowelWidth = 13;
    static constexpr size_t kShapeWidth = 11;
    static constexpr size_t kValueWidth = 13;
    static constexpr size_t kGradeWidth = 12;

    static size_t extraWidth(const ExtraField& f) {
        return std::max<size_t>(std::char_traits<char>::length(f.key), 12) + 2;
    }
    void left(std::string_view text, size_t width) {
        line_ += text;
        if (text.size() < width) line_.append(width - text.size(), ' ');
    }
    void right(std::string_view text, size_t width) {
        if (text.size() < width) line_.append(width - text.size(), ' ');
        line_ += text;
    }
    void finishLine() {
        while (!line_.empty() && line_.back() == ' ') line_.pop_back();
        line_ += '\n';
        out_.write(line_);
    }

    bool allFields_;
    Output& out_;
    bool first_ = true;
    std::string line_;
};

// A CSV field, quoted when it holds a comma or a quote (the inch marks).
std::string csvField(const std::string& field) {
    if (field.find_first_of(",\"\n") == std::string::npos) return field;
    std::string quotedField = "\"";
    for (char c : field) {
        if (c == '"') quotedField += '"';
        quotedField += c;
    }
    return quotedField + "\"";
}

}  // namespace

std::unique_ptr<ReportWriter> makeReportWriter(Format format, bool allFields, Output& out) {
    switch (format) {
        case Format::Csv:
            return std::make_unique<CsvWriter>(allFields, out);
        case Format::Json:
            return std::make_unique<JsonWriter>(allFields, out);
        case Format::Table:
            break;
    }
    return std::make_unique<TableWriter>(allFields, out);
}

void writeComparisonCsv(Output& out) {
    using namespace comparison;
    out.write("a,analysis_type,v,variant,d,dowel,q,quantity,unit,value\n");
    char buffer[32];
    for (int a = 0; a < kAnalysisTypeCount; ++a) {
        for (int v = 0; v < kVariantCount; ++v) {
            for (int d = 0; d < kDowelCount; ++d) {
                for (int q = 0; q < kQuantityCount; ++q) {
                    // The chart's axis title names the quantity; its last line is the unit.
                    const auto title = quantitySettings(q)->axisTitle;
                    std::string unit = title[3];
                    std::erase(unit, '(');
                    std::erase(unit, ')');
                    const std::string row =
                        std::to_string(a) + "," + csvField(*analysisTypeCaption(a)) + "," +
                        std::to_string(v) + "," + csvField(*variantCaption(a, v)) + "," +
                        std::to_string(d) + "," + csvField(*dowelItemCaption(d)) + "," +
                        std::to_string(q) + "," +
                        csvField(title[0] + ' ' + title[1] + ' ' + title[2]) + "," +
                        csvField(unit) + ",";
                    out.write(row);
                    out.write(rawValue(comparisonValue(a, v, d, q), buffer));
                    out.put('\n');
                }
            }
        }
    }
}

}  // namespace tavrel::cli
