// A design as a document: the file an engineer saves, reopens weeks later or
// hands to a checker. Every front end reads and writes it through these
// functions, so a file written by one opens identically in the others.
//
// The file is UTF-8 JSON (design.schema.json describes it):
//   { "format": "tavrel-design", "version": 1, "units": "us",
//     "inputs": { "spacing": "12", ... },            texts as typed, by option name
//     "project": { "project": "...", ... },          the project details
//     "spacing-page": { "analysis-type": 0, ... },   the comparison page's choices
//     "check": "friberg",                            the textbook check, when asked for
//     "program-version": "2.0.20", "saved": "2026-12-07T21:40:00Z" }
// Only "format" and "version" must be there; whatever else is missing takes
// the value a fresh window starts with, so that other programs may write only
// what they know. Fields this version does not know are ignored, because a
// later version may add some.
#pragma once

#include <array>
#include <cstddef>
#include <ctime>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "analysis/textbook_check.h"
#include "analysis/units.h"

namespace tavrel {

constexpr int kDesignFileVersion = 1;
constexpr std::size_t kMaxDesignFileBytes = 1024 * 1024;
// Each text of a design, counted in Unicode characters.
constexpr std::size_t kMaxDesignTextChars = 1000;

// Who and what a design is for; each optional, plain text.
struct ProjectDetails {
    std::string project;
    std::string location;  // location or route
    std::string joint;     // joint or section
    std::string engineer;
    std::string checker;
    std::string revision;
    std::string notes;
    bool operator==(const ProjectDetails&) const = default;
};

// Whether `text` may be kept in a design: at most kMaxDesignTextChars
// characters (UTF-8, each character counted once).
bool fitsDesignText(std::string_view text);

// The file name a design is first offered under: the project (or "design")
// with ".tavrel", each run of characters a file system refuses (\ / : * ? " < >
// | and controls) made one dash, and cut to 200 bytes at a character's end, so
// that the name stays in the folder chosen and within every file system's
// 255-byte limit.
std::string designFileName(std::string_view project);

// A detail's field name in the file ("project", "location", ...) and its member.
struct ProjectDetailField {
    const char* name;
    std::string ProjectDetails::*member;
};
extern const std::array<ProjectDetailField, 7> kProjectDetailFields;

// The "Dowel Spacing" page's choices; the defaults are the ones a fresh window
// starts with.
struct SpacingChoices {
    int analysisType = 0;                  // 0 corner spacing, 1 leave-out, 2 alternates
    std::array<int, 3> variants{1, 1, 1};  // the layout variant chosen in each type's group
    int dowel = 1;                         // item of the dowel selection list
    int plottedQuantity = 0;               // item of the plotted-quantity list
    bool operator==(const SpacingChoices&) const = default;
};

struct DesignDocument {
    UnitSystem units = UnitSystem::Us;
    // Texts as typed, by input name; an input missing here has its default.
    std::map<std::string, std::string, std::less<>> inputs;
    ProjectDetails details;
    SpacingChoices spacing;
    // The textbook check's method by name ("friberg", "friberg-1.8l"); empty
    // when the design asks for none. Its added inputs are texts under
    // `inputs` ("fc", "fck", "load-share"), like the seven.
    std::string check;
    // For the record only; nothing is decided on them.
    std::string programVersion;
    std::string savedAt;
    bool operator==(const DesignDocument&) const = default;
};

// The names a design keeps under "inputs": the seven design inputs' option
// names, in reading order, then any later input's.
std::span<const char* const> designInputNames();

// The file's text: pretty-printed, fields in a fixed order, ending in a newline.
// Invalid UTF-8 in a text is written as U+FFFD.
std::string writeDesign(const DesignDocument& document);

struct DesignReading {
    std::optional<DesignDocument> document;
    std::string error;  // set when there is no document: what is wrong, and where
};

// A document from the file's text, or what is wrong with it: "line 3, column 5:
// ...", "inputs.spacing: ...", "made by a newer Tavrel (version 2)", ...
DesignReading readDesign(std::string_view text);

// `document` with its inputs in `units`: each text that is one number is
// converted and written as the shortest decimal; any other text (empty, a typo)
// is kept as typed. The same document when the units already match.
DesignDocument inUnits(DesignDocument document, UnitSystem units);

// The textbook check the document asks for, its added inputs read from their
// texts in the document's units; nothing when it asks for none. An input that
// is not a number within its limits is left at its default and named in
// `error` ("inputs.fc: ...").
std::optional<CheckSettings> designCheck(const DesignDocument& document, std::string& error);

// Keeps `settings` in `document` (or no check, for nothing): the method's name
// and the added inputs as texts in the document's units.
void keepDesignCheck(DesignDocument& document, const std::optional<CheckSettings>& settings);

// "2026-12-07T21:40:00Z".
std::string utcTimestamp(std::time_t time);

}  // namespace tavrel
