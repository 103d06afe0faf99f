// Velmaris-D's fourth lesson, the answers to chapter problems A.
#include "lessons/survey/chapter.h"

#include <gtest/gtest.h>

#include "formula/formula.h"
#include "support/log.h"
#include "support/rig.h"
#include "support/scene.h"

namespace vm::test {
namespace {

const std::vector<SceneCase>& Scenes() {
    static const std::vector<SceneCase> scenes = {
        {1, 1,
         {{kAt, "P220(章の問題A)", 108 + (484 - SurveyEnd("P220(章の問題A)", 0)) / 2, 30, 0},
          {kAt, "1", 636 + (40 - 27) / 2.0f, 30, 13},
          {kAt, "(1)　", 36, 90, 0},
          {kAfter, "標本調査", 0, 90, 5},
          {kAt, "(2)　", 36, 150, 0},
          {kAfter, "全数調査", 0, 150, 5},
          {kAt, "(3)　", 36, 210, 0},
          {kAfter, "標本調査", 0, 210, 5},
          {kAt, "(4)　", 36, 270, 0},
          {kAfter, "全数調査", 0, 270, 5}}},
        {2, 4,
         {{kAt, "P220(章の問題A)", 30 + (484 - SurveyEnd("P220(章の問題A)", 0)) / 2, 20, 0},
          {kAt, "2", 558 + (40 - 27) / 2.0f, 20, 13},
          {kLabel, "1回目", 204 + (120 - SurveyEnd("1回目", 0)) / 2, 83, 3},
          {kLabel, "赤玉", 84 + (120 - 68) / 2.0f, 133, 5},
          {kLabel, "100", 804 + (120 - 81) / 2.0f, 133, 5},
          {kLabel, "白玉", 84 + (120 - 68) / 2.0f, 183, 15},
          {kLabel, "50", 804 + (120 - 54) / 2.0f, 183, 15},
          {kAt, "(1)", 30, 240, 7},
          {kAfter, "100/5=", 0, 240, 0},
          {kAfter, "20(個)", 0, 240, 5},
          {kAt, "(2)", 30, 310, 7},
          {kAfter, "ﾀ20/30ﾀ=", 0, 310, 0},
          {kAfter, "ﾀ2/3ﾀ", 0, 310, 5},
          {kAt, "(3)", 30, 380, 7},
          {kAfter, "赤玉は、", 0, 380, 3},
          {kAfter, "600*ﾀ2/3ﾀ=", 0, 380, 0},
          {kAfter, "400", 0, 380, 3},
          {kAt, "白玉は、", 84, 440, 3},
          {kAfter, "600-400=", 0, 440, 0},
          {kAfter, "200", 0, 440, 3},
          {kAt, "答 赤玉…およそ400個,白玉…およそ200個", 84, 520, 5}}},
        {3, 2,
         {{kAt, "3", 636 + (40 - 27) / 2.0f, 30, 13},
          {kAt, "白色のボールの個数をx個とすると", 108, 90, 0},
          {kAt, "3:30=50:(x+50)", 108, 150, 0},
          {kAt, "3(x+50)=1500", 108, 210, 0},
          {kAt, "3x+150=1500", 108, 270, 0},
          {kAt, "3x=1500-150=1350", 108, 330, 0},
          {kAt, " x=ﾀ1350/3ﾀ=", 108, 400, 0},
          {kAfter, "450", 0, 400, 3},
          {kAt, "答 およそ450個", 108, 480, 5}}},
        {4, 2,
         {{kAt, "4", 636 + (40 - 27) / 2.0f, 30, 13},
          {kAt, "適切ではない。", 108, 90, 5},
          {kAt, "アンケート調査をすれば、若者のデータが多く集まり、", 108, 150, 0},
          {kAt, "かたよったデータを抽出したことになってしまう。", 108, 210, 0},
          {kAt, "標本を無作為に抽出したことにはならないため、", 108, 270, 0},
          {kAt, "日本に住んでいる人たちの傾向はつかめない。", 108, 330, 0}}},
    };
    return scenes;
}

class ChapterScene : public ::testing::TestWithParam<SceneCase> {};

TEST_P(ChapterScene, WaitsAndTextsInOrder) { CheckScene(ProgramD(), 4, GetParam()); }

INSTANTIATE_TEST_SUITE_P(Chapter, ChapterScene, ::testing::ValuesIn(Scenes()), SceneName);

TEST(ChapterLesson, BoxesOfTheHeadAndTheTable) {
    Rig r(ProgramD());
    r.AnyKeys(4);
    ASSERT_TRUE(r.Run(RunRedAndWhiteBallAnswers));
    const auto& log = r.Log();
    EXPECT_EQ(Find(log, [](const Op& op) { return IsFilledBox(op, 30, 17, 514, 67, 13); }).size(),
              1u);
    EXPECT_EQ(Find(log, [](const Op& op) { return IsFilledBox(op, 558, 17, 598, 67, 3); }).size(),
              1u);
    // 21 cells from (84, 80) to (924, 230), borders 7; the white row filled 4.
    size_t cells = 0;
    for (const Op& op : OfKind(log, Op::FillBox)) {
        if (op.colour != 7) continue;
        ++cells;
        EXPECT_GE(op.x1, 84);
        EXPECT_LE(op.x2, 924);
        EXPECT_EQ(op.y2 - op.y1, 50);
        EXPECT_EQ(op.fill, op.y1 == 180 ? 4 : 15);
    }
    EXPECT_EQ(cells, 21u);
    EXPECT_EQ(r.s.T_sa(0), "白玉");
    // "100/5=" shows the division sign.
    EXPECT_NE(FindText(log, "100÷5="), kNone);
}

}  // namespace
}  // namespace vm::test
