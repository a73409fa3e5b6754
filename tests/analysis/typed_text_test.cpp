#include "analysis/typed_text.h"

#include <gtest/gtest.h>
#include <unicode/uchar.h>

#include <string>

#include "analysis/design_analysis.h"
#include "analysis/number_reader.h"

namespace {

using tavrel::normaliseTypedText;

std::string utf8(char32_t c) {
    std::string s;
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (c >> 18));
        s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
    return s;
}

// Every character that Unicode 15.0 assigns is treated as the system's Unicode
// library classifies it. Characters assigned later are not judged, so a newer
// library on the test machine does not fail the test.
TEST(TypedText, EveryCharacterAsTheUnicodeLibraryClassifiesIt) {
    std::string scratch;
    int checked = 0;
    for (UChar32 c = 0; c <= 0x10FFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) continue;  // not characters
        UVersionInfo age;
        u_charAge(c, age);
        const bool assigned = u_charType(c) != U_UNASSIGNED;
        if (!assigned || age[0] > 15) continue;
        std::string expected = utf8(static_cast<char32_t>(c));
        if (c == '\t') {
            // the reader skips tabs itself
        } else if (u_isUWhiteSpace(c)) {
            expected.assign(1, ' ');
        } else if (u_charType(c) == U_DECIMAL_DIGIT_NUMBER) {
            expected = std::string(1, static_cast<char>('0' + u_charDigitValue(c)));
        } else if (c >= 0xFF01 && c <= 0xFF5E) {
            expected = std::string(1, static_cast<char>(c - 0xFEE0));
        } else if (u_charType(c) == U_FORMAT_CHAR) {
            expected.clear();
        }
        const std::string text = utf8(static_cast<char32_t>(c));
        ASSERT_EQ(normaliseTypedText(text, scratch), expected) << "U+" << std::hex << c;
        ++checked;
    }
    EXPECT_GT(checked, 140000);  // the library really knows Unicode 15
}

TEST(TypedText, PlainTextIsNotCopiedAndBrokenUtf8CannotFormCharacters) {
    std::string scratch = "untouched";
    const std::string_view typed = "12.5e3 x";
    EXPECT_EQ(normaliseTypedText(typed, scratch).data(), typed.data());
    EXPECT_EQ(scratch, "untouched");

    // A lone lead byte, a dropped zero-width space, then two continuation
    // bytes: joined they would spell an en quad, a space.
    const std::string broken =
        "\xE2"
        "\u200B"
        "\x80\x80"
        "5";
    EXPECT_EQ(normaliseTypedText(broken, scratch), "???5");
    EXPECT_EQ(normaliseTypedText("\xF0\x9F", scratch), "??");  // cut short
    EXPECT_EQ(normaliseTypedText("\xC0\xB1", scratch), "??");  // overlong '1'
}

// What the sizing page reads from pasted and East Asian text.
TEST(TypedText, TheAnalysisReadsPastedTextAsTheUserMeantIt) {
    const auto thickness = [](std::string_view typed) {
        tavrel::DesignAnalysis analysis;
        const std::array<std::string_view, tavrel::kDesignInputCount> texts = {
            "12", "0.25", "300", "9000", "4000000", typed, "90"};
        const tavrel::AnalysisRun run = analysis.run(texts, nullptr);
        EXPECT_EQ(run.outcome, tavrel::AnalysisRun::EngineMissing) << typed;
        return analysis.input().slabThickness;
    };
    EXPECT_EQ(thickness("\u00A012"), 12);                     // no-break space from a web page
    EXPECT_EQ(thickness("\u3000\u202F12\u2009"), 12);         // ideographic, narrow, thin
    EXPECT_EQ(thickness("\uFF11\uFF12"), 12);                 // full-width digits
    EXPECT_EQ(thickness("\uFF11\uFF12\uFF0E\uFF15"), 12.5f);  // and full stop
    EXPECT_EQ(thickness("\u0661\u0662"), 12);                 // Arabic-Indic
    EXPECT_EQ(thickness("\u096B"), 5);                        // Devanagari
    EXPECT_EQ(thickness("\u202E12\u202C"), 12);               // right-to-left override
    EXPECT_EQ(thickness("\uFEFF1\u200B2"), 12);               // byte order mark, zero-width space
    EXPECT_EQ(thickness("\n12"), 12);                         // a line break is a blank too

    // The command line's strict reader takes none of it.
    EXPECT_FALSE(tavrel::readCompleteNumber("\u00A012"));
    EXPECT_FALSE(tavrel::readCompleteNumber("\uFF11\uFF12"));
    EXPECT_FALSE(tavrel::readCompleteNumber("\u202E12"));
}

}  // namespace
