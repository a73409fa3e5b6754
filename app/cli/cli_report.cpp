#include "cli/cli_report.h"

#include <algorithm>
#include <cctype>

#include "analysis/case_grade.h"
#include "analysis/dowel_cases.h"
#include "analysis/page_texts.h"
#include "analysis/result_format.h"
#include "analysis/results_table.h"
#include "analysis/textbook_check.h"
#include "analysis/units.h"
#include "comparison/comparison_chart.h"
#include "comparison/comparison_scenario.h"
#include "comparison/comparison_table.h"
#include "comparison/dowel_selection.h"

namespace tavrel::cli {

namespace {

// The five values the window shows, in its row order.
constexpr std::array<const char*, kResultRowCount> kShownKeys = {
    "deflection_lte_pct", "stress_lte_pct", "effectiveness_pct", "edge_bearing", "corner_bearing"};
constexpr std::array<const char*, kResultRowCount> kShownCaptions = {"Defl. LTE %", "Stress LTE %",
                                                                     "Effect. %", "Edge", "Corner"};

// The engine's own values, as it wrote them: first those behind the five shown
// results, then the rest of its record.
enum class Kind { Fraction, Deflection, Stress };
struct RawField {
    const char* stem;
    float DowelJointResult::*field;
    Kind kind;
};
constexpr std::array<RawField, 15> kRawFields = {{
    {"deflection_lte", &DowelJointResult::deflectionLte, Kind::Fraction},
    {"stress_lte", &DowelJointResult::stressLte, Kind::Fraction},
    {"effectiveness", &DowelJointResult::effectiveness, Kind::Fraction},
    {"edge_bearing_stress", &DowelJointResult::edgeBearingStress, Kind::Stress},
    {"corner_bearing_stress", &DowelJointResult::cornerBearingStress, Kind::Stress},
    {"deflection_transfer_ratio", &DowelJointResult::deflectionTransferRatio, Kind::Fraction},
    {"loaded_deflection", &DowelJointResult::loadedDeflection, Kind::Deflection},
    {"unloaded_deflection", &DowelJointResult::unloadedDeflection, Kind::Deflection},
    {"free_edge_deflection", &DowelJointResult::freeEdgeDeflection, Kind::Deflection},
    {"loaded_stress", &DowelJointResult::loadedStress, Kind::Stress},
    {"unloaded_stress", &DowelJointResult::unloadedStress, Kind::Stress},
    {"free_edge_stress", &DowelJointResult::freeEdgeStress, Kind::Stress},
    {"dowel_stiffness", &DowelJointResult::dowelStiffness, Kind::Stress},
    {"aggregate_stiffness", &DowelJointResult::aggregateStiffness, Kind::Stress},
    {"joint_stiffness", &DowelJointResult::jointStiffness, Kind::Stress},
}};

constexpr const char* kNoteMark = "*";

// "_mpa" from "MPa", "_in" from "in.": a unit as the tail of a key.
std::string keySuffix(const char* caption) {
    std::string suffix = "_";
    for (const char* c = caption; *c != 0; ++c)
        if (*c != '.') suffix += static_cast<char>(std::tolower(static_cast<unsigned char>(*c)));
    return suffix;
}

// Keys, captions and unit scales of one run's report.
struct Columns {
    explicit Columns(UnitSystem units) : units(units) {
        const UnitScale stress = stressScale(units);
        const UnitScale deflection = deflectionScale(units);
        for (int row = 0; row < kResultRowCount; ++row) {
            const bool bearing = row == EdgeStressRow || row == CornerStressRow;
            shownKeys[row] = kShownKeys[row] + (bearing ? keySuffix(stress.caption) : "");
            shownCaptions[row] =
                kShownCaptions[row] + (bearing ? std::string(" ") + stress.caption : "");
        }
        for (size_t f = 0; f < kRawFields.size(); ++f) {
            const Kind kind = kRawFields[f].kind;
            const UnitScale scale = kind == Kind::Stress       ? stress
                                    : kind == Kind::Deflection ? deflection
                                                               : UnitScale{1, ""};
            rawKeys[f] = kRawFields[f].stem + (*scale.caption != 0 ? keySuffix(scale.caption) : "");
            rawScales[f] = scale.perUsUnit;
        }
        for (int i = 0; i < kDesignInputCount; ++i) inputUnits[i] = inputScale(units, i).caption;
        // Bars named in the run's units, as the window, the report and --solve name them.
        for (int c = 0; c < kDowelCaseCount; ++c)
            dowelLabels[c] = dowelLabel(kDowelCases[c], units);
    }

