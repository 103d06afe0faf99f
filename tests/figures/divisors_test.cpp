#include "figures/figures.h"
#include "state/binding.h"
#include "support/log.h"
#include "support/rig.h"

namespace vm::test {

using Divisors = RigTest;

TEST_F(Divisors, PairsOfDivisors) {
    const struct {
        float d;
        std::vector<float> xs;
        float kosuu;
    } cases[] = {
        {12, {1, 2, 3, 4, 6, 12}, 3},
        {-12, {1, 2, 3, 4, 6, 12}, 3},
        {13, {1, 13}, 1},
        {1, {1}, 0},
        {36, {1, 2, 3, 4, 6, 9, 12, 18, 36}, 4},  // 4.5 rounds to even
    };
    for (const auto& c : cases) {
        s.DY = c.d;
        ListDivisorPairs(s);
        EXPECT_EQ(s.DY, std::fabs(c.d));
        ASSERT_EQ(s.P_n, static_cast<float>(c.xs.size())) << c.d;
        for (size_t k = 0; k < c.xs.size(); ++k) {
            EXPECT_EQ(s.X_a(static_cast<double>(k + 1)), c.xs[k]);
            EXPECT_EQ(s.Y_a(static_cast<double>(k + 1)), std::fabs(c.d) / c.xs[k]);
        }
        EXPECT_EQ(s.KOSUU, c.kosuu);
        EXPECT_EQ(s.II, std::fabs(c.d) + 1);
    }
}

TEST_F(Divisors, MoreDivisorsThanTheTablesIsARunTimeError) {
    s.DY = 2520;  // 48 divisors
    EXPECT_THROW(ListDivisorPairs(s), RuntimeError);
}

TEST_F(Divisors, PrimeFactors) {
    const struct {
        float n;
        std::vector<std::pair<float, float>> rows;
        float rest;
    } cases[] = {
        {360, {{2, 3}, {3, 2}, {5, 1}}, 1},
        {58, {{2, 1}}, 29},
        {-12, {{2, 2}, {3, 1}}, 1},
        {46, {{2, 1}, {23, 1}}, 1},
        {29, {}, 29},
        {1, {}, 1},
        {0, {}, 0},  // zero ends at once
    };
    for (const auto& c : cases) {
        s.G_a(5, 1) = 99;
        s.SOSU = c.n;
        FactorIntoPrimes(s);
        ASSERT_EQ(s.Q, static_cast<float>(c.rows.size())) << c.n;
        for (size_t q = 0; q < c.rows.size(); ++q) {
            EXPECT_EQ(s.G_a(static_cast<double>(q + 1), 1), c.rows[q].first);
            EXPECT_EQ(s.G_a(static_cast<double>(q + 1), 2), c.rows[q].second);
        }
        EXPECT_EQ(s.G_a(5, 1), 0);  // every row rewritten
        EXPECT_EQ(s.G_a(10, 1), c.rest);
        EXPECT_EQ(s.G_a(10, 2), 1);
        EXPECT_EQ(s.SOSU, std::fabs(c.n));
        EXPECT_EQ(s.SOSU1, std::fabs(c.n));
        EXPECT_EQ(s.R_a(10), 29);
    }
}

TEST_F(Divisors, FactorLadder) {
    const struct {
        float n;
        std::vector<std::string> texts;
    } cases[] = {
        {12, {"2)", " 12", " 6", "2)", " 6", " 3"}},
        {8, {"2)", " 8", " 4", "2)", " 4", " 2"}},
        {30, {"2)", " 30", " 15", "3)", " 15", " 5"}},
    };
    for (const auto& c : cases) {
        p.ClearLog();
        s.SOSU = c.n;
        FactorIntoPrimes(s);
        s.XTAKE = 100, s.YTAKE = 100, s.NASI = 0;
        DrawFactorLadder(s);
        std::string want, got;
        for (const auto& t : c.texts)
            for (char ch : t)
                if (ch != ' ') want += ch;  // blanks take room but draw nothing
        for (const Op& o : OfKind(Op::Text)) got += o.text;
        EXPECT_EQ(got, want);
        EXPECT_EQ(Count(Op::Line), 2u);  // one bar per row
        EXPECT_EQ(s.YTAKE, 228);        // 64 a row
        EXPECT_EQ(s.NASI, 0);
        EXPECT_EQ(s.CCC1, 0);
        EXPECT_EQ(Str(s.TA), c.texts.back());  // the last quotient
    }
}

TEST_F(Divisors, LadderNumbersEndInOneColumn) {
    s.SOSU = 12;
    FactorIntoPrimes(s);
    s.XTAKE = 100, s.YTAKE = 100, s.NASI = 0;
    DrawFactorLadder(s);
    const auto lines = OfKind(Op::Line);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].x1, 130);
    EXPECT_EQ(lines[0].x2, 220);  // under " 12", three characters of 30
    EXPECT_EQ(lines[0].y1, 146);
    EXPECT_EQ(lines[1].y1, 210);
}

TEST_F(Divisors, LadderWaitsTwicePerRowWhenAsked) {
    s.SOSU = 12;
    FactorIntoPrimes(s);
    s.XTAKE = 100, s.YTAKE = 100, s.NASI = 1;
    p.PushKeys(ParseKeys("{Any}{Any}{Any}{Any}"));
    DrawFactorLadder(s);
    EXPECT_EQ(p.PendingKeys(), 0u);
    EXPECT_EQ(s.NASI, 0);
    s.SOSU = 12;
    s.YTAKE = 100, s.NASI = 1;
    p.PushKeys(ParseKeys("{Any}{Any}{Any}"));
    EXPECT_THROW(DrawFactorLadder(s), WindowClosed);  // a fourth wait
}

TEST_F(Divisors, LadderWithoutPrimeRowsDrawsNothing) {
    for (float n : {29.0f, 1.0f, 0.0f}) {
        p.ClearLog();
        s.SOSU = n;
        FactorIntoPrimes(s);
        s.XTAKE = 100, s.YTAKE = 100, s.NASI = 1;
        DrawFactorLadder(s);
        EXPECT_TRUE(p.Log().empty());
        EXPECT_EQ(s.YTAKE, 100);
        EXPECT_EQ(s.NASI, 0);
    }
}

}  // namespace vm::test
