// The web page's one way into the rules: the page hands over the seven texts as
// typed and gets back, as JSON, everything it writes into the table. Nothing
// here decides anything; it only lays out what the rules decided.
#include <emscripten/emscripten.h>

#include <array>
#include <ctime>
#include <string>
#include <string_view>

#include "analysis/case_grade.h"
#include "analysis/design_analysis.h"
#include "analysis/design_file.h"
#include "analysis/design_inputs.h"
#include "analysis/disclaimer.h"
#include "analysis/dowel_cases.h"
#include "analysis/number_reader.h"
#include "analysis/page_texts.h"
#include "analysis/program_version.h"
#include "analysis/report_model_json.h"
#include "analysis/results_table.h"
#include "analysis/textbook_check.h"
#include "analysis/typed_text.h"
#include "analysis/units.h"
#include "analysis/working_summary.h"
#include "comparison/comparison_chart.h"
#include "comparison/comparison_conditions.h"
#include "comparison/comparison_scenario.h"
#include "comparison/dowel_selection.h"
#include "comparison/layout_drawing.h"
#include "comparison/layout_figure.h"

namespace {

using namespace tavrel;

// A JSON text built piece by piece; keys and values are escaped as needed.
class Json {
  public:
    Json& raw(std::string_view text) {
        out_ += text;
        return *this;
    }
    Json& string(std::string_view text) {
        out_ += '"';
        for (const char c : text) {
            if (c == '"' || c == '\\') {
                out_ += '\\';
                out_ += c;
            } else if (c == '\n') {
                out_ += "\\n";
            } else if (static_cast<unsigned char>(c) < 0x20) {
                static const char hex[] = "0123456789abcdef";
                out_ += "\\u00";
                out_ += hex[c >> 4];
                out_ += hex[c & 15];
            } else {
                out_ += c;
            }
        }
        out_ += '"';
        return *this;
    }
    Json& key(std::string_view name) {
        comma();
        string(name);
        out_ += ':';
        return *this;
    }
    // Separates a member or element from the one before it.
    Json& comma() {
        if (!out_.empty() && out_.back() != '{' && out_.back() != '[' && out_.back() != ':')
            out_ += ',';
        return *this;
    }
    Json& colour(Rgb rgb) {
        return string("rgb(" + std::to_string(rgb.red) + ", " + std::to_string(rgb.green) + ", " +
                      std::to_string(rgb.blue) + ")");
    }
    const char* text() const { return out_.c_str(); }
    void clear() { out_.clear(); }

  private:
    std::string out_;
};

Json& grade(Json& json, CaseGrade g) {
    json.key("grade").raw(std::to_string(static_cast<int>(g)));
    json.key("gradeWord").string(gradeWord(g));
    json.key("gradeText").string(gradeDescription(g));
    json.key("gradeShort").string(gradeShortWord(g));
    return json.key("colour").colour(gradeRgb(g));
}

// The heads of a bar as the table shows them: the diameter, or the width over
// the height of an elliptical bar.
Json& barCaptions(Json& json, const DowelCase& dowel) {
    json.key("captions").raw("[");
    const std::array<std::string, 2> captions = headingCaptions(dowel);
    for (int line = 0; line < sizeLineCount(dowel); ++line)
        json.comma().string(captions[static_cast<std::size_t>(line)]);
    return json.raw("]");
}

DesignAnalysis& analysis() {
    static DesignAnalysis a;  // the engine's records live as long as the page
    return a;
}

// The last complete run, whose working the heads show until the next one.
AnalysisRun& lastComplete() {
    static AnalysisRun run;
    return run;
}

// The design values of that run, for the textbook check beside it.
DesignValues& lastCompleteValues() {
    static DesignValues values{};
    return values;
}

// One case of a complete run: its grade, whether its results lie outside the
// fitted relations, and the five cells as the table shows them in `units`.
Json& caseResult(Json& json, const CaseResult& result, UnitSystem units) {
    json.raw("{");
    grade(json, result.grade);
    json.key("outside").raw(outsideFittedRelations(result.engine) ? "true" : "false");
    json.key("cells").raw("[");
    for (int row = 0; row < kResultRowCount; ++row) {
        const ResultCell& cell = result.cells[row];
        json.comma().raw("{");
        json.key("text").string(resultText(result, row, units));
        // An ungraded cell keeps its background; an acceptable one has none.
        json.key("background");
        if (!cell.grade) {
            json.raw("null");
        } else if (cellColoured(cell)) {
            json.colour(gradeRgb(*cell.grade));
        } else {
            json.string("transparent");
        }
        json.raw("}");
    }
    return json.raw("]}");
}

}  // namespace

