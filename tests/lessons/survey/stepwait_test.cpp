// Velmaris-D's step wait and bottom band.
#include "frame/frame.h"
#include <gtest/gtest.h>

#include "formula/formula.h"
#include "support/log.h"
#include "support/rig.h"

namespace vm::test {
namespace {

TEST(SurveyStepWait, BoxPromptAndEraseInTheirPlaces) {
    Rig r(ProgramD());
    r.Keys("{Any}");
    r.p.SetDrawWidth(20);
    r.s.CCC1 = 11;
    WaitForKey(r.s);
    const auto& log = r.p.Log();
    ASSERT_GE(log.size(), 4u);
    // Filled in 4, then outlined in 13: two operations at pen width 3.
    EXPECT_EQ(Describe(log[0]), "F 96,639-400,675 c4/4");
    EXPECT_EQ(log[0].width, 3);
    EXPECT_EQ(log[1].kind, Op::Box);
    EXPECT_EQ(log[1].x1, 96);
    EXPECT_EQ(log[1].y1, 639);
    EXPECT_EQ(log[1].x2, 400);
    EXPECT_EQ(log[1].y2, 675);
    EXPECT_EQ(log[1].colour, 13);
    EXPECT_EQ(log[1].width, 3);
    std::string prompt;
    for (size_t i = 2; i + 1 < log.size(); ++i) {
        ASSERT_EQ(log[i].kind, Op::Text);
        EXPECT_EQ(log[i].colour, 9);
        EXPECT_EQ(log[i].y1, 648);
        prompt += log[i].text;
    }
    EXPECT_EQ(log[2].x1, 128);
    EXPECT_EQ(prompt, "何かキーを押して下さい。");
    EXPECT_EQ(Describe(log.back()), "F 0,639-400,675 c15/15");
    // Colour and pen width as before; the pen at the prompt's end.
    EXPECT_EQ(r.s.CCC1, 11);
    EXPECT_EQ(r.p.GetDrawWidth(), 20);
    EXPECT_EQ(r.s.Y, 648);
    EXPECT_TRUE(r.s.AA_s.empty());
}

TEST(SurveyStepWait, TouchesNothingRightOf400OrAbove639) {
    Rig r(ProgramD());
    r.Keys("{Any}");
    WaitForKey(r.s);
    for (const Op& op : r.p.Log()) {
        EXPECT_LE(std::max(op.x1, op.x2), 400);
        EXPECT_GE(op.y1, 639);
        if (op.kind != Op::Text) {
            EXPECT_LE(std::max(op.y1, op.y2), 675);
        }
    }
}

TEST(SurveyStepWait, AnyKeyEndsItAndIsUsedUp) {
    for (const char* k : {"{Enter}", "{Left}", "{Right}", "{Up}", "{Down}", "{BS}", "{Del}", "a",
                          "7", "/"}) {
        SCOPED_TRACE(k);
        Rig r(ProgramD());
        r.Keys(std::string(k) + "q");
        WaitForKey(r.s);
        EXPECT_EQ(r.s.I_s, ParseKeys(k).at(0));
        // The key typed ahead waits for the next wait.
        EXPECT_EQ(r.p.PendingKeys(), 1u);
        WaitForKey(r.s);
        EXPECT_EQ(r.s.I_s, "q");
        EXPECT_EQ(r.p.PendingKeys(), 0u);
    }
}

TEST(SurveyStepWait, BottomBandStartsAtTheWaitBoxesTop) {
    Rig d(ProgramD());
    EraseBottomLine(d.s);
    EXPECT_EQ(d.Ops(), std::vector<std::string>{"F 0,639-992,720 c15/15"});
    Rig a(ProgramA());
    EraseBottomLine(a.s);
    EXPECT_EQ(a.Ops(), std::vector<std::string>{"F 0,657-992,720 c15/15"});
}

}  // namespace
}  // namespace vm::test
