#include "analysis/design_file.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <nlohmann/json.hpp>
#include <vector>

#include "analysis/design_inputs.h"
#include "analysis/number_reader.h"
#include "analysis/page_texts.h"
#include "analysis/typed_text.h"

namespace tavrel {

const std::array<ProjectDetailField, 7> kProjectDetailFields = {{
    {"project", &ProjectDetails::project},
    {"location", &ProjectDetails::location},
    {"joint", &ProjectDetails::joint},
    {"engineer", &ProjectDetails::engineer},
    {"checker", &ProjectDetails::checker},
    {"revision", &ProjectDetails::revision},
    {"notes", &ProjectDetails::notes},
}};

namespace {

using Json = nlohmann::json;

constexpr const char* kFormat = "tavrel-design";

// Inputs the analysis gains later are kept under these names, after the seven:
// the textbook check's concrete strengths (in the stress unit) and load share.
constexpr const auto& kLaterInputNames = kCheckInputNames;
enum LaterInput { CylinderStrengthText, CubeStrengthText, LoadShareText };
constexpr int kStrengthTexts = 2;  // the later inputs in a stress unit

// A later input's value from the document's text, as the check takes it;
// nothing when it is missing or empty, or refused (the first refusal in `error`).
std::optional<double> laterInputValue(const DesignDocument& document, int later,
                                      std::string& error) {
    const auto found = document.inputs.find(kLaterInputNames[later]);
    if (found == document.inputs.end() || found->second.empty()) return std::nullopt;
    std::string scratch;
    std::string refusal;
    const std::optional<double> value = readCheckInput(
        std::string("inputs.") + kLaterInputNames[later], document.units,
        static_cast<CheckInput>(later), normaliseTypedText(found->second, scratch), refusal);
    if (error.empty()) error = refusal;
    return value;
}

// The spacing page's choices: field name, member, and the number of items.
struct ChoiceField {
    const char* name;
    int count;
    int* (*member)(SpacingChoices&);
};
const std::array<ChoiceField, 6> kChoiceFields = {{
    {"analysis-type", 3, [](SpacingChoices& c) { return &c.analysisType; }},
    {"corner-spacing", 4, [](SpacingChoices& c) { return &c.variants[0]; }},
    {"number-of-dowels", 4, [](SpacingChoices& c) { return &c.variants[1]; }},
    {"spacing-alternative", 4, [](SpacingChoices& c) { return &c.variants[2]; }},
    {"dowel-selection", 6, [](SpacingChoices& c) { return &c.dowel; }},
    {"plotted-quantity", 4, [](SpacingChoices& c) { return &c.plottedQuantity; }},
}};

// Nesting a design never needs; deeper input is refused before it costs memory.
constexpr int kMaxDepth = 64;

// Builds the value with nlohmann's own DOM builder, without exceptions (the
// WebAssembly build has none to catch), keeping the first syntax error's text
// with its line and column.
class DomBuilder {
  public:
    using Dom = nlohmann::detail::json_sax_dom_parser<Json>;
    explicit DomBuilder(Json& result) : dom_(result, false) {}

    bool null() { return dom_.null(); }
    bool boolean(bool value) { return dom_.boolean(value); }
    bool number_integer(Json::number_integer_t value) { return dom_.number_integer(value); }
    bool number_unsigned(Json::number_unsigned_t value) { return dom_.number_unsigned(value); }
    bool number_float(Json::number_float_t value, const Json::string_t& text) {
        return dom_.number_float(value, text);
    }
    bool string(Json::string_t& value) { return dom_.string(value); }
    bool binary(Json::binary_t& value) { return dom_.binary(value); }
    bool key(Json::string_t& value) { return dom_.key(value); }
    bool start_object(std::size_t size) { return deeper() && dom_.start_object(size); }
    bool end_object() { return --depth_, dom_.end_object(); }
    bool start_array(std::size_t size) { return deeper() && dom_.start_array(size); }
    bool end_array() { return --depth_, dom_.end_array(); }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& e) {
        // "[json.exception.parse_error.101] parse error at line 3, column 5: what"
        // or "[json.exception.out_of_range.406] number overflow ...": the
        // library's own tag means nothing to a user.
        const std::string what = e.what();
        const std::size_t at = what.find("line ");
        const std::size_t tag = what.find("] ");
        error_ = at != std::string::npos    ? what.substr(at)
                 : tag != std::string::npos ? what.substr(tag + 2)
                                            : what;
        // The message quotes what it stopped at, which need not be UTF-8.
        for (std::size_t bad; (bad = firstInvalidUtf8(error_)) != std::string::npos;)
            error_[bad] = '?';
        return false;
    }

