#include "analysis/report_model_json.h"

#include <cmath>
#include <cstdio>
#include <nlohmann/json.hpp>

namespace tavrel {

namespace {

using Json = nlohmann::json;

std::string rgb(Rgb c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", c.red, c.green, c.blue);
    return text;
}

// JSON has no infinity or NaN: null stands for either.
Json number(double value) {
    return std::isfinite(value) ? Json(value) : Json(nullptr);
}

Json chartJson(const ReportChart& c) {
    Json chart = {{"title", c.title},   {"xLabel", c.xLabel},    {"yLabel", c.yLabel},
                  {"x", c.x},           {"designX", c.designX},  {"designLabel", c.designLabel},
                  {"yFloor", c.yFloor}, {"yCeiling", c.yCeiling}};
    for (const ChartSeries& s : c.series) {
        Json ys = Json::array();
        for (double y : s.y) ys.push_back(number(y));
        chart["series"].push_back(
            {{"name", s.name}, {"colour", rgb(s.colour)}, {"dashed", s.dashed}, {"y", ys}});
    }
    for (const ChartBand& b : c.bands) {
        chart["bands"].push_back(
            {{"from", number(b.from)}, {"to", number(b.to)}, {"colour", rgb(gradeRgb(b.grade))}});
    }
    for (const ChartLimit& l : c.limits)
        chart["limits"].push_back({{"y", l.y}, {"label", l.label}});
    chart["outsideFitted"] = Json::array();
    for (const ChartSpan& s : c.outsideFitted) chart["outsideFitted"].push_back({s.from, s.to});
    return chart;
}

Json tableJson(const ReportTable& t) {
    Json table = {{"kind", "table"}, {"headsCaption", t.headsCaption}};
    for (int c = 0; c < kDowelCaseCount; ++c) {
        Json head = Json::array({t.heads[c][0]});
        if (!t.heads[c][1].empty()) head.push_back(t.heads[c][1]);
        table["heads"].push_back({{"lines", head}, {"colour", rgb(gradeRgb(t.grades[c]))}});
    }
    for (const ResultLine& line : t.lines) {
        Json row = {{"caption", line.caption}, {"group", line.group}};
        for (int c = 0; c < kDowelCaseCount && !line.group; ++c) {
            row["cells"].push_back(
                {{"text", line.texts[c]},
                 {"colour", line.shades[c] ? Json(rgb(gradeRgb(*line.shades[c]))) : Json()}});
        }
        table["rows"].push_back(row);
    }
    return table;
}

Json blockJson(const ReportBlock& block) {
    if (const auto* p = std::get_if<ReportParagraph>(&block)) {
        const char* styles[] = {"body", "small", "strong"};
        return {{"kind", "paragraph"}, {"text", p->text}, {"style", styles[int(p->style)]}};
    }
    if (const auto* p = std::get_if<ReportPairs>(&block)) {
        Json rows = Json::array();
        for (const auto& [label, value] : p->rows) rows.push_back({label, value});
        return {{"kind", "pairs"}, {"rows", rows}, {"indented", p->indented}};
    }
    if (const auto* w = std::get_if<ReportWorking>(&block)) {
        return {{"kind", "working"}, {"bar", w->bar}, {"lines", w->lines}};
    }
    if (const auto* t = std::get_if<ReportTable>(&block)) return tableJson(*t);
    if (const auto* l = std::get_if<ReportLegend>(&block)) {
        Json entries = Json::array();
        for (const auto& [grade, words] : l->entries)
            entries.push_back({rgb(gradeRgb(grade)), words});
        return {{"kind", "legend"}, {"entries", entries}};
    }
    if (const auto* s = std::get_if<ReportSignOff>(&block)) {
        return {{"kind", "signOff"}, {"roles", s->roles}, {"columns", s->columns}};
    }
    if (const auto* g = std::get_if<ReportGrid>(&block)) {
        return {{"kind", "grid"}, {"head", g->head}, {"rows", g->rows}};
    }
    const auto& pair = std::get<ReportChartPair>(block);
    return {{"kind", "charts"}, {"left", chartJson(pair.left)}, {"right", chartJson(pair.right)}};
}

}  // namespace

std::string reportJson(const ReportModel& model) {
    Json json = {{"title", model.title}, {"subtitle", model.subtitle}, {"footer", model.footer}};
    json["sections"] = Json::array();
    for (const ReportSection& section : model.sections) {
        Json blocks = Json::array();
        for (const ReportBlock& block : section.blocks) blocks.push_back(blockJson(block));
        json["sections"].push_back(
            {{"heading", section.heading}, {"startsPage", section.startsPage}, {"blocks", blocks}});
    }
    // Invalid UTF-8 in a project detail must not stop the report.
    return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace tavrel