extern "C" {

// What the page shows before any run: the caption, the inputs, the legend, the bars.
EMSCRIPTEN_KEEPALIVE const char* tavrel_facts() {
    static Json json;
    json.clear();
    json.raw("{");
    json.key("caption").string(versionCaption());
    json.key("outOfRangeColour").colour(kOutOfRangeBox);
    json.key("inRangeColour").colour(kInRangeBox);
    json.key("noGradeColour").colour(kNoGradeHead);
    json.key("outsideNote").string(kOutsideFittedRelations);
    json.key("captionColour").colour(kCaptionColour);
    json.key("disclaimer").string(disclaimerText());
    json.key("inputs").raw("[");
    for (int i = 0; i < kDesignInputCount; ++i) {
        const DesignInput& input = kDesignInputs[i];
        json.comma().raw("{");
        json.key("caption").string(input.caption);
        json.key("units").string(input.units);
        json.key("option").string(input.option);
        json.key("text").string(plainDecimal(input.defaultValue));
        json.key("tooltip").string(rangeTooltip(input));
        json.raw("}");
    }
    json.raw("]");
    json.key("legend").raw("[");
    for (CaseGrade g : {CaseGrade::Acceptable, CaseGrade::Conditional, CaseGrade::Unacceptable}) {
        json.comma().raw("{");
        json.key("text").string(legendText(g));
        grade(json, g).raw("}");
    }
    json.raw("]");
    json.key("headsCaption").string(kDowelHeadsCaption);
    json.key("sections").raw("[");
    json.comma().string(kLoadTransferSection);
    json.comma().string(kBearingStressSection);
    json.raw("]");
    json.key("firstBearingRow").raw(std::to_string(kFirstBearingRow));
    json.key("rowCaptions").raw("[");
    for (const char* caption : kResultRowCaptions) json.comma().string(caption);
    json.raw("]");
    json.key("bars").raw("[");
    for (const DowelCase& dowel : kDowelCases) {
        json.comma().raw("{");
        json.key("round").raw(isRound(dowel) ? "true" : "false");
        json.key("colour").colour(dowelColour(dowel));
        barCaptions(json, dowel);
        json.key("width").raw(plainDecimal(sectionWidth(dowel)));
        json.key("height").raw(plainDecimal(sectionHeight(dowel)));
        json.raw("}");
    }
    json.raw("]}");
    return json.text();
}

// One run on the seven texts in reading order, given in SI units when `si` is
// not 0. `inputsInRange` below seven names the first input out of range; then
// no case is given. Each box's reading says what was read and why it is refused.
EMSCRIPTEN_KEEPALIVE const char* tavrel_run(int si, const char* t0, const char* t1, const char* t2,
                                            const char* t3, const char* t4, const char* t5,
                                            const char* t6) {
    static Json json;
    const UnitSystem units = si != 0 ? UnitSystem::Si : UnitSystem::Us;
    const std::array<const char*, kDesignInputCount> texts = {t0, t1, t2, t3, t4, t5, t6};
    DesignValues values{};
    json.clear();
    json.raw("{");
    json.key("boxes").raw("[");
    for (int i = 0; i < kDesignInputCount; ++i) {
        const BoxReading reading = readBox(units, i, texts[i]);
        values[i] = reading.analysisValue;
        json.comma().raw("{");
        json.key("hasNumber").raw(reading.hasNumber ? "true" : "false");
        json.key("value").string(reading.valueText);
        json.key("refusal").string(refusalText(units, i, reading));
        json.key("readAs").string(readAsText(reading));
        json.raw("}");
    }
    json.raw("]");
    AnalysisRun run = analysis().run(values, &CALCLTE);
    json.key("inputsInRange").raw(std::to_string(run.inputsInRange));
    json.key("complete").raw(run.outcome == AnalysisRun::Complete ? "true" : "false");
    json.key("cases").raw("[");
    if (run.outcome == AnalysisRun::Complete) {
        for (int c = 0; c < kDowelCaseCount; ++c) caseResult(json.comma(), run.cases[c], units);
        lastComplete() = std::move(run);
        lastCompleteValues() = values;
    }
    json.raw("]}");
    return json.text();
}

// The full working behind bar `bar` (0 to 7) in the last complete run, asked for
// only when a head is hovered or focused: a keystroke need not write it.
EMSCRIPTEN_KEEPALIVE const char* tavrel_working(int bar) {
    static std::string text;
    const AnalysisRun& run = lastComplete();
    text = run.outcome == AnalysisRun::Complete && bar >= 0 && bar < kDowelCaseCount
               ? describeWorking(kDowelCases[bar], run.cases[bar].engine)
               : std::string();
    return text.c_str();
}

// The textbook check beside the last complete run.

// Reads the check's added inputs (empty texts: not given) into `settings`,
// writing each one's refusal, if any, into the JSON's "refusals".
void readCheckTexts(Json& json, UnitSystem units, const std::array<const char*, 3>& texts,
                    CheckSettings& settings) {
    json.key("refusals").raw("[");
    for (int i = 0; i < kCheckInputCount; ++i) {
        const auto which = static_cast<CheckInput>(i);
        const std::string_view text = texts[i];
        std::string error;
        if (!text.empty()) {
            static constexpr const char* kWhat[] = {"f'c", "f_ck", "Load share"};
            const std::optional<double> value =
                readCheckInput(kWhat[i], units, which, withoutFormatCharacters(text), error);
            if (value) setCheckInput(settings, which, *value);
        }
        json.comma().string(error);
    }
    json.raw("]");
}

// The check's method (0: L = 1.0 l, 1: 1.8 l) on the last complete run, with
// f'c, f_ck and the load share as typed: its title, method paragraph, added
// inputs, columns and each bar's verdict and chain, in `si` units or US.
EMSCRIPTEN_KEEPALIVE const char* tavrel_check(int si, int method, const char* fc, const char* fck,
                                              const char* loadShare) {
    static Json json;
    const UnitSystem units = si != 0 ? UnitSystem::Si : UnitSystem::Us;
    json.clear();
    json.raw("{");
    CheckSettings settings;
    settings.method = &kCheckMethods[method == 1 ? 1 : 0];
    readCheckTexts(json, units, {fc, fck, loadShare}, settings);
    // Both strengths typed: neither is taken, as neither can be meant over the other.
    const bool both = *fc != 0 && *fck != 0;
    if (both) settings.cylinderStrength.reset(), settings.cubeStrength.reset();
    json.key("conflict").string(both ? "Give f'c or f_ck, not both." : "");
    json.key("title").string(kTextbookCheckTitle);
    json.key("method").string(checkMethodParagraph(settings));
    json.key("complete").raw(lastComplete().outcome == AnalysisRun::Complete ? "true" : "false");
    const TextbookCheck check = textbookCheck(lastCompleteValues(), settings);
    json.key("inputs").raw("[");
    for (const CheckInputRow& row : checkInputRows(check, units)) {
        json.comma().raw("{");
        json.key("caption").string(row.caption);
        json.key("value").string(row.value);
        json.key("unit").string(row.unit);
        json.key("note").string(row.note);
        json.raw("}");
    }
    json.raw("]");
    json.key("columns").raw("[");
    for (int k = 0; k < kCheckColumnCount; ++k) {
        json.comma().raw("{");
        json.key("caption").string(kCheckColumns[k].caption);
        json.key("unit").string(checkColumnUnit(k, units));
        json.raw("}");
    }
    json.raw("]");
    json.key("bars").raw("[");
    for (const BarCheck& bar : check.bars) {
        json.comma().raw("{");
        json.key("verdict").string(verdictWord(bar));
        json.key("chain").raw("[");
        for (const std::string& text : checkRow(bar, units)) json.comma().string(text);
        json.raw("]}");
    }
    json.raw("]}");
    return json.text();
}

// A strength typed in one unit system, written in the other (psi and MPa).
EMSCRIPTEN_KEEPALIVE const char* tavrel_check_convert(int fromSi, int toSi, const char* text) {
    static std::string converted;
    const std::optional<double> value = readCompleteNumber(withoutFormatCharacters(text));
    if (!value || fromSi == toSi) return text;
    const double psi =
        *value / stressScale(fromSi != 0 ? UnitSystem::Si : UnitSystem::Us).perUsUnit;
    converted = plainDecimal(static_cast<float>(
        psi * stressScale(toSi != 0 ? UnitSystem::Si : UnitSystem::Us).perUsUnit));
    return converted.c_str();
}

// The sizing page's unit systems and the box texts as they arrive.

// What changes with the unit system: per input its unit, default text and
// limits (the tooltip and the range words), and the bearing stress section.
EMSCRIPTEN_KEEPALIVE const char* tavrel_units(int si) {
    static Json json;
    const UnitSystem units = si != 0 ? UnitSystem::Si : UnitSystem::Us;
    json.clear();
    json.raw("{");
    json.key("inputs").raw("[");
    for (int i = 0; i < kDesignInputCount; ++i) {
        const float given =
            static_cast<float>(fromAnalysisUnits(units, i, kDesignInputs[i].defaultValue));
        json.comma().raw("{");
        json.key("units").string(inputScale(units, i).caption);
        json.key("text").string(plainDecimal(given));
        json.key("tooltip").string("Minimum: " + inputMinimumText(units, i) +
                                   "  Maximum: " + inputMaximumText(units, i));
        json.raw("}");
    }
    json.raw("]");
    json.key("bearingSection").string(bearingStressSection(units));
    // The bars are named in the units too, as the window and the report name them.
    json.key("headsCaption").string(dowelHeadsCaption(units));
    json.key("barCaptions").raw("[");
    for (const DowelCase& dowel : kDowelCases) {
        const std::array<std::string, 2> heads = dowelHeads(dowel, units);
        json.comma().raw("[");
        for (int line = 0; line < sizeLineCount(dowel); ++line)
            json.comma().string(heads[static_cast<std::size_t>(line)]);
        json.raw("]");
    }
    json.raw("]");
    json.raw("}");
    return json.text();
}

// A box's value in the other unit system, as the page writes it into the box
// when the units are switched: the analysis's value in `toSi` units.
EMSCRIPTEN_KEEPALIVE const char* tavrel_convert(int fromSi, int toSi, int input, const char* text) {
    static std::string converted;
    const UnitSystem from = fromSi != 0 ? UnitSystem::Si : UnitSystem::Us;
    const UnitSystem to = toSi != 0 ? UnitSystem::Si : UnitSystem::Us;
    if (input < 0 || input >= kDesignInputCount) return "";
    const BoxReading reading = readBox(from, input, text);
    converted =
        reading.hasNumber
            ? plainDecimal(static_cast<float>(fromAnalysisUnits(to, input, reading.analysisValue)))
            : std::string();
    return converted.c_str();
}

// A box's text without the format characters (direction marks and overrides,
// zero-width spaces) that would show it in another order than it is read.
EMSCRIPTEN_KEEPALIVE const char* tavrel_plain_text(const char* text) {
    static std::string plain;
    plain = withoutFormatCharacters(text);
    return plain.c_str();
}
}