    // The text of shown result `row`, as the window formats it, in the run's units.
    std::string_view shown(const CaseResult& result, int row, std::string& buffer) const {
        const bool bearing = row == EdgeStressRow || row == CornerStressRow;
        if (!bearing || units == UnitSystem::Us) return result.cells[row].text;
        buffer = resultText(result, row, units);
        return buffer;
    }

    // The engine's value of raw field `f` in the run's units: the shortest text
    // that reads back as the same single-precision number.
    std::string raw(const CaseResult& result, size_t f) const {
        const float value = result.engine.*kRawFields[f].field;
        if (rawScales[f] == 1) return formatShortest(value);
        return formatShortest(static_cast<float>(static_cast<double>(value) * rawScales[f]));
    }

    UnitSystem units;
    std::array<std::string, kResultRowCount> shownKeys;
    std::array<std::string, kResultRowCount> shownCaptions;
    std::array<std::string, kRawFields.size()> rawKeys;
    std::array<double, kRawFields.size()> rawScales{};
    std::array<const char*, kDesignInputCount> inputUnits{};
    std::array<std::string, kDowelCaseCount> dowelLabels;
};

const char* shapeWord(const DowelCase& dowel) {
    return dowelShapeWord(dowel);
}

// A CSV field, quoted when it holds a comma, a quote or a line end.
std::string csvText(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string quotedField = "\"";
    for (char c : text) {
        if (c == '"') quotedField += '"';
        quotedField += c;
    }
    return quotedField + "\"";
}

class CsvWriter : public ReportWriter {
  public:
    CsvWriter(const ReportSettings& settings, Output& out)
        : settings_(settings), columns_(settings.units), out_(out) {}

    void begin() override {
        for (const std::string& name : settings_.columns) {
            out_.write(csvText(name));
            out_.put(',');
        }
        for (const DesignInput& input : kDesignInputs) {
            out_.write(input.option);
            out_.put(',');
        }
        out_.write("dowel,shape");
        for (const std::string& key : columns_.shownKeys) {
            out_.put(',');
            out_.write(key);
        }
        out_.write(",grade,note");
        if (settings_.allFields) {
            for (const std::string& key : columns_.rawKeys) {
                out_.put(',');
                out_.write(key);
            }
        }
        if (settings_.check) {
            for (const CheckColumnInfo& column : kCheckColumns) {
                out_.put(',');
                out_.write(column.key);
            }
        }
        out_.put('\n');
    }

