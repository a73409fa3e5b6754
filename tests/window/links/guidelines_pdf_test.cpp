#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>

#include "analysis/case_grade.h"
#include "analysis/dowel_cases.h"
#include "analysis/result_format.h"

namespace {

// The page count of the document as its source is written; change both together.
constexpr int kGuidelinesPages = 4;

std::string readAll(const char* path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// 4500 as the document writes it: "4,500".
std::string withThousands(long value) {
    const std::string digits = std::to_string(value);
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) text += ',';
        text += digits[i];
    }
    return text;
}

std::string percent(float fraction) {
    return std::to_string(std::lround(fraction * 100)) + "&#160;%";
}

}  // namespace

// The document is typeset from this source; what it says about grades and bars
// must be what the program does.
TEST(GuidelinesDocument, StatesTheGradingAndTheBarsTheProgramUses) {
    const std::string html = readAll(TAVREL_GUIDELINES_SOURCE);
    ASSERT_FALSE(html.empty()) << TAVREL_GUIDELINES_SOURCE;
    const auto states = [&html](const std::string& text) {
        EXPECT_NE(html.find(text), std::string::npos) << text;
    };
    using namespace tavrel;
    states("<td>Conditional: " + conditionalGradeMeaning() + "</td>");
    states("<td>" + percent(kAcceptableDeflectionLte) + " or more</td>");
    states("<td>" + percent(kConditionalDeflectionLte) + " up to " +
           percent(kAcceptableDeflectionLte) + "</td>");
    states("<td>below " + percent(kConditionalDeflectionLte) + "</td>");
    const std::string acceptable = withThousands(std::lround(kAcceptableBearingStress)) + " psi";
    const std::string conditional = withThousands(std::lround(kConditionalBearingStress)) + " psi";
    states("<td>below " + acceptable + "</td>");
    states("<td>" + acceptable + " up to " + conditional + "</td>");
    states("<td>" + conditional + " or more</td>");

    for (const DowelCase& dowel : kDowelCases) {
        const std::string size = isRound(dowel) ? formatFixed(dowel.diameter, 2)
                                                : formatFixed(dowel.width, 2) + " &#215; " +
                                                      formatFixed(dowel.height, 2);
        states("<td class=\"num\">" + size + "</td><td class=\"num\">" +
               withThousands(std::lround(dowel.supportModulus)) + "</td>");
    }
}

TEST(GuidelinesDocument, IsAPdfWithItsPages) {
    const std::string pdf = readAll(TAVREL_GUIDELINES_PDF);
    ASSERT_FALSE(pdf.empty()) << TAVREL_GUIDELINES_PDF;
    EXPECT_EQ(pdf.compare(0, 5, "%PDF-"), 0);
    EXPECT_NE(pdf.find("%%EOF"), std::string::npos);

    // Page objects, not the page tree ("/Type /Pages").
    const std::regex page(R"(/Type\s*/Page(?![a-zA-Z]))");
    const auto count =
        std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator());
    EXPECT_EQ(count, kGuidelinesPages);
}