// ---- The "Dowel Spacing" and "About Tavrel" pages ----------------------------------
// The comparison's choices, its figures and its chart, all as the rules give them.
namespace {

using namespace tavrel::comparison;

// The page draws a bar's height in these steps of full scale (its plot counts
// on 2500).
constexpr int kFullScaleSteps = 2500;

// A figure coordinate, to a single float's precision: far below a hair's width
// on any screen, and no second number writer in the module.
std::string number(double value) {
    return plainDecimal(static_cast<float>(value));
}

Json& figureColour(Json& json, FigureColour c) {
    return json.colour({c.red, c.green, c.blue});
}

Json& figurePoints(Json& json, const std::vector<FigurePoint>& points) {
    json.raw("[");
    for (const FigurePoint& p : points) {
        json.comma().raw("[" + number(p.x) + "," + number(p.y) + "]");
    }
    return json.raw("]");
}

Json& figureFill(Json& json, const FigureFill& fill) {
    switch (fill.kind) {
        case FigureFill::Kind::None:
            return json.raw("null");
        case FigureFill::Kind::Plain:
            return figureColour(json, fill.colour);
        case FigureFill::Kind::Gradient:
            break;
    }
    json.raw("{");
    json.key("from");
    figurePoints(json, {fill.from, fill.to});
    json.key("stops").raw("[");
    for (const ColourStop& stop : fill.stops) {
        json.comma().raw("[" + number(stop.at) + ",");
        figureColour(json, stop.colour).raw("]");
    }
    return json.raw("]}");
}

const char* kMarkKinds[] = {"polygon", "rect", "ellipse", "line", "label"};

Json& figureMark(Json& json, const FigureMark& mark) {
    json.comma().raw("{");
    json.key("kind").string(kMarkKinds[static_cast<int>(mark.kind)]);
    json.key("points");
    figurePoints(json, mark.points);
    if (mark.kind == FigureMark::Kind::Ellipse) {
        json.key("rx").raw(number(mark.radiusX));
        json.key("ry").raw(number(mark.radiusY));
    }
    if (mark.stroke.drawn) {
        json.key("stroke");
        figureColour(json, mark.stroke.colour);
        json.key("strokeWidth").raw(number(mark.stroke.width));
        if (mark.stroke.dashed) json.key("dashed").raw("true");
    }
    json.key("fill");
    figureFill(json, mark.fill);
    if (mark.kind == FigureMark::Kind::Label) {
        json.key("text").string(mark.text);
        json.key("size").raw(number(mark.textSize));
    }
    if (mark.dowel >= 0) json.key("dowel").raw(std::to_string(mark.dowel));
    return json.raw("}");
}

// Which picture stands in the baseline slot and which in the alternative slot.
Json& scenario(Json& json, AnalysisType a, LayoutVariant v) {
    const ScenarioView view = scenarioView(a, v);
    const Picture alternative = variantPicture(a, v);
    json.comma().raw("{");
    for (int i = 0; i < kPictureCount; ++i) {
        const Picture p = kAllPictures[static_cast<std::size_t>(i)];
        if (view.visiblePictures.contains(p) && p != alternative) {
            json.key("baseline").raw(std::to_string(i));
        }
        if (p == alternative) json.key("alternative").raw(std::to_string(i));
    }
    json.key("savings");
    if (view.savingsVisible) {
        json.string(view.savingsText);
    } else {
        json.raw("null");
    }
    return json.raw("}");
}

Json& analysisTypes(Json& json) {
    json.key("types").raw("[");
    for (AnalysisType a : kAnalysisTypes) {
        json.comma().raw("{");
        json.key("caption").string(analysisTypeCaption(a));
        json.key("frameCaption").string(variantFrameCaption(a));
        json.key("variants").raw("[");
        for (LayoutVariant v : kLayoutVariants) json.comma().string(variantCaption(a, v));
        json.raw("]");
        json.key("scenarios").raw("[");
        for (LayoutVariant v : kLayoutVariants) scenario(json, a, v);
        json.raw("]}");
    }
    return json.raw("]");
}

Json& dowelSelections(Json& json) {
    json.key("dowels").raw("[");
    for (DowelSelection d : kDowelSelections) {
        const DowelCase& dowel = selectedDowel(d);
        json.comma().raw("{");
        json.key("caption").string(dowelItemCaption(d));
        json.key("slabClass").string(slabClassCaption(d));
        json.key("colour").colour(dowelColour(dowel));
        json.key("width").raw(plainDecimal(sectionWidth(dowel)));
        json.key("height").raw(plainDecimal(sectionHeight(dowel)));
        json.raw("}");
    }
    return json.raw("]");
}

Json& aboutTexts(Json& json) {
    json.key("conditionsHeading").string(kConditionsHeading);
    json.key("conditions").raw("[");
    for (const ConditionLine& line : kConditionLines) {
        json.comma().raw("[").string(line.category).raw(",").string(line.value).raw("]");
    }
    json.raw("]");
    json.key("sites").raw("[");
    const std::pair<const char*, const char*> sites[] = {{kMakerName, kMakerHost},
                                                         {kAssociationName, kAssociationHost},
                                                         {kPartnerName, kPartnerHost}};
    for (const auto& [owner, host] : sites) {
        json.comma().raw("{");
        json.key("owner").string(owner);
        json.key("host").string(host);
        json.key("address").string(homePageAddress(host));
        json.raw("}");
    }
    return json.raw("]");
}

}  // namespace

