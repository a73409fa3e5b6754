// The textbook check on the command line: its options, its columns in both
// unit systems, designs files that carry its inputs, and its bad input.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "cli_test_support.h"

namespace {

using cli_test::parseCsv;
using cli_test::runCli;

// The column named `name` of every row after the header.
std::vector<std::string> column(const std::string& csv, const std::string& name) {
    const auto rows = parseCsv(csv);
    if (rows.empty()) return {};
    size_t at = 0;
    while (at < rows[0].size() && rows[0][at] != name) ++at;
    std::vector<std::string> values;
    for (size_t r = 1; r < rows.size(); ++r) values.push_back(rows[r].at(at));
    return values;
}

TEST(Check, UsAndSiGiveTheSameVerdictsAndTheGradesStay) {
    // Designs where some bars pass and some fail, in both systems' terms.
    const std::vector<std::vector<std::string_view>> us = {
        {"--load", "20000", "--fc", "2500"},
        {"--load", "30000", "--spacing", "18", "--fc", "4000", "--load-share", "60"},
    };
    const std::vector<std::vector<std::string_view>> si = {
        {"--load", "88.96443230521", "--fc", "17.23689323292"},
        {"--load", "133.44664845782", "--spacing", "457.2", "--fc", "27.578829172672",
         "--load-share", "60"},
    };
    bool passes = false, fails = false;
    for (size_t d = 0; d < us.size(); ++d) {
        std::vector<std::string_view> a = {"--check", "friberg-1.8l", "--format", "csv"};
        std::vector<std::string_view> b = a;
        a.insert(a.end(), us[d].begin(), us[d].end());
        b.insert(b.end(), {"--units", "si"});
        b.insert(b.end(), si[d].begin(), si[d].end());
        const auto inUs = runCli(a);
        const auto inSi = runCli(b);
        ASSERT_EQ(inUs.status, 0) << inUs.error;
        ASSERT_EQ(inSi.status, 0) << inSi.error;
        const auto verdicts = column(inUs.out, "check_verdict");
        EXPECT_EQ(column(inSi.out, "check_verdict"), verdicts);
        EXPECT_EQ(column(inSi.out, "check_dowels"), column(inUs.out, "check_dowels"));
        for (const std::string& v : verdicts) (v == "passes" ? passes : fails) = true;
    }
    EXPECT_TRUE(passes && fails);

    // The check sits beside the grades and never changes them.
    const auto plain = runCli({"--format", "csv", "--load", "20000"});
    const auto checked =
        runCli({"--format", "csv", "--load", "20000", "--check", "friberg", "--fc", "2500"});
    EXPECT_EQ(column(checked.out, "grade"), column(plain.out, "grade"));
    EXPECT_EQ(column(checked.out, "edge_bearing_psi"), column(plain.out, "edge_bearing_psi"));

    const auto json = runCli({"--check", "friberg", "--units", "si", "--format", "json"});
    EXPECT_NE(json.out.find("\"check_l\": 951, "), std::string::npos) << json.out;
}

TEST(Check, ADesignsFileCarriesTheAddedInputsAndWorksInParts) {
    const std::string file =
        "id,fc,fck,load-share,thickness\n"
        "a,3000,,25,10\n"
        "b,,5000,,10\n"
        "c,,,100,10\n";
    const auto r = runCli({"--designs", "-", "--check", "friberg", "--format", "csv"}, file);
    ASSERT_EQ(r.status, 0) << r.error;
    const auto rows = parseCsv(r.out);
    EXPECT_EQ(rows[0][0], "id");  // the check's columns are read, not copied
    EXPECT_EQ(rows[0].size(),
              parseCsv(runCli({"--check", "friberg", "--format", "csv"}).out)[0].size() + 1);
    const auto allowable = column(r.out, "check_allowable");
    const auto load = column(r.out, "check_dowel_load");
    EXPECT_EQ(allowable[0], "3000");   // 1 in. bar: (4 - 1) f'c / 3
    EXPECT_EQ(allowable[8], "4000");   // 0.8 f_ck
    EXPECT_EQ(allowable[16], "4925");  // derived from ec
    // Empty fields: f'c derived from ec, and the default 50 % of the load.
    EXPECT_NEAR(std::stod(load[8]) / std::stod(load[0]), 2.0, 0.001);
    EXPECT_NEAR(std::stod(load[16]) / std::stod(load[0]), 4.0, 0.001);

    for (const char* format : {"csv", "json", "table"}) {
        const std::vector<std::string_view> args = {
            "--designs", "-", "--check", "friberg", "--all-fields", "--format", format};
        auto one = args, two = args, part1 = args, part2 = args;
        one.insert(one.end(), {"--jobs", "1"});
        two.insert(two.end(), {"--jobs", "2"});
        part1.insert(part1.end(), {"--shard", "1/2"});
        part2.insert(part2.end(), {"--shard", "2/2"});
        const std::string whole = runCli(one, file).out;
        EXPECT_EQ(runCli(two, file).out, whole);
        EXPECT_EQ(runCli(part1, file).out + runCli(part2, file).out, whole) << format;
    }
}

TEST(Check, ADesignFileKeepsTheCheckAndTheCommandLineOverridesIt) {
    namespace fs = std::filesystem;
    const fs::path file =
        fs::temp_directory_path() / ("tavrel-check-" + std::to_string(getpid()) + ".tavrel");
    const std::string name = file.string();
    const auto saved = runCli({"--units", "si", "--check", "friberg-1.8l", "--fck", "40",
                               "--load-share", "45", "--save-design", name});
    ASSERT_EQ(saved.status, 0) << saved.error;
    const auto direct = runCli({"--units", "si", "--check", "friberg-1.8l", "--fck", "40",
                                "--load-share", "45", "--format", "csv"});
    EXPECT_EQ(runCli({"--design", name, "--format", "csv"}).out, direct.out);
    // A strength given on the command line replaces the file's.
    const auto over = runCli({"--design", name, "--format", "csv", "--fc", "20"});
    EXPECT_EQ(column(over.out, "check_allowable")[0], "20.00");
    EXPECT_EQ(column(over.out, "check_effective_length"),
              column(direct.out, "check_effective_length"));
    fs::remove(file);
}

TEST(Check, BadInputSaysWhatIsAllowed) {
    struct Case {
        std::vector<std::string_view> args;
        std::string stdinText;
        const char* message;
    };
    const std::vector<Case> cases = {
        {{"--check", "westergaard"},
         "",
         "--check: 'westergaard' is not one of friberg, friberg-1.8l"},
        {{"--check", "friberg", "--fc", "4000", "--fck", "5000"},
         "",
         "--fc: cannot be combined with --fck (give one strength)"},
        {{"--fc", "4000"}, "", "--fc: is for the textbook check: add --check friberg"},
        {{"--check", "friberg", "--fc", "900"},
         "",
         "--fc: 900 is out of range (allowed: 1000 to 20000 psi)"},
        {{"--check", "friberg", "--units", "si", "--fc", "4000"},
         "",
         "--fc: 4000 is out of range (allowed: 6.8948 to 137.89 MPa)"},
        {{"--check", "friberg", "--fck", "1200"},
         "",
         "--fck: 1200 is out of range (allowed: 1250 to 25000 psi)"},
        {{"--check", "friberg", "--load-share", "0.5"},
         "",
         "--load-share: 0.5 is out of range (allowed: 1 to 100 %)"},
        {{"--check", "friberg", "--load-share", "half"},
         "",
         "--load-share: 'half' is not a number (allowed: 1 to 100 %)"},
        {{"--designs", "-"},
         "fc\n4000\n",
         "standard input: column fc is for the textbook check: add --check friberg"},
        {{"--designs", "-", "--check", "friberg", "--fck", "5000"},
         "fc\n4000\n",
         "standard input: column fc conflicts with --fck"},
        {{"--designs", "-", "--check", "friberg"},
         "fc,fck\n4000,5000\n",
         "standard input: line 2: fc and fck both given"},
        {{"--designs", "-", "--check", "friberg"},
         "load-share\n101\n",
         "standard input: line 2, column load-share: 101 is out of range (allowed: 1 to 100 %)"},
    };
    for (const Case& c : cases) {
        const auto r = runCli(c.args, c.stdinText);
        EXPECT_EQ(r.status, 2) << c.message;
        EXPECT_EQ(r.error, std::string("tavrel-cli: ") + c.message + "\n");
    }
}

}  // namespace
