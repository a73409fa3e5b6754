#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>
#include <string>

namespace {

// The page count of the document as its source is written; change both together.
constexpr int kGuidelinesPages = 4;

std::string readAll(const char* path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace

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