    const std::string& error() const { return error_; }

  private:
    bool deeper() {
        if (++depth_ <= kMaxDepth) return true;
        error_ = "nested more than " + std::to_string(kMaxDepth) + " levels deep";
        return false;
    }

    Dom dom_;
    int depth_ = 0;
    std::string error_;
};

// Reading one document; the first fault found ends it.
class Reader {
  public:
    explicit Reader(const Json& root) : root_(root) {}

    std::optional<DesignDocument> read() {
        if (!root_.is_object()) return fail("", "expected an object: not a Tavrel design");
        const auto format = root_.find("format");
        if (format == root_.end() || *format != kFormat)
            return fail("format", "expected \"tavrel-design\": not a Tavrel design");
        if (!readVersion() || !readUnits() || !readInputs() || !readDetails() || !readChoices())
            return std::nullopt;
        if (!readCheck()) return std::nullopt;
        if (!readText(root_, "", "program-version", document_.programVersion) ||
            !readText(root_, "", "saved", document_.savedAt))
            return std::nullopt;
        return std::move(document_);
    }

    const std::string& error() const { return error_; }

  private:
    std::nullopt_t fail(const std::string& path, const std::string& what) {
        error_ = path.empty() ? what : path + ": " + what;
        return std::nullopt;
    }

    // A whole number, saturated to the range of long long.
    static std::optional<long long> wholeNumber(const Json& value) {
        if (value.is_number_unsigned()) {
            const auto n = value.get<Json::number_unsigned_t>();
            constexpr auto most = std::numeric_limits<long long>::max();
            return n > static_cast<Json::number_unsigned_t>(most) ? most
                                                                  : static_cast<long long>(n);
        }
        if (value.is_number_integer()) return value.get<Json::number_integer_t>();
        return std::nullopt;
    }

    bool readVersion() {
        const auto found = root_.find("version");
        if (found == root_.end()) return fail("version", "missing"), false;
        const std::optional<long long> version = wholeNumber(*found);
        if (!version) return fail("version", "expected a whole number"), false;
        if (*version < 1) return fail("version", "expected 1 or more"), false;
        if (*version > kDesignFileVersion) {
            error_ = "made by a newer Tavrel (version " + std::to_string(*version) + ")";
            return false;
        }
        return true;
    }

    bool readUnits() {
        const auto found = root_.find("units");
        if (found == root_.end()) return true;
        if (*found == "us") {
            document_.units = UnitSystem::Us;
        } else if (*found == "si") {
            document_.units = UnitSystem::Si;
        } else {
            return fail("units", "expected \"us\" or \"si\""), false;
        }
        return true;
    }

    // An optional object member; false (with the error) when it is not an object.
    const Json* section(const char* name) {
        const auto found = root_.find(name);
        if (found == root_.end()) return nullptr;
        if (!found->is_object()) {
            fail(name, "expected an object");
            return nullptr;
        }
        return &*found;
    }

    // An optional text member of `object`, at most kMaxDesignTextChars long.
    bool readText(const Json& object, const std::string& parent, const char* name,
                  std::string& text) {
        const auto found = object.find(name);
        if (found == object.end()) return true;
        const std::string path = parent.empty() ? name : parent + "." + name;
        if (!found->is_string()) return fail(path, "expected a text"), false;
        const auto& value = found->get_ref<const Json::string_t&>();
        if (!fitsDesignText(value))
            return fail(path, "longer than " + std::to_string(kMaxDesignTextChars) + " characters"),
                   false;
        text = value;
        return true;
    }

