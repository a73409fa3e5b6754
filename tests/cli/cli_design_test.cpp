// tavrel-cli and design files: --save-design then --design gives the same
// design, options win over the file, the window's and the web page's files are
// read as those front ends show them, and each bad file exits with status 2.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "analysis/design_file.h"
#include "cli_test_support.h"

namespace {

namespace fs = std::filesystem;
using cli_test::runCli;

class CliDesign : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("tavrel-cli-design-" +
                   std::to_string(::testing::UnitTest::GetInstance()->current_test_info()->line()));
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string path(const char* name) const { return (folder_ / name).string(); }
    std::string write(const char* name, const std::string& text) const {
        std::ofstream(path(name), std::ios::binary) << text;
        return path(name);
    }
    static std::string read(const std::string& file) {
        std::ostringstream text;
        text << std::ifstream(file, std::ios::binary).rdbuf();
        return text.str();
    }
    // The design line of the table output.
    static std::string designLine(const cli_test::CliResult& result) {
        return result.out.substr(0, result.out.find('\n'));
    }

    fs::path folder_;
};

TEST_F(CliDesign, SavedDesignReadsBackAndOptionsWinOverTheFile) {
    const std::string file = path("r9.tavrel");
    const auto saved =
        runCli({"--units", "si", "--thickness", "254", "--load", "53.4", "--project",
                "Route 9 — rehabilitation", "--notes", "two\nlines", "--save-design", file});
    ASSERT_EQ(saved.status, 0) << saved.error;
    EXPECT_EQ(saved.out, "");
    const tavrel::DesignReading reading = tavrel::readDesign(read(file));
    ASSERT_TRUE(reading.document) << reading.error;
    EXPECT_EQ(reading.document->units, tavrel::UnitSystem::Si);
    EXPECT_EQ(reading.document->inputs.at("thickness"), "254");
    EXPECT_EQ(reading.document->inputs.at("spacing"), "304.8");  // the default, in SI
    EXPECT_EQ(reading.document->details.project, "Route 9 — rehabilitation");
    EXPECT_EQ(reading.document->details.notes, "two\nlines");

    const auto direct = runCli({"--units", "si", "--thickness", "254", "--load", "53.4"});
    const auto fromFile = runCli({"--design", file});
    ASSERT_EQ(fromFile.status, 0) << fromFile.error;
    EXPECT_EQ(fromFile.out, direct.out);

    const auto overridden =
        runCli({"--design", file, "--units", "us", "--k", "150", "--format", "csv"});
    ASSERT_EQ(overridden.status, 0) << overridden.error;
    EXPECT_EQ(overridden.out.substr(overridden.out.find('\n') + 1, 38),
              "12,0.25,150,12004.798,4000000,10,90,1,");

    // Saving again from the file keeps its details unless an option replaces one.
    const auto again =
        runCli({"--design", file, "--checker", "M. Okafor", "--save-design", path("again.tavrel")});
    ASSERT_EQ(again.status, 0) << again.error;
    const tavrel::DesignReading second = tavrel::readDesign(read(path("again.tavrel")));
    ASSERT_TRUE(second.document);
    EXPECT_EQ(second.document->details.project, "Route 9 — rehabilitation");
    EXPECT_EQ(second.document->details.checker, "M. Okafor");
    EXPECT_EQ(second.document->inputs, reading.document->inputs);
}

TEST_F(CliDesign, TheWindowsAndTheWebPagesFilesGiveTheDesignTheyShow) {
    for (const char* name : {"window.tavrel", "web.tavrel"}) {
        const auto result = runCli({"--design", TAVREL_DESIGNS "/" + std::string(name)});
        ASSERT_EQ(result.status, 0) << result.error;
        EXPECT_EQ(designLine(result),
                  "Design: spacing 14 inches, opening 0.2 inches, k 250 psi/inch, load 10000 lbs, "
                  "ec 4500000 psi, thickness 10 inches, tire-pressure 100 psi")
            << name;
    }
    // A box as the window reads it: blanks and a unit after the number.
    const std::string typed = write(
        "typed.tavrel", R"({"format":"tavrel-design","version":1,"inputs":{"load":" 9500 lbs"}})");
    const auto result = runCli({"--design", typed, "--format", "csv"});
    ASSERT_EQ(result.status, 0) << result.error;
    EXPECT_NE(result.out.find("\n12,0.25,300,9500,"), std::string::npos);
}

TEST_F(CliDesign, EachBadFileExitsWithStatusTwoAndSaysWhy) {
    const std::string head = R"({"format": "tavrel-design", "version": 1, )";
    const std::pair<std::string, std::string> cases[] = {
        {write("newer.tavrel", R"({"format": "tavrel-design", "version": 2})"),
         "made by a newer Tavrel (version 2)"},
        {write("broken.tavrel", head + "\n  \"units\": us}"), "line 2, column 12: "},
        {write("type.tavrel", head + R"("inputs": {"k": 300}})"), "inputs.k: expected a text"},
        {write("big.tavrel", std::string(tavrel::kMaxDesignFileBytes + 1, ' ')),
         "larger than 1 MiB"},
        {write("range.tavrel", head + R"("inputs": {"spacing": "999"}})"),
         "inputs.spacing: 999 is outside 6 to 36 inches"},
        {path("missing.tavrel"), "No such file or directory"},
    };
    for (const auto& [file, message] : cases) {
        const auto result = runCli({"--design", file});
        EXPECT_EQ(result.status, 2) << file;
        EXPECT_NE(result.error.find("tavrel-cli: " + file + ": " + message), std::string::npos)
            << result.error;
        EXPECT_EQ(result.out, "");
    }
    // An option that gives the input makes the file's out-of-range text harmless.
    EXPECT_EQ(runCli({"--design", cases[4].first, "--spacing", "12"}).status, 0);
}

TEST_F(CliDesign, AFailedSaveKeepsWhatWasThere) {
    const std::string old = write("old.tavrel", "old\n");
    fs::create_directory(path("folder.tavrel"));
    const auto result = runCli({"--save-design", path("folder.tavrel")});
    EXPECT_EQ(result.status, 3);
    EXPECT_NE(result.error.find("not a regular file"), std::string::npos) << result.error;
    const std::string tooLong(1001, 'x');
    EXPECT_EQ(runCli({"--notes", tooLong, "--save-design", old}).status, 2);
    EXPECT_EQ(read(old), "old\n");
}

}  // namespace
