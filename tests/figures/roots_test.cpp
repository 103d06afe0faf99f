#include "figures/figures.h"
#include "state/binding.h"
#include "support/log.h"
#include "support/rig.h"

namespace vm::test {

using Roots = RigTest;

TEST_F(Roots, SimplifiedForms) {
    const struct {
        float n, a, b;
        const char *ra, *ra1, *rab, *rabm, *r1b;
    } cases[] = {
        {8, 2, 2, "2", "! 2", "2!2ﾝ", "!8ﾝ=", "!2ﾝ"},
        {12, 2, 3, "2", "! 3", "2!3ﾝ", "!12ﾝ=", "!3ﾝ"},
        {50, 5, 2, "5", "! 2", "5!2ﾝ", "!50ﾝ=", "!2ﾝ"},
        {7, 1, 7, "", "! 7", "!7ﾝ", "", "!7ﾝ"},
        {16, 4, 1, "4", "", "4ﾝ", "!16ﾝ=", "ﾝ"},
        {1, 1, 1, "1", "", "1ﾝ", "", "ﾝ"},
        {72, 6, 2, "6", "! 2", "6!2ﾝ", "!72ﾝ=", "!2ﾝ"},
        {1000, 10, 10, "10", "! 10", "10!10ﾝ", "!1000ﾝ=", "!10ﾝ"},
        {44521, 1, 44521, "", "! 44521", "!44521ﾝ", "", "!44521ﾝ"},   // 211²: k stops at 200
        {44944, 212, 1, "212", "", "212ﾝ", "!44944ﾝ=", "ﾝ"},          // 212² = 2²·106²
        {45, 3, 5, "3", "! 5", "3!5ﾝ", "!45ﾝ=", "!5ﾝ"},
    };
    for (const auto& c : cases) {
        s.R1B = c.n;
        SimplifySquareRoot(s);
        EXPECT_EQ(s.R1A, c.a) << c.n;
        EXPECT_EQ(s.R1B, c.b) << c.n;
        EXPECT_EQ(s.R1B1, c.n);
        EXPECT_EQ(s.R1I, 201);
        EXPECT_EQ(s.R1A_s, c.ra) << c.n;
        EXPECT_EQ(s.R1A1_s, c.ra1) << c.n;
        EXPECT_EQ(s.RAB_s, c.rab) << c.n;
        EXPECT_EQ(s.RABM_s, c.rabm) << c.n;
        EXPECT_EQ(s.R1B_s, c.r1b) << c.n;
    }
    EXPECT_TRUE(p.Log().empty());
}

TEST_F(Roots, ZeroAndFractionsEndInsteadOfLooping) {
    s.R1B = 0;
    SimplifySquareRoot(s);
    EXPECT_EQ(s.R1B, 0);
    EXPECT_EQ(s.R1A, 1);
    EXPECT_EQ(s.RAB_s, "!0ﾝ");
    EXPECT_EQ(s.RABM_s, "");
    for (float n : {0.3f, 8.5f, -8.0f, 1e6f}) {
        s.R1B = n;
        SimplifySquareRoot(s);
        EXPECT_EQ(s.R1I, 201) << n;
    }
    EXPECT_EQ(s.R1A, 1000);  // 10⁶ = 1000²
    s.R1B = 3e9f;  // beyond a 32-bit whole number
    EXPECT_THROW(SimplifySquareRoot(s), RuntimeError);
}

}  // namespace vm::test
