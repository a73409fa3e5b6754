#include "analysis/results_export.h"

#include <cstdio>

namespace tavrel {

namespace {

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

// An input's caption, value and unit in `units`.
std::array<std::string, 3> inputRow(const DesignValues& values, int input, UnitSystem units) {
    const double value = fromAnalysisUnits(units, input, values[input]);
    return {kDesignInputs[input].caption, plainDecimal(static_cast<float>(value)),
            inputScale(units, input).caption};
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