    bool readInputs() {
        const Json* inputs = section("inputs");
        if (inputs == nullptr) return error_.empty();
        for (const char* name : designInputNames()) {
            std::string text;
            if (!readText(*inputs, "inputs", name, text)) return false;
            if (inputs->contains(name)) document_.inputs[name] = std::move(text);
        }
        return true;
    }

    bool readDetails() {
        const Json* project = section("project");
        if (project == nullptr) return error_.empty();
        for (const ProjectDetailField& field : kProjectDetailFields) {
            if (!readText(*project, "project", field.name, document_.details.*field.member))
                return false;
        }
        return true;
    }

    bool readCheck() {
        if (!readText(root_, "", "check", document_.check)) return false;
        if (document_.check.empty() || findCheckMethod(document_.check) != nullptr) return true;
        return fail("check", "expected one of " + checkMethodNames() + " or nothing"), false;
    }

    bool readChoices() {
        const Json* page = section("spacing-page");
        if (page == nullptr) return error_.empty();
        for (const ChoiceField& field : kChoiceFields) {
            const auto found = page->find(field.name);
            if (found == page->end()) continue;
            const std::optional<long long> item = wholeNumber(*found);
            if (!item || *item < 0 || *item >= field.count)
                return fail(std::string("spacing-page.") + field.name,
                            "expected a whole number from 0 to " + std::to_string(field.count - 1)),
                       false;
            *field.member(document_.spacing) = static_cast<int>(*item);
        }
        return true;
    }

    const Json& root_;
    DesignDocument document_;
    std::string error_;
};

}  // namespace

bool fitsDesignText(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count <= kMaxDesignTextChars;
}

std::string designFileName(std::string_view project) {
    constexpr std::size_t kMaxBytes = 200;
    constexpr std::string_view kRefused = "\\/:*?\"<>|";
    const auto blank = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    while (!project.empty() && blank(project.front())) project.remove_prefix(1);
    while (!project.empty() && blank(project.back())) project.remove_suffix(1);
    std::string name;
    std::size_t i = 0;
    for (; i < project.size() && name.size() < kMaxBytes; ++i) {
        const auto c = static_cast<unsigned char>(project[i]);
        if (c < 0x20 || c == 0x7F || kRefused.find(project[i]) != std::string_view::npos) {
            if (name.empty() || name.back() != '-') name += '-';
        } else {
            name += project[i];
        }
    }
    const auto continuation = [](char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; };
    if (i < project.size() && continuation(project[i])) {
        // Cut inside a character: drop what was taken of it.
        while (!name.empty() && continuation(name.back())) name.pop_back();
        if (!name.empty()) name.pop_back();
    }
    while (!name.empty() && blank(name.back())) name.pop_back();
    return (name.empty() ? std::string("design") : name) + ".tavrel";
}

std::span<const char* const> designInputNames() {
    static const std::vector<const char*> names = [] {
        std::vector<const char*> all;
        for (const DesignInput& input : kDesignInputs) all.push_back(input.option);
        all.insert(all.end(), kLaterInputNames.begin(), kLaterInputNames.end());
        return all;
    }();
    return names;
}