extern "C" {

// Everything the "Dowel Spacing" page offers to choose from, and the texts of
// the "About Tavrel" page.
EMSCRIPTEN_KEEPALIVE const char* tavrel_pages_facts() {
    static Json json;
    json.clear();
    json.raw("{");
    analysisTypes(json);
    dowelSelections(json);
    json.key("quantities").raw("[");
    for (Quantity q : kQuantities) json.comma().string(quantityFacts(q).listText);
    json.raw("]");
    json.key("baselineSubCaption").string(baselineBarSubCaption());
    json.key("fullScaleHeight").raw(std::to_string(kFullScaleSteps));
    aboutTexts(json);
    json.raw("}");
    return json.text();
}

// One layout figure, by its place in the list of pictures.
EMSCRIPTEN_KEEPALIVE const char* tavrel_figure(int picture) {
    static Json json;
    json.clear();
    if (picture < 0 || picture >= kPictureCount) return "null";
    const LayoutFigure figure = layoutFigure(kAllPictures[static_cast<std::size_t>(picture)]);
    json.raw("{");
    json.key("width").raw(number(figure.width));
    json.key("height").raw(number(figure.height));
    json.key("faceLeft").raw(number(figure.faceLeft));
    json.key("faceRight").raw(number(figure.faceRight));
    json.key("dowelAxes");
    figurePoints(json, figure.dowelAxes);
    json.key("distances").raw("[");
    const Picture source = kAllPictures[static_cast<std::size_t>(picture)];
    if (const auto distances = laneDistances(source)) {
        for (int d : *distances) json.comma().raw(std::to_string(d));
    } else if (const auto inches = cornerDistance(source)) {
        json.comma().raw(std::to_string(*inches));
    }
    json.raw("]");
    json.key("marks").raw("[");
    for (const FigureMark& mark : figure.marks) figureMark(json, mark);
    json.raw("]}");
    return json.text();
}

// The chart for plotted quantity q, dowel selection d, analysis type a and
// layout variant v: captions, the two values as shown, bar heights and change.
EMSCRIPTEN_KEEPALIVE const char* tavrel_chart(int q, int d, int a, int v) {
    static Json json;
    json.clear();
    const auto quantity = choiceAt(kQuantities, q);
    const auto dowel = choiceAt(kDowelSelections, d);
    const auto type = choiceAt(kAnalysisTypes, a);
    const auto variant = choiceAt(kLayoutVariants, v);
    if (!quantity || !dowel || !type || !variant) {
        return "null";  // a choice outside the lists: the page keeps what it shows
    }
    const ChartUpdate update =
        updateComparisonChart(builtInComparisonTable(), {*quantity, *dowel, *type, *variant});
    json.raw("{");
    json.key("axisTitle").raw("[");
    for (const std::string& word : update.axisTitle) json.comma().string(word);
    json.raw("]");
    json.key("baselineCaption").string(update.captions.baseline);
    json.key("alternativeCaption").string(update.captions.alternative);
    json.key("alternativeSubCaption").string(update.captions.alternativeSub);
    const char* sides[2] = {"baseline", "alternative"};
    for (int side = 0; side < 2; ++side) {
        json.key(sides[side]).raw("{");
        json.key("text").string(update.valueTexts[side]);
        json.key("height").raw(
            std::to_string(barHeight(update.bars[side], update.fullScale, kFullScaleSteps)));
        json.raw("}");
    }
    json.key("percent").string(update.percentText);
    json.raw("}");
    return json.text();
}
}

