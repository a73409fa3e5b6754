#include "analysis/results_table.h"

#include <cstdio>

namespace tavrel {

namespace {

constexpr const char* kBarsCaption = "Dowel (in.)";
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
            if (cellColoured(cell)) line.shades[c] = cell.grade;
        }
        lines.push_back(line);
    }
    ResultLine grades{kGradeCaption, false, {}, {}};
    for (int c = 0; c < kDowelCaseCount; ++c) {
        const CaseResult& result = run.cases[c];
        grades.texts[c] = std::string(gradeWord(result.grade)) +
                          (outsideFittedRelations(result.engine) ? kFittedMark : "");
        grades.shades[c] = result.grade;
    }
    lines.push_back(grades);
    return lines;
}

std::string resultsTabSeparated(const AnalysisRun& run) {
    std::string text = kBarsCaption;
    for (const DowelCase& dowel : kDowelCases) {
        text += '\t';
        text += dowelCaseLabel(dowel);
    }
    text += "\n";
    for (int row = 0; row < kResultRowCount; ++row) {
        text += kResultRowCaptions[row];
        for (const CaseResult& c : run.cases) {
            text += '\t';
            text += markedText(c.cells[row]);
        }
        text += "\n";
    }
    text += kGradeCaption;
    for (const CaseResult& c : run.cases) {
        text += '\t';
        text += gradeWord(c.grade);
    }
    text += "\n";
    if (anyMarked(run)) text += markFootnote() + "\n";
    return text;
}

std::string resultsHtml(const AnalysisRun& run) {
    std::string html = "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n<tr>";
    html += cell("th", kBarsCaption, nullptr);
    for (int c = 0; c < kDowelCaseCount; ++c) {
        const Rgb colour = gradeRgb(run.cases[c].grade);
        html += cell("th", dowelCaseLabel(kDowelCases[c]), &colour);
    }
    html += "</tr>\n";
    for (int row = 0; row < kResultRowCount; ++row) {
        html += "<tr>" + cell("th", kResultRowCaptions[row], nullptr);
        for (const CaseResult& c : run.cases) {
            const ResultCell& value = c.cells[row];
            const Rgb colour = cellColoured(value) ? gradeRgb(*value.grade) : Rgb{};
            html += cell("td", markedText(value), cellColoured(value) ? &colour : nullptr);
        }
        html += "</tr>\n";
    }
    html += "<tr>" + cell("th", kGradeCaption, nullptr);
    for (const CaseResult& c : run.cases) {
        const Rgb colour = gradeRgb(c.grade);
        html += cell("td", gradeWord(c.grade), &colour);
    }
    html += "</tr>\n</table>\n";
    if (anyMarked(run)) html += "<p>" + escaped(markFootnote()) + "</p>\n";
    return html;
}

}  // namespace tavrel