std::string writeDesign(const DesignDocument& document) {
    nlohmann::ordered_json file;
    file["format"] = kFormat;
    file["version"] = kDesignFileVersion;
    file["units"] = document.units == UnitSystem::Si ? "si" : "us";
    auto& inputs = file["inputs"] = nlohmann::ordered_json::object();
    for (const char* name : designInputNames()) {
        const auto found = document.inputs.find(name);
        if (found != document.inputs.end()) inputs[name] = found->second;
    }
    auto& project = file["project"] = nlohmann::ordered_json::object();
    for (const ProjectDetailField& field : kProjectDetailFields)
        project[field.name] = document.details.*field.member;
    auto& page = file["spacing-page"];
    SpacingChoices choices = document.spacing;
    for (const ChoiceField& field : kChoiceFields) page[field.name] = *field.member(choices);
    if (!document.check.empty()) file["check"] = document.check;
    file["program-version"] = document.programVersion;
    file["saved"] = document.savedAt;
    return file.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

DesignReading readDesign(std::string_view text) {
    DesignReading reading;
    if (text.size() > kMaxDesignFileBytes) {
        reading.error = "larger than 1 MiB: not a Tavrel design";
        return reading;
    }
    // A Windows editor's "Unicode" is UTF-16, which reads as nonsense at byte 1.
    if (text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF")) {
        reading.error = "UTF-16 text: a Tavrel design is UTF-8";
        return reading;
    }
    Json root;
    DomBuilder builder(root);
    if (!Json::sax_parse(text.begin(), text.end(), &builder)) {
        reading.error = builder.error().empty() ? "not JSON" : builder.error();
        return reading;
    }
    Reader reader(root);
    reading.document = reader.read();
    if (!reading.document) reading.error = reader.error();
    return reading;
}

DesignDocument inUnits(DesignDocument document, UnitSystem units) {
    if (document.units == units) return document;
    std::string scratch;
    for (int i = 0; i < kDesignInputCount; ++i) {
        const auto found = document.inputs.find(kDesignInputs[i].option);
        if (found == document.inputs.end()) continue;
        // The value as a run reads it ("300 psi/in" as 300): text left as typed
        // would be read again in the other units, a value silently scaled.
        const BoxReading reading = readBox(document.units, i, found->second);
        if (!reading.hasNumber || !reading.finite) continue;
        found->second =
            plainDecimal(static_cast<float>(fromAnalysisUnits(units, i, reading.analysisValue)));
    }
    for (int later = 0; later < kStrengthTexts; ++later) {
        const auto found = document.inputs.find(kLaterInputNames[later]);
        if (found == document.inputs.end()) continue;
        const std::optional<double> value =
            readCompleteNumber(normaliseTypedText(found->second, scratch));
        if (!value) continue;
        const double psi = *value / stressScale(document.units).perUsUnit;
        found->second = plainDecimal(static_cast<float>(psi * stressScale(units).perUsUnit));
    }
    document.units = units;
    return document;
}

std::optional<CheckSettings> designCheck(const DesignDocument& document, std::string& error) {
    const CheckMethod* method = findCheckMethod(document.check);
    if (method == nullptr) return std::nullopt;
    CheckSettings settings;
    settings.method = method;
    settings.cylinderStrength = laterInputValue(document, CylinderStrengthText, error);
    // A cylinder strength wins over a cube strength, as only one can be meant.
    if (!settings.cylinderStrength)
        settings.cubeStrength = laterInputValue(document, CubeStrengthText, error);
    settings.loadShare =
        laterInputValue(document, LoadShareText, error).value_or(kDefaultLoadShare);
    return settings;
}

void keepDesignCheck(DesignDocument& document, const std::optional<CheckSettings>& settings) {
    for (const char* name : kLaterInputNames) document.inputs.erase(name);
    document.check = settings ? settings->method->name : "";
    if (!settings) return;
    const double perPsi = stressScale(document.units).perUsUnit;
    if (settings->cylinderStrength)
        document.inputs[kLaterInputNames[CylinderStrengthText]] =
            plainDecimal(static_cast<float>(*settings->cylinderStrength * perPsi));
    if (settings->cubeStrength)
        document.inputs[kLaterInputNames[CubeStrengthText]] =
            plainDecimal(static_cast<float>(*settings->cubeStrength * perPsi));
    document.inputs[kLaterInputNames[LoadShareText]] =
        plainDecimal(static_cast<float>(settings->loadShare));
}

std::string utcTimestamp(std::time_t time) {
    using namespace std::chrono;
    const sys_seconds at{seconds{time}};
    const sys_days day = floor<days>(at);
    const year_month_day date{day};
    const hh_mm_ss clock{at - day};
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02dZ", int(date.year()),
                  unsigned(date.month()), unsigned(date.day()), int(clock.hours().count()),
                  int(clock.minutes().count()), int(clock.seconds().count()));
    return text;
}

}  // namespace tavrel