// ---- Design files ----------------------------------------------------------------
// The page opens and saves designs through the same reader and writer as the
// window and tavrel-cli, so a file opens identically everywhere.
extern "C" {

// The design in a file's bytes, as Tavrel writes it (missing fields filled in):
// {"document": {...}}, or {"error": "what is wrong"}.
EMSCRIPTEN_KEEPALIVE const char* tavrel_read_design(const char* bytes, int size) {
    static Json json;
    json.clear();
    const DesignReading reading =
        readDesign(std::string_view(bytes, static_cast<std::size_t>(size)));
    json.raw("{");
    if (reading.document) {
        json.key("document").raw(writeDesign(*reading.document));
    } else {
        json.key("error").string(reading.error);
    }
    json.raw("}");
    return json.text();
}

// The file's text for the page's design, given in the file's own form:
// {"text": "...", "name": "<project>.tavrel"}, or {"error": "..."} when a field
// is wrong (a detail too long).
EMSCRIPTEN_KEEPALIVE const char* tavrel_write_design(const char* design) {
    static Json json;
    json.clear();
    const DesignReading reading = readDesign(design);
    json.raw("{");
    if (reading.document) {
        DesignDocument document = *reading.document;
        document.programVersion = programVersion();
        document.savedAt = utcTimestamp(std::time(nullptr));
        json.key("text").string(writeDesign(document));
        json.key("name").string(designFileName(document.details.project));
    } else {
        json.key("error").string(reading.error);
    }
    json.raw("}");
    return json.text();
}
}

