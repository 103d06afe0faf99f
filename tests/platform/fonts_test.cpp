#include "platform/fonts.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace vm {
namespace {

// What the report writes, read back from a memory stream.
std::string Report(const std::vector<FontNeed>& needs, int* count) {
    char* text = nullptr;
    size_t size = 0;
    std::FILE* out = open_memstream(&text, &size);
    *count = ReportMissingFonts("Velmaris-A", needs, out);
    std::fclose(out);
    std::string s(text, size);
    std::free(text);
    return s;
}

TEST(Fonts, TheProgramsFacesAreInstalledAndAnAbsentOneIsNamedWithItsPackage) {
    const auto needs = ProgramFontNeeds();
    ASSERT_EQ(needs.size(), 2u);
    EXPECT_EQ(needs[0].package, "fonts-ipafont-gothic");
    EXPECT_EQ(needs[1].package, "fonts-liberation");
    // The test command installs both packages.
    EXPECT_TRUE(MissingFonts(needs).empty());
    int count = -1;
    EXPECT_EQ(Report(needs, &count), "");
    EXPECT_EQ(count, 0);

    // fontconfig always offers a stand-in; it must not pass for the family.
    const std::vector<FontNeed> absent = {needs[0], {"Gothic", "Velmaris No Such Gothic",
                                                     "fonts-ipafont-gothic"}};
    const std::string said = Report(absent, &count);
    EXPECT_EQ(count, 1);
    EXPECT_NE(said.find("Velmaris-A: the Gothic face is missing"), std::string::npos) << said;
    EXPECT_NE(said.find("Velmaris No Such Gothic"), std::string::npos) << said;
    EXPECT_NE(said.find("fonts-ipafont-gothic"), std::string::npos) << said;
    EXPECT_EQ(said.find("IPAGothic"), std::string::npos) << said;
}

}  // namespace
}  // namespace vm
