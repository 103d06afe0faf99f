#include <gtest/gtest.h>

#include "formula/formula.h"
#include "state/binding.h"
#include "support/log.h"
#include "support/rig.h"

namespace vm::test {
namespace {

struct FractionNotation {
    float ds, db;
    float yak, yak1, rds, rdb;
    const char* a1;
    const char* a2;
    const char* a21;
    const char* a3;
    const char* a31;
    const char* fds1;
    const char* tkai1;
    const char* tkai2;
};

const FractionNotation kNotations[] = {
    {-6, 8, 2, -1, -3, 4, "ﾀ-6/8ﾀ", "-ﾀ3/4ﾀ", "-ﾀ3/4ﾀ", "ﾀ-6/8ﾀ=-ﾀ3/4ﾀ", "ﾀ-6/8ﾀ=-ﾀ3/4ﾀ", "",
     "-3/4", "-3/4"},
    {4, 6, 2, 1, 2, 3, "ﾀ4/6ﾀ", "ﾀ2/3ﾀ", "+ﾀ2/3ﾀ", "ﾀ4/6ﾀ=ﾀ2/3ﾀ", "+ﾀ4/6ﾀ=+ﾀ2/3ﾀ", "+", "2/3",
     "+2/3"},
    {3, 2, 3, 1, 3, 2, "ﾀ3/2ﾀ", "ﾀ3/2ﾀ", "+ﾀ3/2ﾀ", "ﾀ3/2ﾀ", "+ﾀ3/2ﾀ", "+", "3/2", "+3/2"},
    {4, 2, 1, 1, 2, 1, "ﾀ4/2ﾀ", "2", "+2", "ﾀ4/2ﾀ=2", "+ﾀ4/2ﾀ=+2", "+", "2", "+2"},
    {2, 2, 1, 1, 1, 1, "ﾀ2/2ﾀ", "1", "+1", "ﾀ2/2ﾀ=1", "+ﾀ2/2ﾀ=+1", "+", "1", "+1"},
    {-5, 1, 1, -1, -5, 1, "ﾀ-5/1ﾀ", "-5", "-5", "ﾀ-5/1ﾀ=-5", "ﾀ-5/1ﾀ=-5", "", "-5", "-5"},
    {7, -1, 1, -1, -7, 1, "ﾀ7/-1ﾀ", "-7", "-7", "ﾀ7/-1ﾀ=-7", "ﾀ7/-1ﾀ=-7", "", "-7", "-7"},
    {0, 5, 1, 1, 0, 1, "ﾀ0/5ﾀ", "0", "+0", "ﾀ0/5ﾀ=0", "+ﾀ0/5ﾀ=+0", "+", "0", "+0"},
    {-2, -3, 2, 1, 2, 3, "ﾀ-2/-3ﾀ", "ﾀ2/3ﾀ", "+ﾀ2/3ﾀ", "ﾀ-2/-3ﾀ=ﾀ2/3ﾀ", "+ﾀ-2/-3ﾀ=+ﾀ2/3ﾀ",
     "+", "2/3", "+2/3"},
    {3, -4, 2, -1, -3, 4, "ﾀ3/-4ﾀ", "-ﾀ3/4ﾀ", "-ﾀ3/4ﾀ", "ﾀ3/-4ﾀ=-ﾀ3/4ﾀ", "ﾀ3/-4ﾀ=-ﾀ3/4ﾀ", "",
     "-3/4", "-3/4"},
    {12, 5, 3, 1, 12, 5, "ﾀ12/5ﾀ", "ﾀ12/5ﾀ", "+ﾀ12/5ﾀ", "ﾀ12/5ﾀ", "+ﾀ12/5ﾀ", "+", "12/5",
     "+12/5"},
};

TEST(BuildFractionStrings, ReducesAndWritesEveryForm) {
    for (const auto& c : kNotations) {
        Rig r;
        r.s.DS = c.ds;
        r.s.DB = c.db;
        BuildFractionStrings(r.s);
        const std::string what = Num(c.ds) + "/" + Num(c.db);
        EXPECT_EQ(r.s.YAK, c.yak) << what;
        EXPECT_EQ(r.s.YAK1, c.yak1) << what;
        EXPECT_EQ(r.s.DS, c.rds) << what;
        EXPECT_EQ(r.s.DB, c.rdb) << what;
        EXPECT_EQ(r.s.E1, c.rds) << what;
        EXPECT_EQ(r.s.E2, c.rdb) << what;
        EXPECT_EQ(r.s.DS1, c.ds) << what;
        EXPECT_EQ(r.s.DB1, c.db) << what;
        EXPECT_EQ(r.s.A1_s, c.a1) << what;
        EXPECT_EQ(r.s.A2_s, c.a2) << what;
        EXPECT_EQ(r.s.A21_s, c.a21) << what;
        EXPECT_EQ(r.s.A3_s, c.a3) << what;
        EXPECT_EQ(r.s.A31_s, c.a31) << what;
        EXPECT_EQ(r.s.FDS1_s, c.fds1) << what;
        EXPECT_EQ(r.s.TKAI1_s, c.tkai1) << what;
        EXPECT_EQ(r.s.TKAI2_s, c.tkai2) << what;
        EXPECT_EQ(r.s.A_s, c.tkai2) << what;
        EXPECT_TRUE(r.p.Log().empty()) << what;
    }
}

TEST(BuildFractionStrings, WorkedExampleScratch) {
    Rig r;
    r.s.DS = -6;
    r.s.DB = 8;
    BuildFractionStrings(r.s);
    EXPECT_EQ(r.s.X1, 2);
    EXPECT_EQ(r.s.X2, 0);
    EXPECT_EQ(r.s.X3, 2);
    EXPECT_EQ(r.s.X4, 24);
    EXPECT_EQ(r.s.LB8, 48);
    EXPECT_EQ(r.s.DS1_s, "-6");
    EXPECT_EQ(r.s.DA1_s, "8");
    EXPECT_EQ(r.s.DS_s, "3");
    EXPECT_EQ(r.s.DB_s, "4");
    EXPECT_EQ(r.s.LEM, 2);
}

TEST(BuildFractionStrings, WholeDenominatorSkipsTheReduction) {
    Rig r;
    r.s.X1 = 11, r.s.X2 = 12, r.s.X3 = 13, r.s.X4 = 14, r.s.LB8 = 15;
    r.s.DS = -5;
    r.s.DB = 1;
    BuildFractionStrings(r.s);
    EXPECT_EQ(r.s.X1, 11);
    EXPECT_EQ(r.s.X4, 14);
    EXPECT_EQ(r.s.LB8, 15);
}

TEST(BuildFractionStrings, ZeroDenominatorStopsTheProgram) {
    Rig r;
    r.s.DS = 5;
    r.s.DB = 0;
    EXPECT_THROW(BuildFractionStrings(r.s), RuntimeError);
}

TEST(GcdLcm, Euclid) {
    const struct {
        float a, b, gcd, lcm;
    } cases[] = {{6, 8, 2, 24}, {8, 6, 2, 24}, {3, 2, 1, 6}, {0, 5, 5, 0}, {7, 7, 7, 7},
                 {1, 9, 1, 9},  {12, 18, 6, 36}};
    for (const auto& c : cases) {
        Rig r;
        r.s.DS = c.a;
        r.s.DB = c.b;
        GcdLcm(r.s);
        EXPECT_EQ(r.s.X3, c.gcd) << c.a << "," << c.b;
        EXPECT_EQ(r.s.X4, c.lcm) << c.a << "," << c.b;
        EXPECT_EQ(r.s.X1, c.gcd);
        EXPECT_EQ(r.s.X2, 0);
        EXPECT_EQ(r.s.LB8, c.a * c.b);
        EXPECT_EQ(r.s.DS, c.a);
        EXPECT_EQ(r.s.DB, c.b);
    }
}

TEST(GcdLcm, NeverHangs) {
    Rig r;
    r.s.DS = 0;
    r.s.DB = 0;
    EXPECT_THROW(GcdLcm(r.s), RuntimeError);  // 0 / 0 for the multiple
    r.s.DS = 1.0f / 3;
    r.s.DB = 0.1f;
    try {
        GcdLcm(r.s);  // may end or stop, but returns either way
    } catch (const RuntimeError&) {
    }
}

TEST(StripMarkup, RemovesMarkupKeepsTheRest) {
    const struct {
        const char* in;
        const char* out;
    } cases[] = {{"+ﾀ12/5ﾀ", "+12/5"}, {"!2ﾝ", "!2"}, {"x^2=ﾀ1/2ﾀ", "x21/2"},
                 {"a=b=c", "abc"},   {"", ""},       {"三^ﾀ角", "三角"}};
    for (const auto& c : cases) {
        Rig r;
        r.s.A_s = c.in;
        StripMarkup(r.s);
        EXPECT_EQ(r.s.A_s, c.out) << c.in;
    }
}

}  // namespace
}  // namespace vm::test