// ---- The evaluation report ---------------------------------------------------------
// The same report as the window's PDF, built here by the same rules and drawn by
// the page as HTML and SVG for the browser to print.
extern "C" {

// The report of a design given in the file's own form, `made` the date and time
// it names, with the textbook check's choices as the check's boxes hold them:
// {"report": {...}}, or {"error": "..."} when the design cannot be analysed (an
// input out of range, a field wrong).
EMSCRIPTEN_KEEPALIVE const char* tavrel_report(const char* design, const char* made, int method,
                                               const char* fc, const char* fck,
                                               const char* loadShare) {
    static std::string text;
    const DesignReading reading = readDesign(design);
    if (!reading.document) {
        Json json;
        json.raw("{").key("error").string(reading.error).raw("}");
        text = json.text();
        return text.c_str();
    }
    const DesignDocument& document = *reading.document;
    const InputDefaults defaults = inputDefaults();
    std::array<std::string, kDesignInputCount> texts;
    std::array<std::string_view, kDesignInputCount> views;
    for (int i = 0; i < kDesignInputCount; ++i) {
        const auto found = document.inputs.find(kDesignInputs[i].option);
        texts[i] = found != document.inputs.end()
                       ? found->second
                       : plainDecimal(
                             static_cast<float>(fromAnalysisUnits(document.units, i, defaults[i])));
        views[i] = texts[i];
    }
    DesignAnalysis reader;
    const AnalysisRun check = reader.run(views, nullptr, document.units);
    DesignValues values;
    for (int i = 0; i < kDesignInputCount; ++i) values[i] = reader.input().*kDesignInputs[i].field;
    const std::optional<DesignStudy> study = check.outcome == AnalysisRun::InputOutOfRange
                                                 ? std::nullopt
                                                 : studyDesign(values, &CALCLTE);
    if (!study) {
        Json json;
        json.raw("{").key("error").string("An input is out of range.").raw("}");
        text = json.text();
        return text.c_str();
    }
    ReportSettings settings;
    settings.units = document.units;
    settings.project = document.details;
    settings.check.method = &kCheckMethods[method == 1 ? 1 : 0];
    Json readings;  // the check's boxes say themselves what they refuse
    readCheckTexts(readings, document.units, {fc, fck, loadShare}, settings.check);
    if (*fc != 0 && *fck != 0) {
        settings.check.cylinderStrength.reset();
        settings.check.cubeStrength.reset();
    }
    settings.made = made;
    settings.program = versionCaption().substr(1);
    text = "{\"report\": " + reportJson(buildReport(*study, settings)) + "}";
    return text.c_str();
}
}
