// Studies as scripts run them: designs from a file, SI units, several jobs and
// shards giving the very bytes of one plain run, and the small things a user meets.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cmath>
#include <deque>

#include "analysis/units.h"
#include "cli_test_support.h"

namespace {

using cli_test::parseCsv;
using cli_test::runCli;

std::vector<std::string_view> with(std::vector<std::string_view> args,
                                   std::initializer_list<std::string_view> more) {
    args.insert(args.end(), more);
    return args;
}

TEST(Designs, ColumnsCopiedToTheFrontAndInputsFromFileOptionsOrDefaults) {
    // Quoted commas, CRLF line ends, a blank line, inputs in any order and a
    // subset of them; load comes from the options, the rest from the defaults.
    const std::string file =
        "id,thickness,route,k\r\nA1,10,\"I-80, east\",200\r\n\r\nA2, 12.5 ,US-6,300\r\n";
    const auto r = runCli({"--designs", "-", "--format", "csv", "--load", "12000"}, file);
    ASSERT_EQ(r.status, 0) << r.error;
    const auto rows = parseCsv(r.out);
    ASSERT_EQ(rows.size(), 1u + 2 * 8);
    EXPECT_EQ(std::vector<std::string>(rows[0].begin(), rows[0].begin() + 4),
              (std::vector<std::string>{"id", "route", "spacing", "opening"}));
    for (size_t i = 1; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i][0], i <= 8 ? "A1" : "A2");
        EXPECT_EQ(rows[i][1], i <= 8 ? "I-80, east" : "US-6");
    }
    // Each design's rows are those of the same design given as options.
    const auto alone = parseCsv(
        runCli({"--format", "csv", "--thickness", "10", "--k", "200", "--load", "12000"}).out);
    for (int c = 0; c < 8; ++c) {
        EXPECT_EQ(std::vector<std::string>(rows[c + 1].begin() + 2, rows[c + 1].end()),
                  alone[c + 1]);
    }
    // Quoted again only where the value needs it.
    EXPECT_NE(r.out.find("\nA1,\"I-80, east\",12,"), std::string::npos);

    // In JSON the copied columns are strings, escaped, in front of the inputs.
    const auto json = runCli({"--designs", "-", "--format", "json"},
                             "id,note \\,k\n\"say \"\"hi\"\"\",\t\\,300\n");
    ASSERT_EQ(json.status, 0) << json.error;
    const QJsonObject design = QJsonDocument::fromJson(QByteArray::fromStdString(json.out))
                                   .object()["designs"]
                                   .toArray()[0]
                                   .toObject();
    EXPECT_EQ(design["columns"].toObject()["id"].toString(), QString("say \"hi\""));
    EXPECT_EQ(design["columns"].toObject()["note \\"].toString(), QString("\t\\"));
    EXPECT_EQ(design["inputs"].toObject()["k"].toDouble(), 300);
}

TEST(Designs, ABadLineStopsTheRunAfterWholeRowsWithLineColumnAndRange) {
    std::string file = "id,k,thickness\n";
    for (int i = 0; i < 600; ++i) file.append("d").append(std::to_string(i)).append(",300,12\n");
    file += "bad,300,12abc\nlater,300,12\n";  // line 602
    for (const char* jobs : {"1", "3"}) {
        const auto r = runCli({"--designs", "-", "--format", "csv", "--jobs", jobs}, file);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.error,
                  "tavrel-cli: standard input: line 602, column thickness: '12abc' is not a "
                  "number (allowed: 5 to 30 inches)\n");
        EXPECT_EQ(parseCsv(r.out).size(), 1u + 600 * 8) << jobs;
        EXPECT_EQ(r.out.back(), '\n');
    }

    const struct {
        std::string file;
        std::vector<std::string_view> options;
        const char* message;
    } cases[] = {
        {"k\n50\n40\n",
         {},
         "standard input: line 3, column k: 40 is out of range (allowed: 50 to "
         "5000 psi/inch)"},
        {"k\n", {"--units", "si"}, nullptr},
        {"id,k\nA,300,1\n", {}, "standard input: line 2: 3 fields, the header has 2"},
        {"id,k\n\"A,300\n", {}, "standard input: line 2: a quote is not closed"},
        {"k,spacing,k\n", {}, "standard input: line 1: columns 1 and 3 are both named 'k'"},
        {"id,k\n", {"--k", "300"}, "standard input: column k conflicts with --k"},
        {"", {}, "standard input: no header line"},
    };
    for (const auto& c : cases) {
        const auto r = runCli(with(c.options, {"--designs", "-", "--format", "csv"}),
                              c.file.empty() ? std::string() : c.file);
        if (c.message == nullptr) {
            EXPECT_EQ(r.status, 0) << r.error;
            continue;
        }
        EXPECT_EQ(r.status, 2) << c.message;
        EXPECT_EQ(r.error, std::string("tavrel-cli: ") + c.message + "\n");
    }
    const auto missing = runCli({"--designs", "/nonexistent/designs.csv"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.error,
              "tavrel-cli: --designs: cannot open '/nonexistent/designs.csv': No such file or "
              "directory\n");
}

