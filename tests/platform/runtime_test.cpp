#include "platform/runtime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <type_traits>

#include "state/array.h"

namespace vm {

// An error number never turns into an error by itself: a stray int where a
// RuntimeError is expected must not compile.
static_assert(!std::is_convertible_v<int, RuntimeError>);

TEST(Str, WritesNumbersAsTheRunTimeDoes) {
    const struct {
        float v;
        const char* text;
    } cases[] = {
        {8, " 8"},          {-3, "-3"},           {0.5f, " .5"},     {-0.25f, "-.25"},
        {0, " 0"},          {219.5015f, " 219.5015"}, {144, " 144"},  {20.6f, " 20.6"},
        {8.2f, " 8.2"},     {1.0f / 3, " .3333333"},  {6381.776f, " 6381.776"},
        {48180.87f, " 48180.87"}, {32767, " 32767"},  {1234567, " 1234567"},
        {1.0e7f, " 1E+07"}, {-2.5e-8f, "-2.5E-08"},
    };
    for (const auto& c : cases) EXPECT_EQ(Str(c.v), c.text) << c.v;
}

TEST(Val, ReadsTheLeadingNumber) {
    const struct {
        const char* text;
        float v;
    } cases[] = {
        {"", 0},   {"-", 0},    {".", 0},      {"12", 12},   {" 12", 12}, {"-6", -6},
        {"2/4", 2}, {"1.5", 1.5f}, {".75", .75f}, {"3abc", 3}, {"abc", 0}, {"1.2.3", 1.2f},
    };
    for (const auto& c : cases) EXPECT_FLOAT_EQ(Val(c.text), c.v) << c.text;
}

TEST(CheckedArithmetic, RaisesRunTimeErrors) {
    EXPECT_THROW(Div(1, 0), RuntimeError);
    EXPECT_FLOAT_EQ(Div(3, 4), 0.75f);
    try {
        Div(1, 0);
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), kDivByZero);
        EXPECT_GT(e.line(), 0);
    }
    EXPECT_THROW(Sqr(-1), RuntimeError);
    EXPECT_FLOAT_EQ(Sqr(144), 12);
    EXPECT_THROW(Chk(std::numeric_limits<float>::infinity()), RuntimeError);
    EXPECT_THROW(Chk(std::nanf("")), RuntimeError);
    EXPECT_THROW(Pow(0, -1), RuntimeError);
    EXPECT_FLOAT_EQ(Pow(2, 10), 1024);
}

// The error stop names the line that asked for the check, not a line inside
// the check: every checked operation takes its caller's place.
TEST(CheckedArithmetic, ErrorsNameTheCallersFileAndLine) {
    Arr<float> a;
    a.Dim(3);
    Arr<float> b;
    b.Dim(2, 2);
    const struct {
        const char* name;
        int line;
        std::function<void()> fault;
    } cases[] = {
        {"Chk", __LINE__, [] { Chk(std::numeric_limits<float>::infinity()); }},
        {"Div", __LINE__, [] { Div(1, 0); }},
        {"Sqr", __LINE__, [] { Sqr(-1); }},
        {"Pow", __LINE__, [] { Pow(0, -1); }},
        {"CInt", __LINE__, [] { CInt(40000); }},
        {"CLng", __LINE__, [] { CLng(3e9f); }},
        {"array", __LINE__, [&a] { a(4) = 1; }},
        {"table", __LINE__, [&b] { b(1, 3) = 1; }},
        {"error", __LINE__, [] { throw RuntimeError(kInternal); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            c.fault();
            ADD_FAILURE() << "no error";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.line(), c.line);
            EXPECT_STREQ(e.file(), __FILE__);
            EXPECT_NE(std::string(e.what()).find(std::string(__FILE__) + ":" +
                                                 std::to_string(c.line)),
                      std::string::npos)
                << e.what();
        }
    }
}

TEST(WholeNumbers, IntIsFloorAndCIntRoundsWithoutOverflow) {
    EXPECT_EQ(Int(2.7f), 2);
    EXPECT_EQ(Int(-2.2f), -3);
    EXPECT_EQ(CInt(2.6f), 3);
    EXPECT_EQ(CInt(-2.6f), -3);
    EXPECT_EQ(CInt(32767), 32767);
    EXPECT_THROW(CInt(32768), RuntimeError);
    EXPECT_THROW(CInt(-40000), RuntimeError);
    EXPECT_THROW(CInt(std::nanf("")), RuntimeError);
}

}  // namespace vm
