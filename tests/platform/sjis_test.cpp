#include "platform/sjis.h"

#include <gtest/gtest.h>

namespace vm {

TEST(Cp932Counting, HalfWidthIsOneByteEverythingElseTwo) {
    const struct {
        const char* text;
        int bytes, chars;
    } cases[] = {
        {"", 0, 0},          {"abc", 3, 3},      {"ﾀﾝ", 2, 2},    {"番号", 4, 2},
        {"x^2", 3, 3},       {"①図で", 6, 3},    {"P=　1", 5, 4}, {"√", 2, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Len(c.text), c.bytes) << c.text;
        EXPECT_EQ(KLen(c.text), c.chars) << c.text;
    }
    EXPECT_EQ(Len("ﾀ"), 1);
    EXPECT_EQ(Len("―"), 2);
}

TEST(Cp932Counting, CharacterSlicesAreOneBased) {
    EXPECT_EQ(KLeft("番号を入力", 2), "番号");
    EXPECT_EQ(KRight("番号を入力", 2), "入力");
    EXPECT_EQ(KMid("番号を入力", 3, 1), "を");
    EXPECT_EQ(KMid("番号を入力", 3), "を入力");
    EXPECT_EQ(KMid("abc", 5, 1), "");
    EXPECT_EQ(KLeft("abc", 0), "");
    EXPECT_EQ(KRight("abc", 9), "abc");
    EXPECT_EQ(KInstr("3/4", "/"), 2);
    EXPECT_EQ(KInstr("番/号", "/"), 2);
    EXPECT_EQ(KInstr("34", "/"), 0);
}

TEST(Cp932Counting, ByteSlicesCountTwoForFullWidth) {
    // "番" takes bytes 1-2, "a" byte 3, "号" bytes 4-5.
    EXPECT_EQ(Instr("番a号", "a"), 3);
    EXPECT_EQ(Instr("番a号", "号"), 4);
    EXPECT_EQ(Instr(" 0123456789 */", "/"), 14);
    EXPECT_EQ(Instr("abc", "z"), 0);
    EXPECT_EQ(Mid("番a号", 3, 1), "a");
    EXPECT_EQ(Mid("番a号", 4), "号");
    EXPECT_EQ(Left("12:34:56", 2), "12");
    EXPECT_EQ(Mid("12:34:56", 4, 2), "34");
    EXPECT_EQ(Right("12:34:56", 2), "56");
}

TEST(Cp932Counting, ChrAndAsc) {
    EXPECT_EQ(Chr(13), "\r");
    EXPECT_EQ(Asc("\x1c"), 28);
    EXPECT_EQ(Asc(""), 0);
    EXPECT_EQ(Asc("A"), 65);
}

}  // namespace vm