TEST(Parts, ShardsJoinedAndAnyNumberOfJobsGiveTheBytesOfOnePlainRun) {
    std::string file = "id,thickness,spacing\n";
    for (int i = 0; i < 37; ++i) {
        file.append("s").append(std::to_string(i)).append(",");
        file.append(std::to_string(6 + i % 20)).append(",").append(std::to_string(6 + i % 25));
        file.append("\n");
    }
    const std::vector<std::vector<std::string_view>> studies = {
        {"--sweep", "thickness=8:12:0.5", "--sweep", "spacing=12:18:3"},
        {"--designs", "-"},
    };
    for (const auto& study : studies) {
        for (const char* format : {"csv", "json", "table"}) {
            const auto args = with(study, {"--format", format, "--all-fields"});
            const auto whole = runCli(with(args, {"--jobs", "1"}), file);
            ASSERT_EQ(whole.status, 0) << whole.error;
            for (const char* jobs : {"2", "3"}) {
                EXPECT_EQ(runCli(with(args, {"--jobs", jobs}), file).out, whole.out)
                    << format << " jobs " << jobs;
            }
            // More parts than designs leaves some empty: they still join.
            for (int n : {1, 2, 3, 7, 40}) {
                std::string joined;
                for (int i = 1; i <= n; ++i) {
                    const std::string shard = std::to_string(i) + "/" + std::to_string(n);
                    const auto part = runCli(with(args, {"--shard", shard, "--jobs", "2"}), file);
                    ASSERT_EQ(part.status, 0) << part.error;
                    joined += part.out;
                }
                EXPECT_EQ(joined, whole.out) << format << " in " << n << " shards";
            }
        }
    }
    // Thousands of designs, many chunks: still the same bytes.
    const std::vector<std::string_view> big = {"--format", "csv", "--sweep", "load=1000:50000:25"};
    EXPECT_EQ(runCli(with(big, {"--jobs", "2"})).out, runCli(with(big, {"--jobs", "1"})).out);

    for (const char* bad : {"0/3", "4/3", "1/0", "1", "a/b", "1/3x"}) {
        const auto r = runCli({"--shard", bad});
        EXPECT_EQ(r.status, 2) << bad;
        EXPECT_EQ(r.error,
                  "tavrel-cli: --shard: '" + std::string(bad) + "' is not I/N with 1 <= I <= N\n");
    }
    EXPECT_EQ(runCli({"--jobs", "0"}).error,
              "tavrel-cli: --jobs: '0' is not a whole number from 1 to 256\n");
}

double number(const std::string& text) {
    return std::stod(text);
}

