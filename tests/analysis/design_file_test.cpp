#include "analysis/design_file.h"

#include <gtest/gtest.h>

#include <string>

#include "analysis/typed_text.h"

namespace tavrel {
namespace {

DesignDocument fullDocument() {
    DesignDocument document;
    document.units = UnitSystem::Si;
    document.inputs = {{"spacing", "999"},  // out of range: kept as typed
                       {"opening", " 6,35 mm"}, {"k", ""},
                       {"load", "40"},          {"ec", "27580"},
                       {"thickness", "１２"},   {"tire-pressure", "620"}};
    for (const ProjectDetailField& field : kProjectDetailFields)
        document.details.*field.member = std::string("Rte \"9\" — ") + field.name + "\n\tend";
    document.spacing = {2, {3, 0, 2}, 5, 3};
    document.programVersion = "2.0.20";
    document.savedAt = "2026-12-07T21:40:00Z";
    return document;
}

std::string errorOf(std::string_view text) {
    const DesignReading reading = readDesign(text);
    EXPECT_FALSE(reading.document) << text;
    return reading.error;
}

TEST(DesignFile, RoundTripKeepsEveryField) {
    const DesignDocument document = fullDocument();
    const DesignReading reading = readDesign(writeDesign(document));
    ASSERT_TRUE(reading.document) << reading.error;
    EXPECT_EQ(*reading.document, document);
}

TEST(DesignFile, MissingFieldsTakeTheFreshWindowsValuesAndUnknownOnesAreIgnored) {
    const DesignReading reading = readDesign(
        R"({"format":"tavrel-design","version":1,"colour":[1,{"a":2}],
            "inputs":{"load":"9500","later":"x"},"project":{"engineer":"A. Reyes","x":1},
            "spacing-page":{"dowel-selection":4,"unknown":true}})");
    ASSERT_TRUE(reading.document) << reading.error;
    const DesignDocument& document = *reading.document;
    EXPECT_EQ(document.units, UnitSystem::Us);
    EXPECT_EQ(document.inputs.size(), 1u);
    EXPECT_EQ(document.inputs.at("load"), "9500");
    ProjectDetails details;
    details.engineer = "A. Reyes";
    EXPECT_EQ(document.details, details);
    SpacingChoices choices;
    choices.dowel = 4;
    EXPECT_EQ(document.spacing, choices);
}

TEST(DesignFile, AFileThatIsNotUtf8JsonSaysSoInPlainWords) {
    // Saved as "Unicode" by a Windows editor: UTF-16 with its byte order mark.
    const std::string utf16("\xFF\xFE{\0\"\0f\0", 8);
    EXPECT_EQ(errorOf(utf16), "UTF-16 text: a Tavrel design is UTF-8");
    const std::string picture = errorOf("\x89PNG\r\n");
    EXPECT_EQ(firstInvalidUtf8(picture), std::string::npos) << picture;
    EXPECT_EQ(errorOf(R"({"format":"tavrel-design","version":1e999})"),
              "number overflow parsing '1e999'");
}

TEST(DesignFile, EachKindOfBadFileSaysWhatAndWhere) {
    EXPECT_EQ(errorOf(R"({"format": "tavrel-design",
  "version": 1,,})")
                  .substr(0, 18),
              "line 2, column 16:");
    EXPECT_EQ(errorOf("").substr(0, 17), "line 1, column 1:");
    EXPECT_EQ(errorOf(std::string(kMaxDesignFileBytes + 1, ' ')),
              "larger than 1 MiB: not a Tavrel design");
    EXPECT_EQ(errorOf(R"({"format":"tavrel-design","version":7})"),
              "made by a newer Tavrel (version 7)");
    EXPECT_EQ(errorOf(R"({"format":"tavrel-design","version":18446744073709551615})"),
              "made by a newer Tavrel (version 9223372036854775807)");
    EXPECT_EQ(errorOf(R"({"format":"tavrel-design","version":0})"), "version: expected 1 or more");
    EXPECT_EQ(errorOf(R"({"format":"tavrel-design","version":1.0})"),
              "version: expected a whole number");
    EXPECT_EQ(errorOf(R"({"format":"tavrel-design"})"), "version: missing");
    EXPECT_EQ(errorOf(R"({"version":1})"),
              "format: expected \"tavrel-design\": not a Tavrel design");
    EXPECT_EQ(errorOf("[1]"), "expected an object: not a Tavrel design");
    const std::string head = R"({"format":"tavrel-design","version":1,)";
    EXPECT_EQ(errorOf(head + R"("units":"metric"})"), "units: expected \"us\" or \"si\"");
    EXPECT_EQ(errorOf(head + R"("inputs":{"spacing":12}})"), "inputs.spacing: expected a text");
    EXPECT_EQ(errorOf(head + R"("inputs":[]})"), "inputs: expected an object");
    EXPECT_EQ(errorOf(head + R"("project":{"notes":")" + std::string(1001, 'x') + "\"}}"),
              "project.notes: longer than 1000 characters");
    EXPECT_EQ(errorOf(head + R"("spacing-page":{"analysis-type":3}})"),
              "spacing-page.analysis-type: expected a whole number from 0 to 2");
    EXPECT_EQ(errorOf(head + R"("saved":false})"), "saved: expected a text");
    EXPECT_EQ(errorOf(std::string(100, '[') + std::string(100, ']')),
              "nested more than 64 levels deep");
    // Not UTF-8 inside a text.
    EXPECT_EQ(errorOf(head + "\"project\":{\"notes\":\"\xff\"}}").substr(0, 15), "line 1, column ");
}

