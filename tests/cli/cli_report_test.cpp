// What tavrel-cli writes: the window's texts, sweeps in order, and CSV and JSON
// that read back to the same numbers.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <charconv>
#include <set>
#include <tuple>

#include "analysis/design_analysis.h"
#include "analysis/dowel_cases.h"
#include "cli_test_support.h"
#include "comparison/comparison_table.h"
#include "default_design_table.h"

namespace {

using cli_test::parseCsv;
using cli_test::runCli;

constexpr int kShownColumn = 9;  // after the seven inputs, the dowel and its shape
constexpr int kGradeColumn = kShownColumn + tavrel::kResultRowCount;

float parseFloat(const std::string& text) {
    float value = 0;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_TRUE(r.ec == std::errc() && r.ptr == text.data() + text.size()) << text;
    return value;
}

TEST(Report, DefaultDesignIsTheWindowsTable) {
    const auto& table = testing_support::kDefaultDesignTable;
    const auto csv = runCli({"--format", "csv"});
    ASSERT_EQ(csv.status, 0) << csv.error;
    const auto rows = parseCsv(csv.out);
    ASSERT_EQ(rows.size(), 9u);
    const auto table_ = runCli({});
    ASSERT_EQ(table_.status, 0);
    for (int c = 0; c < 8; ++c) {
        const auto& row = rows[c + 1];
        EXPECT_EQ(row[7], tavrel::dowelCaseLabel(tavrel::kDowelCases[c]));
        for (int k = 0; k < 5; ++k) EXPECT_EQ(row[kShownColumn + k], table[c][k]);
        EXPECT_EQ(row[kGradeColumn], "acceptable");
        // The reading table carries the same texts on the bar's line.
        const std::string label = row[7] + " ";
        const size_t line = table_.out.find("\n" + label);
        ASSERT_NE(line, std::string::npos) << label;
        const std::string text =
            table_.out.substr(line + 1, table_.out.find('\n', line + 1) - line);
        for (int k = 0; k < 5; ++k) {
            EXPECT_NE(text.find(std::string(" ") + table[c][k] + " "), std::string::npos) << text;
        }
    }
}

TEST(Report, GradesInWords) {
    // A thin slab under a heavy load on soft support: every grade shows somewhere.
    const auto r = runCli(
        {"--format", "csv", "--thickness", "6", "--load", "20000", "--k", "50", "--spacing", "18"});
    ASSERT_EQ(r.status, 0);
    const auto rows = parseCsv(r.out);
    tavrel::DesignAnalysis analysis;
    const auto run =
        analysis.run(tavrel::DesignValues{18, 0.25f, 50, 20000, 4e6f, 6, 90}, &CALCLTE);
    std::set<std::string> words;
    for (int c = 0; c < 8; ++c) {
        EXPECT_EQ(rows[c + 1][kGradeColumn], gradeWord(run.cases[c].grade));
        words.insert(rows[c + 1][kGradeColumn]);
    }
    EXPECT_GE(words.size(), 2u);
}

TEST(Report, SweepRowsRunThroughTheGridInOrder) {
    const auto r =
        runCli({"--format", "csv", "--sweep", "thickness=8:12:2", "--sweep", "spacing=12:18:6"});
    ASSERT_EQ(r.status, 0) << r.error;
    const auto rows = parseCsv(r.out);
    ASSERT_EQ(rows.size(), 1u + 3 * 2 * 8);
    int i = 1;
    for (const char* thickness : {"8", "10", "12"}) {
        for (const char* spacing : {"12", "18"}) {
            // Each design's rows are what a run of that design alone prints.
            const auto single = parseCsv(
                runCli({"--format", "csv", "--thickness", thickness, "--spacing", spacing}).out);
            for (int c = 0; c < 8; ++c, ++i) {
                EXPECT_EQ(rows[i][5], thickness);
                EXPECT_EQ(rows[i][0], spacing);
                EXPECT_EQ(rows[i], single[c + 1]) << "row " << i;
            }
        }
    }
}

TEST(Report, AllFieldsReadBackToTheEngineRecord) {
    const auto r = runCli({"--format", "csv", "--all-fields", "--sweep", "opening=0.1:0.3:0.1"});
    ASSERT_EQ(r.status, 0);
    const auto rows = parseCsv(r.out);
    ASSERT_EQ(rows.size(), 1u + 3 * 8);
    const auto& header = rows[0];
    for (const auto& row : rows) EXPECT_EQ(row.size(), header.size());
    const auto column = [&header](const char* key) {
        const auto at = std::find(header.begin(), header.end(), key);
        EXPECT_NE(at, header.end()) << key;
        return static_cast<size_t>(at - header.begin());
    };
    // The values behind the shown columns first, then the rest of the record.
    const std::pair<const char*, float DowelJointResult::*> fields[] = {
        {"deflection_lte", &DowelJointResult::deflectionLte},
        {"stress_lte", &DowelJointResult::stressLte},
        {"effectiveness", &DowelJointResult::effectiveness},
        {"edge_bearing_stress_psi", &DowelJointResult::edgeBearingStress},
        {"corner_bearing_stress_psi", &DowelJointResult::cornerBearingStress},
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
    };
    EXPECT_EQ(header.size(), kGradeColumn + 2 + std::size(fields));

    tavrel::DesignAnalysis analysis;
    for (size_t i = 1; i < rows.size(); ++i) {
        tavrel::DesignValues values;
        for (int k = 0; k < tavrel::kDesignInputCount; ++k) values[k] = parseFloat(rows[i][k]);
        const auto run = analysis.run(values, &CALCLTE);
        const DowelJointResult& e = run.cases[(i - 1) % 8].engine;
        for (const auto& [key, field] : fields) {
            const std::string& text = rows[i][column(key)];
            EXPECT_EQ(parseFloat(text), e.*field) << key << " row " << i;
        }
    }
    EXPECT_EQ(rows[1][1], "0.1");
    EXPECT_EQ(rows[24][1], "0.3");
}

TEST(Report, JsonRoundTripsThroughAParser) {
    const auto json =
        runCli({"--format", "json", "--all-fields", "--sweep", "load=8000:10000:1000"});
    const auto csv = runCli({"--format", "csv", "--all-fields", "--sweep", "load=8000:10000:1000"});
    ASSERT_EQ(json.status, 0);
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(json.out), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    const QJsonArray designs = doc.object().value("designs").toArray();
    ASSERT_EQ(designs.size(), 3);

    const auto rows = parseCsv(csv.out);
    const auto& header = rows[0];
    int i = 1;
    for (const QJsonValue design : designs) {
        const QJsonObject inputs = design.toObject().value("inputs").toObject();
        const QJsonArray cases = design.toObject().value("cases").toArray();
        ASSERT_EQ(cases.size(), 8);
        for (const QJsonValue item : cases) {
            const QJsonObject c = item.toObject();
            const auto& row = rows[i++];
            for (int k = 0; k < tavrel::kDesignInputCount; ++k) {
                EXPECT_EQ(inputs.value(QString::fromStdString(header[k])).toDouble(),
                          std::stod(row[k]));
            }
            EXPECT_EQ(c.value("dowel").toString().toStdString(), row[7]);
            EXPECT_EQ(c.value("shape").toString().toStdString(), row[8]);
            EXPECT_EQ(c.value("grade").toString().toStdString(), row[kGradeColumn]);
            for (size_t k = kShownColumn; k < header.size(); ++k) {
                if (header[k] == "grade" || header[k] == "note") continue;
                const QJsonValue v = c.value(QString::fromStdString(header[k]));
                ASSERT_TRUE(v.isDouble()) << header[k];
                // Same number: shown texts exactly, raw floats to the last bit.
                EXPECT_EQ(static_cast<float>(v.toDouble()), parseFloat(row[k])) << header[k];
            }
        }
    }
}

TEST(Report, ComparisonTableWithItsLabels) {
    const auto r = runCli({"--comparison"});
    ASSERT_EQ(r.status, 0);
    const auto rows = parseCsv(r.out);
    ASSERT_EQ(rows.size(), 1u + 288);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"a", "analysis_type", "v", "variant", "d", "dowel",
                                                 "q", "quantity", "unit", "value"}));
    std::set<std::tuple<int, int, int, int>> seen;
    for (size_t i = 1; i < rows.size(); ++i) {
        const auto& row = rows[i];
        ASSERT_EQ(row.size(), 10u);
        const int a = std::stoi(row[0]), v = std::stoi(row[2]), d = std::stoi(row[4]),
                  q = std::stoi(row[6]);
        seen.insert({a, v, d, q});
        EXPECT_EQ(parseFloat(row[9]),
                  tavrel::comparison::comparisonValue(
                      tavrel::comparison::kAnalysisTypes[a], tavrel::comparison::kLayoutVariants[v],
                      tavrel::comparison::kDowelSelections[d], tavrel::comparison::kQuantities[q]));
        EXPECT_EQ(row[8], q < 2 ? "psi" : "in.");
    }
    EXPECT_EQ(seen.size(), 288u);
    // The inch mark inside a label survives the quoting.
    EXPECT_EQ(rows[1], (std::vector<std::string>{"0", "Corner Dowel Spacing", "0",
                                                 "6 inches (baseline)", "0", "1\" Round", "0",
                                                 "Dowel Bearing Stress", "psi", "4410"}));
    EXPECT_EQ(rows[288][3], "8 Dowels (Alternate C)");
    EXPECT_EQ(rows[288][5], "Large Elliptical");
}

}  // namespace