TEST(Units, ADesignInSiGetsTheGradesAndNumbersOfTheSameDesignInUs) {
    using tavrel::UnitSystem;
    const struct {
        const char* option;
        int input;
        double us;
    } design[] = {{"--spacing", 0, 15},       {"--opening", 1, 0.125}, {"--k", 2, 120},
                  {"--load", 3, 14000},       {"--ec", 4, 3.2e6},      {"--thickness", 5, 7.5},
                  {"--tire-pressure", 6, 110}};
    std::deque<std::string> texts;  // the views below point into it
    for (const auto& d : design) {
        char text[40];
        std::snprintf(text, sizeof text, "%.10g",
                      d.us * tavrel::inputScale(UnitSystem::Si, d.input).perUsUnit);
        texts.emplace_back(text);
    }
    std::vector<std::string_view> si = {"--units", "si", "--format", "csv", "--all-fields"};
    std::vector<std::string_view> us = {"--format", "csv", "--all-fields"};
    const size_t count = texts.size();
    for (size_t i = 0; i < count; ++i) {
        si.insert(si.end(), {design[i].option, texts[i]});
        texts.push_back(std::to_string(design[i].us));
        us.insert(us.end(), {design[i].option, texts.back()});
    }
    const auto siRun = runCli(si);
    const auto usRun = runCli(us);
    ASSERT_EQ(siRun.status, 0) << siRun.error;
    const auto siRows = parseCsv(siRun.out);
    const auto usRows = parseCsv(usRun.out);
    ASSERT_EQ(siRows.size(), usRows.size());
    const auto column = [](const std::vector<std::string>& header, const char* key) {
        return static_cast<size_t>(std::find(header.begin(), header.end(), key) - header.begin());
    };
    const double mpaPerPsi = tavrel::kKilopascalsPerPsi / 1000;
    for (size_t r = 1; r < siRows.size(); ++r) {
        const auto& s = siRows[r];
        const auto& u = usRows[r];
        for (const char* same : {"grade", "note", "deflection_lte_pct", "stress_lte_pct",
                                 "effectiveness_pct", "deflection_lte"}) {
            EXPECT_EQ(s[column(siRows[0], same)], u[column(usRows[0], same)]) << same;
        }
        // Shown in MPa with two decimals; the unrounded values to float precision.
        EXPECT_NEAR(number(s[column(siRows[0], "edge_bearing_mpa")]),
                    number(u[column(usRows[0], "edge_bearing_stress_psi")]) * mpaPerPsi,
                    0.005 + 1e-9);
        EXPECT_NEAR(number(s[column(siRows[0], "corner_bearing_stress_mpa")]),
                    number(u[column(usRows[0], "corner_bearing_stress_psi")]) * mpaPerPsi,
                    1e-6 * number(s[column(siRows[0], "corner_bearing_stress_mpa")]));
        EXPECT_NEAR(number(s[column(siRows[0], "loaded_deflection_mm")]),
                    number(u[column(usRows[0], "loaded_deflection_in")]) * 25.4,
                    1e-6 * number(s[column(siRows[0], "loaded_deflection_mm")]));
        // The bar is named in mm: its size in inches times 25.4, to a tenth.
        const std::string bar = u[column(usRows[0], "dowel")];
        EXPECT_NEAR(number(s[column(siRows[0], "dowel")]),
                    number(bar.substr(0, bar.find('x'))) * 25.4, 0.05 + 1e-9)
            << bar;
    }

    // Every limit as shown is itself accepted, and the value just outside refused.
    for (int i = 0; i < tavrel::kDesignInputCount; ++i) {
        const std::string name = "--" + std::string(tavrel::kDesignInputs[i].option);
        for (const std::string& limit : {tavrel::inputMinimumText(UnitSystem::Si, i),
                                         tavrel::inputMaximumText(UnitSystem::Si, i)}) {
            const auto r = runCli({"--units", "si", "--format", "csv", name, limit});
            EXPECT_EQ(r.status, 0) << r.error;
        }
    }
    EXPECT_EQ(runCli({"--units", "si", "--spacing", "152.3"}).error,
              "tavrel-cli: --spacing: 152.3 is out of range (allowed: 152.4 to 914.4 mm)\n");
    EXPECT_EQ(runCli({"--units", "si", "--k", "13.5"}).error,
              "tavrel-cli: --k: 13.5 is out of range (allowed: 13.573 to 1357.2 MPa/m)\n");
}