    void design(const Design& design, const AnalysisRun& run, bool) override {
        // The inputs are the same on all eight rows, and in a sweep mostly the
        // same as the design before: format only what changed.
        bool changed = prefix_.empty() || !design.columns.empty();
        for (int i = 0; i < kDesignInputCount; ++i) {
            if (!prefix_.empty() && design.given[i] == lastValues_[i]) continue;
            lastValues_[i] = design.given[i];
            inputTexts_[i] = plainDecimal(static_cast<float>(design.given[i]));
            changed = true;
        }
        if (changed) {
            prefix_.clear();
            for (const std::string& text : design.columns) {
                prefix_ += csvText(text);
                prefix_ += ',';
            }
            for (const std::string& text : inputTexts_) {
                prefix_ += text;
                prefix_ += ',';
            }
        }
        std::string buffer;
        if (settings_.check) {
            check_ = textbookCheck(design.values, design.check);
            // A sweep writes millions of rows: what all eight share is formatted once.
            designCheckTexts_.clear();
            for (int k = 0; k < kFirstBarCheckColumn; ++k) {
                designCheckTexts_ += ',';
                designCheckTexts_ +=
                    checkColumnText(check_.bars[0], k, settings_.units, settings_.allFields);
            }
        }
        for (int c = 0; c < kDowelCaseCount; ++c) {
            const CaseResult& result = run.cases[c];
            out_.write(prefix_);
            out_.write(columns_.dowelLabels[c]);
            out_.put(',');
            out_.write(shapeWord(kDowelCases[c]));
            for (int row = 0; row < kResultRowCount; ++row) {
                out_.put(',');
                out_.write(columns_.shown(result, row, buffer));
            }
            out_.put(',');
            out_.write(gradeWord(result.grade));
            out_.put(',');
            if (outsideFittedRelations(result.engine)) out_.write(kOutsideFittedRelations);
            if (settings_.allFields) {
                for (size_t f = 0; f < kRawFields.size(); ++f) {
                    out_.put(',');
                    out_.write(columns_.raw(result, f));
                }
            }
            if (settings_.check) {
                out_.write(designCheckTexts_);
                for (int k = kFirstBarCheckColumn; k < kCheckColumnCount; ++k) {
                    out_.put(',');
                    out_.write(
                        checkColumnText(check_.bars[c], k, settings_.units, settings_.allFields));
                }
            }
            out_.put('\n');
        }
    }

    void end(bool) override {}

  private:
    const ReportSettings& settings_;
    Columns columns_;
    Output& out_;
    TextbookCheck check_{};
    std::string designCheckTexts_;
    GivenValues lastValues_{};
    std::array<std::string, kDesignInputCount> inputTexts_;
    std::string prefix_;
};

class JsonWriter : public ReportWriter {
  public:
    JsonWriter(const ReportSettings& settings, Output& out)
        : settings_(settings), columns_(settings.units), out_(out) {}

    void begin() override { out_.write("{\"designs\": ["); }

    void design(const Design& design, const AnalysisRun& run, bool first) override {
        out_.write(first ? "\n{" : ",\n{");
        if (!settings_.columns.empty()) {
            key("columns");
            out_.put('{');
            for (size_t c = 0; c < settings_.columns.size(); ++c) {
                if (c > 0) out_.write(", ");
                key(settings_.columns[c]);
                string(design.columns[c]);
            }
            out_.write("}, ");
        }
        out_.write("\"inputs\": {");
        for (int i = 0; i < kDesignInputCount; ++i) {
            if (i > 0) out_.write(", ");
            key(kDesignInputs[i].option);
            out_.write(plainDecimal(static_cast<float>(design.given[i])));
        }
        out_.write("}, \"cases\": [");
        std::string buffer;
        if (settings_.check) check_ = textbookCheck(design.values, design.check);
        for (int c = 0; c < kDowelCaseCount; ++c) {
            const CaseResult& result = run.cases[c];
            out_.write(c == 0 ? "\n  {" : ",\n  {");
            key("dowel");
            string(columns_.dowelLabels[c]);
            out_.write(", ");
            key("shape");
            string(shapeWord(kDowelCases[c]));
            for (int row = 0; row < kResultRowCount; ++row) {
                out_.write(", ");
                key(columns_.shownKeys[row]);
                number(columns_.shown(result, row, buffer));
            }
            out_.write(", ");
            key("grade");
            string(gradeWord(result.grade));
            if (outsideFittedRelations(result.engine)) {
                out_.write(", ");
                key("note");
                string(kOutsideFittedRelations);
            }
            if (settings_.allFields) {
                for (size_t f = 0; f < kRawFields.size(); ++f) {
                    out_.write(", ");
                    key(columns_.rawKeys[f]);
                    number(columns_.raw(result, f));
                }
            }
            if (settings_.check) {
                for (int k = 0; k < kCheckColumnCount; ++k) {
                    out_.write(", ");
                    key(kCheckColumns[k].key);
                    const std::string text =
                        checkColumnText(check_.bars[c], k, settings_.units, settings_.allFields);
                    if (k == CheckVerdict) {
                        string(text);
                    } else {
                        number(text);
                    }
                }
            }
            out_.put('}');
        }
        out_.write("]}");
    }

