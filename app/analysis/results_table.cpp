#include "analysis/results_table.h"

#include <cstdio>

namespace tavrel {

namespace {

constexpr const char* kGradeCaption = "Grade";

std::string hexColour(Rgb c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", c.red, c.green, c.blue);
    return text;
}

// The texts are ours (digits, captions, grade words), but a caption may carry
// characters that HTML reads as markup.
std::string escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string cell(const char* tag, const std::string& text, const Rgb* colour) {
    std::string html = std::string("<") + tag;
    if (colour != nullptr) html += " style=\"background-color:" + hexColour(*colour) + "\"";
    return html + ">" + escaped(text) + "</" + tag + ">";
}

bool anyMarked(const AnalysisRun& run) {
    for (const CaseResult& c : run.cases) {
        for (const ResultCell& value : c.cells) {
            if (value.outsideFittedRange) return true;
        }
    }
    return false;
}

// What the mark beside a value means, under a table that has one.
std::string markFootnote() {
    return std::string(kOutsideMark) + " " + kOutsideFittedRelations;
}

}  // namespace

std::string legendText(CaseGrade grade) {
    switch (grade) {
        case CaseGrade::Acceptable:
            return "= Acceptable Option";
        case CaseGrade::Conditional:
            break;
        case CaseGrade::Unacceptable:
            return "= Unacceptable Option";
    }
    // The window's legend capitalises each word and ends in a blank.
    std::string text = "= Acceptable for ";
    const std::size_t count = kConditionalGradeConditions.size();
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) text += i + 1 < count ? ", " : ", and/or ";
        bool wordStart = true;
        for (char c : std::string(kConditionalGradeConditions[i])) {
            text += wordStart && c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
            wordStart = c == ' ';
        }
    }
    return text + " ";
}

std::string dowelHeadsCaption(UnitSystem units) {
    if (units == UnitSystem::Us) return kDowelHeadsCaption;
    return std::string("Dowel Diameter(s) (") + dowelUnit(units) + "):";
}

std::string bearingStressSectionCaption(UnitSystem units) {
    if (units == UnitSystem::Us) return kBearingStressSection;
    return std::string("Bearing Stress (") + stressScale(units).caption + ") -";
}

std::vector<ResultLine> resultLines(const AnalysisRun& run, UnitSystem units) {
    std::vector<ResultLine> lines;
    for (int row = 0; row < kResultRowCount; ++row) {
        if (row == 0) lines.push_back({kLoadTransferSection, true, {}, {}});
        if (row == kFirstBearingRow)
            lines.push_back({bearingStressSectionCaption(units), true, {}, {}});
        ResultLine line{kResultRowCaptions[row], false, {}, {}};
        const bool bearing = row == EdgeStressRow || row == CornerStressRow;
        for (int c = 0; c < kDowelCaseCount; ++c) {
            const CaseResult& result = run.cases[c];
            const ResultCell& cell = result.cells[row];
            line.texts[c] =
                bearing && units != UnitSystem::Us
                    ? bearingStressText(row == EdgeStressRow ? result.engine.edgeBearingStress
                                                             : result.engine.cornerBearingStress,
                                        units)
                    : cell.text;
            if (cell.outsideFittedRange) line.texts[c] += kOutsideMark;
            if (cellColoured(cell)) line.shades[c] = cell.grade;
        }
        lines.push_back(line);
    }
    ResultLine grades{kGradeCaption, false, {}, {}};
    for (int c = 0; c < kDowelCaseCount; ++c) {
        const CaseResult& result = run.cases[c];
        grades.texts[c] = gradeWord(result.grade);
        grades.shades[c] = result.grade;
    }
    lines.push_back(grades);
    return lines;
}

namespace {

// An input's caption, value and unit in `units`.
std::array<std::string, 3> inputRow(const DesignValues& values, int input, UnitSystem units) {
    const double value = fromAnalysisUnits(units, input, values[input]);
    return {kDesignInputs[input].caption, plainDecimal(static_cast<float>(value)),
            inputScale(units, input).caption};
}

std::string barsCaption(UnitSystem units) {
    return std::string("Dowel (") + dowelUnit(units) + ")";
}

}  // namespace

std::string resultsTabSeparated(const AnalysisRun& run, const DesignValues& values,
                                UnitSystem units) {
    std::string text;
    for (int i = 0; i < kDesignInputCount; ++i) {
        const auto row = inputRow(values, i, units);
        text += row[0] + '\t' + row[1] + '\t' + row[2] + '\n';
    }
    text += '\n' + barsCaption(units);
    for (const DowelCase& dowel : kDowelCases) text += '\t' + dowelLabel(dowel, units);
    text += '\n';
    for (const ResultLine& line : resultLines(run, units)) {
        text += line.caption;
        if (!line.group) {
            for (const std::string& cellText : line.texts) text += '\t' + cellText;
        }
        text += '\n';
    }
    if (anyMarked(run)) text += markFootnote() + "\n";
    return text;
}

std::string resultsHtml(const AnalysisRun& run, const DesignValues& values, UnitSystem units) {
    std::string html = "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n";
    for (int i = 0; i < kDesignInputCount; ++i) {
        const auto row = inputRow(values, i, units);
        html += "<tr>" + cell("th", row[0], nullptr) + cell("td", row[1], nullptr) +
                cell("td", row[2], nullptr) + "</tr>\n";
    }
    html += "</table>\n<br>\n<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n<tr>";
    html += cell("th", barsCaption(units), nullptr);
    for (int c = 0; c < kDowelCaseCount; ++c) {
        const Rgb colour = gradeRgb(run.cases[c].grade);
        html += cell("th", dowelLabel(kDowelCases[c], units), &colour);
    }
    html += "</tr>\n";
    for (const ResultLine& line : resultLines(run, units)) {
        html += "<tr>" + cell("th", line.caption, nullptr);
        if (line.group) html += "<td colspan=\"" + std::to_string(kDowelCaseCount) + "\"></td>";
        for (int c = 0; c < kDowelCaseCount && !line.group; ++c) {
            const Rgb colour = line.shades[c] ? gradeRgb(*line.shades[c]) : Rgb{};
            html += cell("td", line.texts[c], line.shades[c] ? &colour : nullptr);
        }
        html += "</tr>\n";
    }
    html += "</table>\n";
    if (anyMarked(run)) html += "<p>" + escaped(markFootnote()) + "</p>\n";
    return html;
}

}  // namespace tavrel