TEST(DesignFile, LimitsCountCharactersNotBytes) {
    std::string notes;
    for (int i = 0; i < 1000; ++i) notes += "é";
    DesignDocument document;
    document.details.notes = notes;
    EXPECT_TRUE(readDesign(writeDesign(document)).document);
}

TEST(DesignFile, InvalidUtf8IsWrittenAsReplacementCharacters) {
    DesignDocument document;
    document.details.project = "Bad \xC3 byte";
    const DesignReading reading = readDesign(writeDesign(document));
    ASSERT_TRUE(reading.document) << reading.error;
    EXPECT_EQ(reading.document->details.project, "Bad \xEF\xBF\xBD byte");
}

TEST(DesignFile, InputsChangeUnitsWhereTheyAreNumbers) {
    const DesignDocument si = inUnits(fullDocument(), UnitSystem::Us);
    EXPECT_EQ(si.units, UnitSystem::Us);
    EXPECT_EQ(si.inputs.at("spacing"), "39.330708");  // 999 mm, still out of range
    // Read as 6 mm: kept as typed, it would be read as 6 inches.
    EXPECT_EQ(si.inputs.at("opening"), "0.23622048");
    EXPECT_EQ(si.inputs.at("k"), "");
    EXPECT_EQ(si.inputs.at("thickness"), "0.47244096");
    EXPECT_EQ(si.inputs.at("load"), "8992.357");
    const DesignDocument back = inUnits(si, UnitSystem::Si);
    EXPECT_EQ(back.inputs.at("spacing"), "999");
    EXPECT_EQ(back.details, si.details);
}

TEST(DesignFile, AProjectNamesItsFileInOneFolderAndWithinAFileSystemsLimit) {
    EXPECT_EQ(designFileName(""), "design.tavrel");
    EXPECT_EQ(designFileName(" Rte 9/North: \"J7\"\t"), "Rte 9-North- -J7-.tavrel");
    std::string longest;
    for (int i = 0; i < 250; ++i) longest += "\xC3\xA9\xF0\x9F\x98\x80";  // é and a face
    const std::string name = designFileName(longest);
    EXPECT_LE(name.size(), 255u);
    EXPECT_EQ(firstInvalidUtf8(name), std::string::npos);
    EXPECT_TRUE(name.starts_with("\xC3\xA9\xF0\x9F\x98\x80")) << name;
}

TEST(DesignFile, Timestamp) {
    EXPECT_EQ(utcTimestamp(0), "1970-01-01T00:00:00Z");
    EXPECT_EQ(utcTimestamp(1796766000), "2026-12-08T21:40:00Z");
}

}  // namespace
}  // namespace tavrel