    void end(bool) override { out_.write("\n]}\n"); }

  private:
    // A JSON string: quotes, backslashes and control characters escaped.
    void string(std::string_view text) {
        out_.put('"');
        for (const char c : text) {
            if (c == '"' || c == '\\') {
                out_.put('\\');
                out_.put(c);
            } else if (static_cast<unsigned char>(c) < 0x20) {
                static constexpr char kHex[] = "0123456789abcdef";
                out_.write("\\u00");
                out_.put(kHex[(c >> 4) & 0xf]);
                out_.put(kHex[c & 0xf]);
            } else {
                out_.put(c);
            }
        }
        out_.put('"');
    }
    void key(std::string_view name) {
        string(name);
        out_.write(": ");
    }
    // JSON has no "n/a": a value that is not finite is null.
    void number(std::string_view text) { out_.write(text == kNotFiniteText ? "null" : text); }

    const ReportSettings& settings_;
    Columns columns_;
    Output& out_;
    TextbookCheck check_{};
};

class TableWriter : public ReportWriter {
  public:
    TableWriter(const ReportSettings& settings, Output& out)
        : settings_(settings), columns_(settings.units), out_(out) {}

    void begin() override {}

    void design(const Design& design, const AnalysisRun& run, bool first) override {
        if (!first) out_.put('\n');
        writeDesignLine(design);
        if (settings_.check) {
            check_ = textbookCheck(design.values, design.check);
            writeCheckLine();
        }
        out_.put('\n');
        writeHeader();

        std::string buffer;
        bool marked = false;
        for (int c = 0; c < kDowelCaseCount; ++c) {
            const CaseResult& result = run.cases[c];
            line_.clear();
            left(columns_.dowelLabels[c], kDowelWidth);
            left(shapeWord(kDowelCases[c]), kShapeWidth);
            for (int row = 0; row < kResultRowCount; ++row)
                right(columns_.shown(result, row, buffer), kValueWidth);
            if (settings_.check) {
                const BarCheck& bar = check_.bars[c];
                right(checkColumnText(bar, CheckBearingStress, settings_.units, false),
                      kValueWidth);
                right(checkColumnText(bar, CheckAllowable, settings_.units, false), kValueWidth);
                line_ += "  ";
                left(verdictWord(bar), kVerdictWidth);
            }
            line_ += "  ";
            std::string grade = gradeWord(result.grade);
            if (outsideFittedRelations(result.engine)) {
                grade += kNoteMark;
                marked = true;
            }
            if (settings_.allFields) {
                left(grade, kGradeWidth);
                for (size_t f = 0; f < kRawFields.size(); ++f)
                    right(columns_.raw(result, f), rawWidth(columns_.rawKeys[f]));
                for (int k = 0; settings_.check && k < kCheckColumnCount; ++k)
                    right(checkColumnText(check_.bars[c], k, settings_.units, true),
                          rawWidth(kCheckColumns[k].key));
            } else {
                line_ += grade;
            }
            finishLine();
        }
        // Under its own design, so that a part of a run stands on its own.
        if (marked) {
            out_.write(kNoteMark);
            out_.put(' ');
            out_.write(kOutsideFittedRelations);
            out_.put('\n');
        }
    }

    void end(bool designs) override {
        if (!designs) return;
        out_.write("\nconditional: " + conditionalGradeMeaning() + "\n");
    }

  private:
    void writeDesignLine(const Design& design) {
        out_.write("Design:");
        bool firstItem = true;
        for (size_t c = 0; c < settings_.columns.size(); ++c) {
            out_.write(firstItem ? " " : ", ");
            firstItem = false;
            // Copied text is the file's, not ours: shown, never obeyed, by a terminal.
            out_.write(printable(settings_.columns[c]));
            out_.put(' ');
            out_.write(printable(design.columns[c]));
        }
        for (int i = 0; i < kDesignInputCount; ++i) {
            out_.write(firstItem ? " " : ", ");
            firstItem = false;
            out_.write(kDesignInputs[i].option);
            out_.put(' ');
            out_.write(plainDecimal(static_cast<float>(design.given[i])));
            out_.put(' ');
            out_.write(columns_.inputUnits[i]);
        }
        out_.put('\n');
    }

