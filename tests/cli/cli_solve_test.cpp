// --solve as scripts read it: the three formats say the same, the table names
// the bars without a change, and misuse is refused with status 2.
#include "cli/cli_solve.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <set>
#include <sstream>

#include "analysis/dowel_cases.h"
#include "cli_test_support.h"

namespace {

using cli_test::parseCsv;
using cli_test::runCli;

TEST(Solve, CsvJsonAndTableAgree) {
    // Tire pressure changes no grade of the default design; thickness several.
    for (const char* input : {"thickness", "tire-pressure"}) {
        const auto csv = runCli({"--solve", input, "--format=csv", "--load", "12000"});
        ASSERT_EQ(csv.status, 0) << csv.error;
        const auto rows = parseCsv(csv.out);
        ASSERT_FALSE(rows.empty());
        EXPECT_EQ(rows[0], (std::vector<std::string>{"dowel", "input", "value", "grade_below",
                                                     "grade_above"}));

        const auto json = runCli({"--solve", input, "--format", "json", "--load=12000"});
        ASSERT_EQ(json.status, 0) << json.error;
        const QJsonArray changes = QJsonDocument::fromJson(QByteArray::fromStdString(json.out))
                                       .object()[QStringLiteral("changes")]
                                       .toArray();
        ASSERT_EQ(static_cast<size_t>(changes.size()), rows.size() - 1);

        const auto table = runCli({"--solve", input, "--load", "12000"});
        ASSERT_EQ(table.status, 0) << table.error;
        std::set<std::string> changing;
        for (size_t r = 1; r < rows.size(); ++r) {
            const std::vector<std::string>& row = rows[r];
            const QJsonObject change = changes[static_cast<int>(r - 1)].toObject();
            EXPECT_EQ(row[1], input);
            EXPECT_NE(row[3], row[4]);
            EXPECT_EQ(change[QStringLiteral("dowel")].toString().toStdString(), row[0]);
            EXPECT_EQ(change[QStringLiteral("value")].toDouble(), std::stod(row[2]));
            EXPECT_EQ(change[QStringLiteral("grade_above")].toString().toStdString(), row[4]);
            // The table's line for this change: bar, value, below, above.
            EXPECT_NE(table.out.find(row[0]), std::string::npos);
            EXPECT_NE(table.out.find(row[2]), std::string::npos);
            changing.insert(row[0]);
        }
        size_t unchanged = 0;
        for (size_t at = 0; (at = table.out.find("no change in range", at)) != std::string::npos;
             ++at) {
            ++unchanged;
        }
        EXPECT_EQ(unchanged, tavrel::kDowelCaseCount - changing.size()) << table.out;
    }
}

// In SI units the same changes, with the values converted and the bars in mm.
TEST(Solve, SiUnitsConvertValuesNotGrades) {
    const auto us = runCli({"--solve", "k", "--format", "csv"});
    const auto si = runCli({"--solve", "k", "--format", "csv", "--units", "si"});
    ASSERT_EQ(si.status, 0) << si.error;
    auto rows = [](const std::string& text) {
        std::vector<std::vector<std::string>> out;
        std::istringstream lines(text);
        for (std::string line; std::getline(lines, line);) {
            std::vector<std::string> fields;
            std::istringstream parts(line);
            for (std::string f; std::getline(parts, f, ',');) fields.push_back(f);
            out.push_back(fields);
        }
        return out;
    };
    const auto u = rows(us.out), s = rows(si.out);
    ASSERT_EQ(u.size(), s.size());
    ASSERT_GT(u.size(), 2u);
    for (size_t r = 1; r < u.size(); ++r) {
        EXPECT_EQ(u[r][3] + u[r][4], s[r][3] + s[r][4]);
        const double perPsiPerInch = tavrel::kKilopascalsPerPsi / tavrel::kMillimetresPerInch;
        EXPECT_NEAR(std::stod(s[r][2]), std::stod(u[r][2]) * perPsiPerInch, 0.01) << si.out;
        for (const tavrel::DowelCase& d : tavrel::kDowelCases) {
            if (tavrel::dowelCaseLabel(d) == u[r][0]) {
                EXPECT_EQ(s[r][0], tavrel::dowelLabel(d, tavrel::UnitSystem::Si));
            }
        }
    }
}

TEST(Solve, MisuseIsRefused) {
    const std::vector<std::vector<std::string_view>> misuse = {
        {"--solve", "depth"},
        {"--solve"},
        {"--solve", "k", "--sweep", "load=1000:2000:500"},
        {"--solve", "k", "--solve", "load"},
        {"--solve", "k", "--report", "a.pdf"},
        {"--report", "a.pdf", "--format", "csv"},
        {"--solve", "k", "--thickness", "40"},
        {"--report", "a.pdf", "--designs", "-"},
    };
    for (const auto& args : misuse) {
        const auto r = runCli(args);
        EXPECT_EQ(r.status, tavrel::cli::kExitBadInput) << args[0] << " " << r.error;
        EXPECT_TRUE(r.out.empty());
        EXPECT_EQ(r.error.rfind("tavrel-cli: ", 0), 0u) << r.error;
    }
    // The refusal names every option that does not take one design.
    const auto jobs = runCli({"--k=300", "--solve", "k", "--jobs", "2"});
    EXPECT_EQ(jobs.error,
              "tavrel-cli: --solve: takes one design's inputs only (no --sweep, --designs, "
              "--shard, --jobs, --all-fields, --comparison, "
              "--help, --version or --save-design)\n");
    // In-process there is no drawing: the report is refused, not half written.
    const auto report = runCli({"--report", "never.pdf"});
    EXPECT_EQ(report.status, tavrel::cli::kExitWriteFailed);
}

}  // namespace
