// Designs files as they arrive from other programs and from attackers: every
// one either runs the designs it names or stops at a line and column, exit 2,
// with the rows before it whole.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <algorithm>

#include "cli_test_support.h"

namespace {

using cli_test::CliResult;
using cli_test::parseCsv;
using cli_test::runCli;

using namespace std::string_literals;

CliResult csvFrom(const std::string& file, std::vector<std::string_view> more = {}) {
    std::vector<std::string_view> args{"--designs", "-", "--format", "csv"};
    args.insert(args.end(), more.begin(), more.end());
    return runCli(args, file);
}

// Designs in a CSV run's output: eight rows each, after the header.
size_t designsIn(const CliResult& r) {
    const size_t rows = parseCsv(r.out).size();
    return rows == 0 ? 0 : (rows - 1) / 8;
}

TEST(HostileFiles, ANulByteStopsTheRunAtItsLineAndColumn) {
    const CliResult cut = csvFrom("thickness\n1\0\n2\n"s);
    EXPECT_EQ(cut.status, 2);
    EXPECT_EQ(designsIn(cut), 0u);
    EXPECT_NE(cut.error.find("line 2, column thickness"), std::string::npos) << cut.error;

    const CliResult inside = csvFrom(
        "thickness\n11\n10\0"
        "5\n"s);
    EXPECT_EQ(inside.status, 2);
    EXPECT_EQ(designsIn(inside), 1u);
    EXPECT_NE(inside.error.find("line 3"), std::string::npos) << inside.error;

    EXPECT_EQ(csvFrom("\0thickness\n10\n"s).status, 2);
    const CliResult zeros = runCli({"--designs", "/dev/zero"});
    EXPECT_EQ(zeros.status, 2);
    EXPECT_NE(zeros.error.find("line 1"), std::string::npos) << zeros.error;
}

TEST(HostileFiles, AHeaderThatNamesNoInputIsRefusedAndLineEndsAreLineEnds) {
    const CliResult capital = csvFrom("Thickness\n10\n");
    EXPECT_EQ(capital.status, 2);
    EXPECT_NE(capital.error.find("did you mean `thickness`?"), std::string::npos) << capital.error;
    EXPECT_NE(csvFrom("id,Tire Pressure\n1,90\n").error.find("did you mean `tire-pressure`?"),
              std::string::npos);
    for (const char* header : {"thickness\tk\n10\t200\n", "thickness;k\n10;200\n", "id\n1\n"}) {
        const CliResult r = csvFrom(header);
        EXPECT_EQ(r.status, 2) << header;
        EXPECT_EQ(designsIn(r), 0u) << header;
    }
    for (const std::string& utf16 : {"\xFF\xFEt\0h\0\n\0"s, "\xFE\xFF\0t\0h\0\n"s}) {
        const CliResult r = csvFrom(utf16);
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.error.find("UTF-8"), std::string::npos) << r.error;
    }
    // Stray and lone carriage returns end lines: two designs each, 10 then 11.
    for (const char* file : {"thickness\r\r\n10\r\r\n11\r\r\n", "thickness\r10\r11\r"}) {
        const CliResult r = csvFrom(file);
        ASSERT_EQ(r.status, 0) << r.error;
        const auto rows = parseCsv(r.out);
        ASSERT_EQ(rows.size(), 17u);
        EXPECT_EQ(rows[1][5], "10");
        EXPECT_EQ(rows[9][5], "11");
    }
    EXPECT_NE(csvFrom("thickness\n10\n\r\rxx\n").error.find("line 5"), std::string::npos);
}

TEST(HostileFiles, DuplicateNamesAndTextThatIsNotUtf8AreRefused) {
    const CliResult twice = csvFrom("id,id,thickness\n1,2,10\n");
    EXPECT_EQ(twice.status, 2);
    EXPECT_NE(twice.error.find("columns 1 and 2"), std::string::npos) << twice.error;

    const CliResult json =
        runCli({"--designs", "-", "--format", "json"}, "id,thickness\nok,10\n\xff,10\n");
    EXPECT_EQ(json.status, 2);
    EXPECT_NE(json.error.find("line 3, column id"), std::string::npos) << json.error;
    // What was written is valid UTF-8 JSON once the run's end is added.
    QJsonParseError error{};
    QJsonDocument::fromJson(QByteArray::fromStdString(json.out + "\n]}"), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << json.out;
}

TEST(HostileFiles, ALineLongerThanTheLimitIsRefusedWithItsNumber) {
    const std::string line(std::size_t{1} << 20, 'x');
    const CliResult r = csvFrom("id,thickness\nok,10\n" + line + ",10\n");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(designsIn(r), 1u);
    EXPECT_NE(r.error.find("line 3"), std::string::npos) << r.error;
    // Just under the limit is a design like any other.
    EXPECT_EQ(csvFrom("id,thickness\n" + line.substr(0, (1 << 20) - 3) + ",10\n").status, 0);
}

TEST(HostileFiles, EveryShardNamesTheFilesOwnLineNumber) {
    std::string file = "thickness\n";
    for (int line = 2; line <= 21; ++line) file += line == 14 ? "xx\n" : "10\n";
    for (const char* shard : {"1/1", "2/2"}) {
        const CliResult r = csvFrom(file, {"--shard", shard});
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.error.find("line 14,"), std::string::npos) << shard << r.error;
    }
}

TEST(HostileFiles, BlankLinesBeforeTheHeaderAreSkipped) {
    const CliResult r = csvFrom("\n \r\nthickness\n10\n");
    ASSERT_EQ(r.status, 0) << r.error;
    EXPECT_EQ(parseCsv(r.out)[1][5], "10");
}

TEST(HostileFiles, ControlCharactersReachTheTerminalOnlyAsEscapes) {
    const CliResult r = runCli({"--designs", "-"},
                               "id,thickness\n\x1b]0;owned\x07\xc2\x9b"
                               "2J,10\n");
    ASSERT_EQ(r.status, 0) << r.error;
    EXPECT_NE(r.out.find("id \\x1b]0;owned\\x07\\u009b2J,"), std::string::npos) << r.out;
    EXPECT_EQ(std::count_if(r.out.begin(), r.out.end(),
                            [](char c) { return c == '\x1b' || c == '\x07' || c == '\xc2'; }),
              0);
}

}  // namespace