    // The check's method and added inputs, with how f'c came about.
    void writeCheckLine() {
        const std::vector<CheckInputRow> rows = checkInputRows(check_, settings_.units);
        out_.write(std::string("Check: ") + check_.settings.method->name +
                   " (L = " + rows[2].value + ", " + rows[2].note + "), f'c " + rows[0].value +
                   " " + rows[0].unit + " (" + rows[0].note + "), " + rows[1].value +
                   " % of the load on the dowels (" + rows[1].note + ")\n");
    }

    void writeHeader() {
        line_.clear();
        left(barsCaption(columns_.units), kDowelWidth);
        left("Shape", kShapeWidth);
        for (const std::string& caption : columns_.shownCaptions) right(caption, kValueWidth);
        if (settings_.check) {
            const std::string unit =
                std::string(" ") + checkColumnUnit(CheckAllowable, settings_.units);
            right(kCheckColumns[CheckBearingStress].caption + unit, kValueWidth);
            right(kCheckColumns[CheckAllowable].caption + unit, kValueWidth);
            line_ += "  ";
            left("Check", kVerdictWidth);
        }
        line_ += "  ";
        if (settings_.allFields) {
            left(kGradeCaption, kGradeWidth);
            for (const std::string& key : columns_.rawKeys) right(key, rawWidth(key));
            for (int k = 0; settings_.check && k < kCheckColumnCount; ++k)
                right(kCheckColumns[k].key, rawWidth(kCheckColumns[k].key));
        } else {
            line_ += kGradeCaption;
        }
        finishLine();
    }

    static constexpr size_t kVerdictWidth = 6;
    static constexpr size_t kDowelWidth = 13;
    static constexpr size_t kShapeWidth = 11;
    static constexpr size_t kValueWidth = 13;
    static constexpr size_t kGradeWidth = 14;

    static size_t rawWidth(const std::string& key) { return std::max<size_t>(key.size(), 12) + 2; }
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

    const ReportSettings& settings_;
    Columns columns_;
    Output& out_;
    std::string line_;
    TextbookCheck check_{};
};

// A label as a CSV field: the inch marks need quoting.
std::string csvField(const std::string& text) {
    return csvText(text);
}

}  // namespace

std::unique_ptr<ReportWriter> makeReportWriter(const ReportSettings& settings, Output& out) {
    switch (settings.format) {
        case Format::Csv:
            return std::make_unique<CsvWriter>(settings, out);
        case Format::Json:
            return std::make_unique<JsonWriter>(settings, out);
        case Format::Table:
            break;
    }
    return std::make_unique<TableWriter>(settings, out);
}

void writeComparisonCsv(Output& out) {
    using namespace comparison;
    out.write("a,analysis_type,v,variant,d,dowel,q,quantity,unit,value\n");
    for (AnalysisType a : kAnalysisTypes) {
        for (LayoutVariant v : kLayoutVariants) {
            for (DowelSelection d : kDowelSelections) {
                for (Quantity q : kQuantities) {
                    const std::string row =
                        std::to_string(indexOf(a)) + "," + csvField(analysisTypeCaption(a)) + "," +
                        std::to_string(indexOf(v)) + "," + csvField(variantCaption(a, v)) + "," +
                        std::to_string(indexOf(d)) + "," + csvField(dowelItemCaption(d)) + "," +
                        std::to_string(indexOf(q)) + "," + csvField(quantityName(q)) + "," +
                        csvField(quantityFacts(q).unit) + ",";
                    out.write(row);
                    out.write(formatShortest(comparisonValue(a, v, d, q)));
                    out.put('\n');
                }
            }
        }
    }
}

}  // namespace tavrel::cli
