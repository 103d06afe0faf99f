#include <gtest/gtest.h>

#include "frame/frame.h"
#include "platform/sjis.h"
#include "state/binding.h"
#include "support/log.h"
#include "support/rig.h"

namespace vm {
namespace {

std::string Shown(State& s, const std::string& ch) {
    s.B_s = ch;
    ToDisplayChar(s);
    return s.B_s;
}

TEST(ToDisplayChar, MapsSingleCharacters) {
    test::MenuRig r;
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"A", "Α"},  {"x", "χ"},  {"y", "ｙ"}, {"z", "z"},  {"Z", "Ｚ"}, {"X", "Ｘ"},
        {"ﾀ", "―"},  {"-", "－"}, {"&", "π"},  {"?", "∽"},  {"$", "≡"},  {"@", "±"},
        {"[", "≦"},  {"]", "≧"},  {"%", "°"},  {".", "．"}, {"*", "×"},  {"/", "÷"},
        {"!", "√"},  {"'", "∠"},  {"~", "△"},  {":", "："}, {" ", "　"}, {"①", "①"},
        {"番", "番"}, {"^", "^"},  {"ﾝ", "ﾝ"},  {"\"", "\""}, {"#", "#"}, {";", ";"},
        {"_", "_"},  {"{", "{"},  {"|", "|"},  {"}", "}"},  {"　", "　"},
    };
    for (const auto& c : cases) EXPECT_EQ(Shown(r.s, c.in), c.out) << c.in;
}

TEST(ToDisplayChar, TablesStayAligned) {
    // A character missing from either table would shift every one after it.
    test::MenuRig r;
    const struct {
        const char* in;
        const char* out;
    } rows[] = {
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", "ΑＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹＺ"},
        {"abcdefghijklmnopqrstuvwxyz", "ａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗχｙz"},
        {"0123456789", "０１２３４５６７８９"},
        {"*/+-=.?()!$@&'[]<>,%~:", "×÷＋－＝．∽（）√≡±π∠≦≧＜＞，°△："},
    };
    for (const auto& row : rows) {
        std::string out;
        for (const auto& ch : Chars(row.in)) out += Shown(r.s, ch);
        EXPECT_EQ(out, row.out);
    }
}

TEST(StripSpaces, RemovesOnlyHalfWidthBlanks) {
    test::MenuRig r;
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {" 12", "12"}, {"-3", "-3"}, {"1 2 ", "12"}, {"", ""}, {"   ", ""},
        {"　a　", "　a　"}, {" .5", ".5"}, {"x ^2 = 9", "x^2=9"},
    };
    for (const auto& c : cases) {
        r.s.A_s = c.in;
        StripSpaces(r.s);
        EXPECT_EQ(r.s.A_s, c.out) << '"' << c.in << '"';
    }
}

}  // namespace
}  // namespace vm
