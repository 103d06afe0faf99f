#include "platform/sjis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <type_traits>
#include <vector>

namespace vm {

namespace {

// The helpers as first written: split the text into one string per
// character, then count. Slow but plainly right, so the in-place walks are
// checked against it.
namespace ref {

std::vector<std::string> Split(const std::string& s) {
    std::vector<std::string> out;
    for (size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        size_t n = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3
                              : (c & 0xF8) == 0xF0   ? 4 : 1;
        n = std::min(n, s.size() - i);
        out.push_back(s.substr(i, n));
        i += n;
    }
    return out;
}

std::vector<int> Starts(const std::vector<std::string>& c) {
    std::vector<int> start;
    int pos = 1;
    for (const auto& ch : c) {
        start.push_back(pos);
        pos += CharBytes(ch);
    }
    start.push_back(pos);  // one past the end: the byte count plus one
    return start;
}

std::string Join(const std::vector<std::string>& c, size_t from, size_t to) {
    std::string out;
    for (size_t i = from; i < to && i < c.size(); ++i) out += c[i];
    return out;
}

int Len(const std::string& s) { return Starts(Split(s)).back() - 1; }

std::string Mid(const std::string& s, int pos, int n) {
    if (pos < 1) pos = 1;
    const auto c = Split(s);
    const auto start = Starts(c);
    const int last = n < 0 ? Len(s) : pos + n - 1;
    std::string out;
    for (size_t i = 0; i < c.size(); ++i)
        if (start[i] >= pos && start[i] <= last) out += c[i];
    return out;
}

std::string Left(const std::string& s, int n) { return n <= 0 ? "" : Mid(s, 1, n); }

std::string Right(const std::string& s, int n) {
    if (n <= 0) return "";
    return n >= Len(s) ? s : Mid(s, Len(s) - n + 1, -1);
}

int Instr(const std::string& s, const std::string& find, int start) {
    const auto c = Split(s);
    const auto f = Split(find);
    const auto at = Starts(c);
    if (start < 1) start = 1;
    if (f.empty()) return start <= Len(s) + 1 ? start : 0;
    for (size_t i = 0; i + f.size() <= c.size(); ++i)
        if (at[i] >= start && std::equal(f.begin(), f.end(), c.begin() + static_cast<long>(i)))
            return at[i];
    return 0;
}

int KLen(const std::string& s) { return static_cast<int>(Split(s).size()); }

std::string KMid(const std::string& s, int pos, int n) {
    const auto c = Split(s);
    if (pos < 1) pos = 1;
    const size_t from = static_cast<size_t>(pos - 1);
    if (from >= c.size()) return "";
    return Join(c, from, n < 0 ? c.size() : from + static_cast<size_t>(n));
}

std::string KLeft(const std::string& s, int n) { return n <= 0 ? "" : KMid(s, 1, n); }

std::string KRight(const std::string& s, int n) {
    const auto c = Split(s);
    if (n <= 0) return "";
    if (static_cast<size_t>(n) >= c.size()) return s;
    return Join(c, c.size() - static_cast<size_t>(n), c.size());
}

int KInstr(const std::string& s, const std::string& find, int start) {
    const auto c = Split(s);
    const auto f = Split(find);
    if (start < 1) start = 1;
    if (f.empty()) return static_cast<size_t>(start) <= c.size() + 1 ? start : 0;
    for (size_t i = static_cast<size_t>(start - 1); i + f.size() <= c.size(); ++i)
        if (std::equal(f.begin(), f.end(), c.begin() + static_cast<long>(i)))
            return static_cast<int>(i) + 1;
    return 0;
}

}  // namespace ref

// Bytes outside ASCII as \xNN, so a failure names the text it failed on.
std::string Show(const std::string& s) {
    std::string out = "\"";
    for (const char c : s) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x20 && b < 0x7F) {
            out += c;
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", b);
            out += hex;
        }
    }
    return out + "\"";
}

}  // namespace

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