TEST(SmallThings, ResultsNoFitDescribesAreNotedWithTheirGradeKept) {
    // No load transfer at all, bearing stresses of a few psi: every bar is noted.
    const auto csv =
        runCli({"--spacing", "36", "--opening", "3", "--k", "5000", "--load", "50000", "--ec",
                "500000", "--thickness", "5", "--tire-pressure", "80", "--format", "csv"});
    const auto rows = parseCsv(csv.out);
    ASSERT_EQ(rows.size(), 9u);
    for (size_t r = 1; r < rows.size(); ++r) {
        EXPECT_EQ(rows[r][9], "0.0");
        EXPECT_EQ(rows[r][14], "unacceptable");
        EXPECT_EQ(rows[r][15], "outside the range of the fitted relations") << r;
    }
}

TEST(SmallThings, NotesHelpVersionAndTheEndOfOptions) {
    // Deflection load transfer above 100 % and a bearing stress of 0.
    const std::vector<std::string_view> odd = {
        "--spacing",   "6",      "--opening",       "0.005", "--k",
        "50",          "--load", "50000",           "--ec",  "500000",
        "--thickness", "17.5",   "--tire-pressure", "20"};
    const auto csv = runCli(with(odd, {"--format", "csv"}));
    const auto rows = parseCsv(csv.out);
    int noted = 0;
    for (size_t r = 1; r < rows.size(); ++r) {
        const std::string& note = rows[r][15];
        const bool outside = number(rows[r][9]) > 100 || number(rows[r][12]) == 0;
        EXPECT_EQ(note, outside ? "outside the range of the fitted relations" : "") << r;
        noted += outside;
        EXPECT_EQ(rows[r][14], "acceptable");  // the grade stands
    }
    EXPECT_GE(noted, 1);
    const auto table = runCli(odd);
    EXPECT_NE(table.out.find("acceptable*\n"), std::string::npos);
    EXPECT_NE(table.out.find("\n* outside the range of the fitted relations\n"), std::string::npos);
    const auto normal = runCli({"--format", "csv"});
    EXPECT_EQ(parseCsv(normal.out)[1][15], "");

    const auto help = runCli({"--bogus", "--k", "abc", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: tavrel-cli", 0), 0u);
    const auto version = runCli({"--sweep", "nonsense", "--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("tavrel-cli ", 0), 0u);
    const auto siHelp = runCli({"--help", "--units", "si"});
    EXPECT_NE(siHelp.out.find("Dowel Spacing: 304.8 mm (152.4 to 914.4)"), std::string::npos);
    const auto ended = runCli({"--k", "300", "--", "--help"});
    EXPECT_EQ(ended.status, 2);
    EXPECT_EQ(ended.error, "tavrel-cli: unexpected argument '--help' (see --help)\n");
    // Refused as soon as the grid passes the cap, before its values exist.
    const std::vector<std::string_view> huge = {"--sweep", "spacing=6:36:0.00001", "--sweep",
                                                "opening=0.005:3:0.000001"};
    EXPECT_EQ(runCli(huge).error, "tavrel-cli: --sweep: the grid has more than 10000000 designs\n");
}

TEST(Writes, AFailedWriteStopsTheComputingAtOnce) {
    // 10^5 designs into a device that is always full: a few blocks' worth of
    // designs are computed, not the whole grid, on one job or several.
    const auto parsed = tavrel::cli::parseArguments(
        {"--format", "csv", "--sweep", "k=50:5000:0.5", "--sweep", "thickness=5:30:2.5"});
    ASSERT_TRUE(parsed.options);
    for (int jobs : {1, 2}) {
        tavrel::cli::Options options = *parsed.options;
        options.jobs = jobs;
        std::FILE* full = std::fopen("/dev/full", "w");
        ASSERT_NE(full, nullptr);
        std::setvbuf(full, nullptr, _IONBF, 0);
        {
            tavrel::cli::Output out(full);
            const auto outcome = tavrel::cli::runStudy(options, &CALCLTE, out);
            EXPECT_TRUE(out.failed());
            EXPECT_EQ(out.failure(), "cannot write output: No space left on device");
            EXPECT_LT(outcome.engineCalls, tavrel::cli::designCount(options) * 8 / 20) << jobs;
        }
        std::fclose(full);
    }
}

}  // namespace
