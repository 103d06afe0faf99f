#include <gtest/gtest.h>

#include "frame/lesson.h"
#include "state/binding.h"
#include "support/log.h"
#include "support/rig.h"

namespace vm {
namespace {

// The heading, then each sentence 65 px below the one before, on the
// screen as it stands; the cursor is left after the last sentence.
TEST(GoalScreen, HeadingThenSentences65Apart) {
    test::MenuRig r;
    GoalScreen(r.s, {"かき", "く"});
    const auto texts = r.Texts();
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.front().text, "<");
    EXPECT_EQ(texts.front().x1, 44);
    EXPECT_EQ(texts.front().y1, 240);
    EXPECT_EQ(texts.front().colour, 3);
    std::vector<float> rows;
    for (const auto& t : texts) {
        if (t.text == "か" || t.text == "く") {
            EXPECT_EQ(t.x1, 44);
            EXPECT_EQ(t.colour, 0);
            rows.push_back(t.y1);
        }
    }
    EXPECT_EQ(rows, (std::vector<float>{305, 370}));
    EXPECT_EQ(r.s.XI1, 44);
    EXPECT_EQ(r.s.YI1, 370);
    EXPECT_EQ(r.s.XI2, r.s.X);
    EXPECT_GT(r.s.XI2, 44);
    EXPECT_EQ(r.s.CCC1, 0);
    EXPECT_TRUE(r.s.AA_s.empty());
    for (const auto& op : r.p.Log()) EXPECT_NE(op.kind, Op::FillBox) << "nothing is cleared";
}

}  // namespace
}  // namespace vm