// Every text walked byte by byte must count exactly as the split form did,
// including the malformed texts: stray continuation bytes are characters of
// their own, and a character cut short by the end of the text is still one
// character (a cut "\xE0\xA0" even reads as half-width).
TEST(Cp932Counting, InPlaceWalksCountAsTheSplitForm) {
    const std::vector<std::string> texts = {
        "",
        "a",
        "abc",
        "aaaa",
        "番号を入力",
        "番a号",
        "番番番",
        "ﾀﾝa",
        "ﾀﾀﾀ",
        "x^2ﾀ番",
        "①図で",
        "P=　1",
        "\xF0\xA0\xAE\xB7y\xF0\x9D\x91\xA5",  // 4-byte characters around a "y"
        "\x80",
        "a\x80\xBF-",         // stray continuation bytes
        "\xFFx\xFE",          // bytes that never begin a character
        "番\xE7",             // a 3-byte character cut to 1 byte
        "a\xE3\x81",          // cut to 2 bytes
        "x\xE7\x95",          // the first two bytes of "番"
        "番\xE7\x95番",       // ... in the middle, taking a byte of the next
        "\xE0\xA0",           // cut, and decoded as a blank
        "ab\xF0\x9F\x98",     // a 4-byte character cut to 3 bytes
        "\xC3",
        "\xC3" "A番",         // a 2-byte lead before a byte that does not continue it
    };
    std::vector<std::string> finds = {"\xE3", "\xE3\x81", "\xE7\x95", "\xAA", "\xA0", "\x81", "aa", "番a",
                                      "a番", "ﾀ", "\x9D", "y", "^", "\xBF"};
    finds.insert(finds.end(), texts.begin(), texts.end());

    std::vector<std::string> wrong;
    auto check = [&](const char* what, const std::string& text, const auto& got,
                     const auto& want, const std::string& args) {
        if (got == want) return;
        std::ostringstream line;
        line << what << "(" << Show(text) << args << ")";
        if constexpr (std::is_same_v<std::decay_t<decltype(got)>, std::string>)
            line << " gave " << Show(got) << ", expected " << Show(want);
        else
            line << " gave " << got << ", expected " << want;
        wrong.push_back(line.str());
    };
    for (const auto& t : texts) {
        check("Len", t, Len(t), ref::Len(t), "");
        check("KLen", t, KLen(t), ref::KLen(t), "");
        for (int n = -3; n <= 14; ++n) {
            const std::string a = ", " + std::to_string(n);
            check("Left", t, Left(t, n), ref::Left(t, n), a);
            check("Right", t, Right(t, n), ref::Right(t, n), a);
            check("KLeft", t, KLeft(t, n), ref::KLeft(t, n), a);
            check("KRight", t, KRight(t, n), ref::KRight(t, n), a);
            for (int pos = -2; pos <= 14; ++pos) {
                const std::string b = ", " + std::to_string(pos) + a;
                check("Mid", t, Mid(t, pos, n), ref::Mid(t, pos, n), b);
                check("KMid", t, KMid(t, pos, n), ref::KMid(t, pos, n), b);
            }
        }
        for (const auto& f : finds) {
            for (int start = -1; start <= 14; ++start) {
                const std::string a = ", " + Show(f) + ", " + std::to_string(start);
                check("Instr", t, Instr(t, f, start), ref::Instr(t, f, start), a);
                check("KInstr", t, KInstr(t, f, start), ref::KInstr(t, f, start), a);
            }
        }
    }
    std::ostringstream first;
    for (size_t i = 0; i < std::min<size_t>(wrong.size(), 20); ++i) first << wrong[i] << "\n";
    EXPECT_TRUE(wrong.empty()) << wrong.size() << " differ, first:\n" << first.str();
}

// The width of a single character, cut short ones included, and the codes
// Asc reads from the first character.
TEST(Cp932Counting, WidthAndCodeOfOneCharacter) {
    const struct {
        const char* ch;
        int bytes, code;
    } cases[] = {
        {"a", 1, 0x61},         {"ﾀ", 1, 0xFF80},          {"｡", 1, 0xFF61},
        {"ﾟ", 1, 0xFF9F},       {"｠", 2, 0xFF60},          {"ｰ", 1, 0xFF70},
        {"番", 2, 0x756A},      {"\xF0\xA0\xAE\xB7", 2, 0x20BB7},
        {"\x80", 2, 0x80},      {"\xC3", 2, 0xC3},          {"\xE0\xA0", 1, 0x20},
        {"\xF0\x80\x80", 1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Show(c.ch));
        EXPECT_EQ(CharBytes(c.ch), c.bytes);
        EXPECT_EQ(IsHalfWidth(c.ch), c.bytes == 1);
        EXPECT_EQ(Asc(c.ch), c.code);
    }
}

TEST(Cp932Counting, ChrAndAsc) {
    EXPECT_EQ(Chr(13), "\r");
    EXPECT_EQ(Asc("\x1c"), 28);
    EXPECT_EQ(Asc(""), 0);
    EXPECT_EQ(Asc("A"), 65);
    EXPECT_EQ(Asc("番号"), 0x756A);
}

}  // namespace vm
