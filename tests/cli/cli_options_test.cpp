// What the command line accepts, and how it refuses what it does not.
#include "cli/cli_options.h"

#include <gtest/gtest.h>

#include "cli/cli_designs.h"
#include "cli_test_support.h"

namespace {

using cli_test::runCli;
using tavrel::cli::Format;
using tavrel::cli::parseArguments;

TEST(Arguments, ReadInputsAndChoices) {
    const auto parsed = parseArguments(
        {"--spacing", "18", "--opening=0.1", "--k", "150", "--load", "12000", "--ec", "3.5e6",
         "--thickness", "9", "--tire-pressure", "110", "--format", "json", "--all-fields"});
    ASSERT_TRUE(parsed.options) << parsed.error;
    const tavrel::cli::GivenValues expected = {18, 0.1, 150, 12000, 3.5e6, 9, 110};
    EXPECT_EQ(parsed.options->values, expected);
    EXPECT_EQ(parsed.options->format, Format::Json);
    EXPECT_TRUE(parsed.options->allFields);

    const auto defaults = parseArguments({});
    ASSERT_TRUE(defaults.options);
    const tavrel::cli::GivenValues windowDefaults = {12, 0.25, 300, 9000, 4e6, 12, 90};
    EXPECT_EQ(defaults.options->values, windowDefaults);
    EXPECT_EQ(defaults.options->format, Format::Table);

    // The limits themselves are allowed, and compared in single precision.
    const auto limits = parseArguments({"--spacing", "36.000001", "--opening", "0.005"});
    ASSERT_TRUE(limits.options) << limits.error;
    EXPECT_EQ(static_cast<float>(limits.options->values[0]), 36.0f);
}

TEST(Arguments, EveryRefusalNamesTheOptionValueAndRangeWithStatusTwo) {
    const struct {
        std::vector<std::string_view> args;
        const char* message;
    } cases[] = {
        {{"--spacing", "12abc"}, "--spacing: '12abc' is not a number (allowed: 6 to 36 inches)"},
        {{"--spacing="}, "--spacing: empty value (allowed: 6 to 36 inches)"},
        {{"--opening", ""}, "--opening: empty value (allowed: 0.005 to 3 inches)"},
        {{"--k", " 300"}, "--k: ' 300' is not a number (allowed: 50 to 5000 psi/inch)"},
        {{"--load", "10,000"}, "--load: '10,000' is not a number (allowed: 1000 to 50000 lbs)"},
        {{"--spacing", "5.99"}, "--spacing: 5.99 is out of range (allowed: 6 to 36 inches)"},
        {{"--opening", "0.0049"}, "--opening: 0.0049 is out of range (allowed: 0.005 to 3 inches)"},
        {{"--ec", "1e999"}, "--ec: 1e999 is out of range (allowed: 500000 to 10000000 psi)"},
        {{"--thickness", "-12"}, "--thickness: -12 is out of range (allowed: 5 to 30 inches)"},
        {{"--tire-pressure"}, "--tire-pressure: needs a value (allowed: 20 to 500 psi)"},
        {{"--spacing", "12", "--spacing", "13"}, "--spacing: given twice"},
        {{"--format", "xml"}, "--format: 'xml' is not one of table, csv, json"},
        {{"--format"}, "--format: needs a value"},
        {{"--format", "csv", "--format", "json"}, "--format: given twice"},
        {{"--all-fields=yes"}, "--all-fields: takes no value"},
        {{"--bogus"}, "unknown option '--bogus' (see --help)"},
        {{"12"}, "unexpected argument '12' (see --help)"},
        {{"-k", "300"}, "unexpected argument '-k' (see --help)"},
        {{"--sweep", "spacing=6:36"}, "--sweep: 'spacing=6:36' is not NAME=FROM:TO:STEP"},
        {{"--sweep", "spacing=6:36:1:2"}, "--sweep: 'spacing=6:36:1:2' is not NAME=FROM:TO:STEP"},
        {{"--sweep", "depth=1:2:1"},
         "--sweep: 'depth' is not an input (spacing, opening, k, load, ec, thickness, "
         "tire-pressure)"},
        {{"--sweep", "spacing=4:10:1"},
         "--sweep spacing FROM: 4 is out of range (allowed: 6 to 36 inches)"},
        {{"--sweep", "spacing=6:40:1"},
         "--sweep spacing TO: 40 is out of range (allowed: 6 to 36 inches)"},
        {{"--sweep", "spacing=6x:10:1"},
         "--sweep spacing FROM: '6x' is not a number (allowed: 6 to 36 inches)"},
        {{"--sweep", "spacing=:10:1"},
         "--sweep spacing FROM: empty value (allowed: 6 to 36 inches)"},
        {{"--sweep", "spacing=6:10:0"}, "--sweep spacing STEP: '0' is not a positive number"},
        {{"--sweep", "spacing=6:10:-1"}, "--sweep spacing STEP: '-1' is not a positive number"},
        {{"--sweep", "spacing=6:10:"}, "--sweep spacing STEP: '' is not a positive number"},
        {{"--sweep", "spacing=10:6:1"}, "--sweep spacing: FROM 10 is above TO 6"},
        {{"--sweep", "k=50:5000:0.0001"}, "--sweep k: STEP 0.0001 gives more than 10000000 values"},
        {{"--sweep", "k=50:5000:1", "--sweep", "load=1000:50000:1"},
         "--sweep: the grid has more than 10000000 designs"},
        {{"--sweep", "k=50:60:5", "--sweep", "k=70:80:5"}, "--sweep k: given twice"},
        {{"--k", "300", "--sweep", "k=50:60:5"}, "--sweep k: conflicts with --k"},
        {{"--comparison", "--k", "300"},
         "--comparison: takes no design inputs, sweeps or --all-fields"},
        {{"--comparison", "--format", "json"}, "--comparison: prints CSV only"},
    };
    for (const auto& c : cases) {
        const auto r = runCli(c.args);
        EXPECT_EQ(r.status, 2) << c.message;
        EXPECT_EQ(r.error, std::string("tavrel-cli: ") + c.message + "\n");
        EXPECT_EQ(r.out, "") << c.message;
    }
}

TEST(Sweep, ValuesRunFromFromToTo) {
    const struct {
        double from, to, step;
        std::vector<float> values;
    } cases[] = {
        {6, 12, 2, {6, 8, 10, 12}},
        {6, 13, 2, {6, 8, 10, 12}},           // TO not on a step: not reached
        {0.1, 0.3, 0.1, {0.1f, 0.2f, 0.3f}},  // binary fractions still end at TO
        {0.05, 0.5, 0.05, {0.05f, 0.1f, 0.15f, 0.2f, 0.25f, 0.3f, 0.35f, 0.4f, 0.45f, 0.5f}},
        {9000, 9000, 1, {9000}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(tavrel::cli::sweepValues(c.from, c.to, c.step), c.values)
            << c.from << ":" << c.to << ":" << c.step;
    }
}

TEST(Help, DocumentsEveryOptionAndExitsZero) {
    const auto r = runCli({"--spacing", "12", "--help"});
    EXPECT_EQ(r.status, 0);
    for (const char* option :
         {"--spacing", "--opening", "--k ", "--load", "--ec", "--thickness", "--tire-pressure",
          "--format table|csv|json", "--all-fields", "--sweep NAME=FROM:TO:STEP", "--comparison",
          "--version", "--help", "Exit status"}) {
        EXPECT_NE(r.out.find(option), std::string::npos) << option;
    }
    EXPECT_NE(r.out.find("Joint Opening: 0.25 inches (0.005 to 3)"), std::string::npos);
}

TEST(Help, StatesEveryLimitAUserCanHit) {
    const std::string help = runCli({"--help"}).out;
    for (const long limit : {static_cast<long>(tavrel::cli::kMaxJobs), tavrel::cli::kMaxDesigns,
                             static_cast<long>(tavrel::cli::kMaxDesignLineBytes)}) {
        EXPECT_NE(help.find(std::to_string(limit)), std::string::npos) << limit;
    }
    for (const char* limit : {"N at most 256", "sweep varying slowest; at most 10000000 designs",
                              "N at most 10000000", "each at most 1048576 bytes", "--quiet"}) {
        EXPECT_NE(help.find(limit), std::string::npos) << limit;
    }
}

TEST(Engine, MissingEngineIsStatusOneWithTheReason) {
    std::string out, error;
    tavrel::cli::Output sink(out);
    const int status =
        tavrel::cli::runCli({"--format", "csv"}, sink, error, [](std::string& problem) {
            problem = "The analysis engine libQuorvix.so was not found in /nowhere.";
            return static_cast<CalclteFunction>(nullptr);
        });
    sink.flush();
    EXPECT_EQ(status, 1);
    EXPECT_EQ(error, "tavrel-cli: The analysis engine libQuorvix.so was not found in /nowhere.\n");
    EXPECT_EQ(out, "");
}

}  // namespace
