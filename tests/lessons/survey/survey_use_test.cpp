// Velmaris-D's third lesson, using sample surveys, run as a pupil runs it.
#include "lessons/survey/survey_use.h"

#include <map>

#include <gtest/gtest.h>

#include "formula/formula.h"
#include "support/log.h"
#include "support/rig.h"
#include "support/scene.h"

namespace vm::test {
namespace {

const std::vector<SceneCase>& Scenes() {
    static const std::vector<SceneCase> scenes = {
        {1, 13,
         {{kAt, "ある工場で製造した製品6000個から、500個を無作為に抽出して検査したら", 30, 20,
           0},
          {kAt, "不良品が3個あった。不良品は全部で何個と考えられますか?", 30, 70, 0},
          {kLabel, "母集団(6000個)", 704, 385, 5},
          {kLabel, "標本(500個)", 914, 175, 5},
          {kAt, "<解1>", 30, 120, 7},
          {kAt, "不良品の割合は、", SurveyEnd("<解1>", 30) + 20, 140, 0},
          {kAfter, "ﾀ3/500ﾀ=0.006", 0, 140, 3},
          {kAt, "6000個では ", 30, 210, 3},
          {kAfter, "6000*ﾀ3/500ﾀ=", 0, 210, 0},
          {kAfter, "36(個)", 0, 210, 5},
          {kAt, "<解2>", 30, 290, 7},
          {kAfter, "不良品全体の個数をx個とすると", 0, 290, 0},
          {kAt, "500:6000=", 66, 350, 0},
          {kAfter, "3:x", 0, 350, 0},
          {kAt, "500x=3*6000", 66, 410, 0},
          {kAt, " x=ﾀ3*6000/500ﾀ=", 66, 480, 0},
          {kAfter, "3*12=", 0, 480, 0},
          {kAfter, "36", 0, 480, 3},
          {kAt, "答 およそ36個", 66, 540, 5},
          {kAt, "教科書P217 問3　をしなさい。", 44, 590, 7}}},
        {2, 10,
         {{kAt, "教科書P217 問3解答", 66, 20, 3},
          {kAt, "<解1>", 30, 70, 7},
          {kAt, "アルミ缶の割合は、", SurveyEnd("<解1>", 30) + 20, 90, 0},
          {kAfter, "ﾀ28/32ﾀ=ﾀ7/8ﾀ", 0, 90, 3},
          {kAt, "240個では ", 30, 160, 3},
          {kAfter, "240*ﾀ7/8ﾀ=", 0, 160, 0},
          {kAfter, "210(個)", 0, 160, 5},
          {kAt, "<解2>", 30, 240, 7},
          {kAfter, "アルミ缶全体の個数をx個とすると", 0, 240, 0},
          {kAt, "32:240=", 66, 300, 0},
          {kAfter, "28:x", 0, 300, 0},
          {kAt, "32x=240*28", 66, 360, 0},
          {kAt, " x=ﾀ240*28/32ﾀ=", 66, 430, 0},
          {kAfter, "30*7=", 0, 430, 0},
          {kAfter, "210", 0, 430, 3},
          {kAt, "答 およそ210個", 66, 490, 5}}},
        {3, 16,
         {{kAt, "教科書P217 問4解答", 36, 30, 3},
          {kLabel, "1890匹", 748, 370, 5},
          {kLabel, "1525匹", 1038, 65, 5},
          {kLabel, "215匹", 958, 160, 5},
          {kAt, "(1)", 30, 80, 7},
          {kLabel, "母集団", 868, 275, 5},
          {kLabel, "標本", 958, 65, 5},
          {kAfter, "母集団…池にいる魚全体", 0, 80, 0},
          {kAt, "標本…2度目に捕獲した魚", 84, 130, 0},
          {kAt, "(2)", 30, 180, 7},
          {kAfter, "印をつけた魚が、湖全体に", 0, 180, 0},
          {kAt, "かたよりなく広がるから", 84, 230, 0},
          {kAt, "(3)", 30, 280, 7},
          {kAfter, "湖全体の魚の数をx匹とすると", 0, 280, 0},
          {kAt, "215:1525=1890:x", 84, 340, 0},
          {kAt, "215x=1525*1890", 84, 400, 0},
          {kAt, " x=ﾀ1525*1890/215ﾀ=", 84, 470, 0},
          {kAfter, "13405.81", 0, 470, 3},
          {kAt, "答 およそ13400匹", 84, 550, 5}}},
        {4, 6,
         {{kAt, "Q", 30, 20, 7},
          {kAfter, "「みんなが選ぶ卒業ソングランキング」は、ある駅前の街頭で、", 0, 20, 0},
          {kAt, "100人にアンケート調査を行った結果をまとめたものです。", 66, 70, 0},
          {kAt, "この調査の方法や結論は、適切であるといえますか?", 66, 120, 0},
          {kAt, "①", 30, 170, 7},
          {kAfter, "母集団と標本は何ですか?", 0, 170, 3},
          {kAt, "母集団は「みんな（全国民）」、標本は「ある駅前を通る人100人」", 66, 220, 0},
          {kAt, "②", 30, 270, 7},
          {kAfter, "標本はかたよりなく取り出されていますか?", 0, 270, 3},
          {kAt, "ある駅前を通る人に限定されている", 66, 320, 0},
          {kAt, "したがって、", 66, 420, 0},
          {kAfter, "適切であるとはいえない", 0, 420, 5},
          {kAt, "教科書P218 問1　をしなさい。", 66, 500, 7}}},
        {5, 2,
         {{kAt, "教科書P218 問1 解答", 30, 20, 7},
          {kAt, "よくない", 66, 80, 5},
          {kAt, "アンケート調査の対象者を、定期購入を利用している人から選んでいて、", 66, 140, 0},
          {kAt, "食品を購入したすべての人から無作為に抽出したとはいえないから", 66, 190, 0}}},
    };
    return scenes;
}

class SurveyUseScene : public ::testing::TestWithParam<SceneCase> {};

TEST_P(SurveyUseScene, WaitsAndTextsInOrder) { CheckScene(ProgramD(), 3, GetParam()); }

INSTANTIATE_TEST_SUITE_P(SurveyUse, SurveyUseScene, ::testing::ValuesIn(Scenes()), SceneName);

std::vector<Op> RunScene(Routine scene, int waits, Rig& r) {
    r.AnyKeys(waits);
    EXPECT_TRUE(r.Run(scene));
    EXPECT_EQ(r.Unread(), 0u);
    return r.Log();
}

TEST(SurveyUseLesson, ProductBlocksAndTheArrowBetween) {
    Rig r(ProgramD());
    const auto log = RunScene(RunDefectiveEstimateScene, 13, r);
    std::map<int, int> population, sample;
    for (const Op& d : OfKind(log, Op::Dot)) {
        EXPECT_EQ(d.r, 14.5f);
        (d.y1 > 439 ? population : sample)[d.colour] += 1;
    }
    EXPECT_EQ(population[3], 33);
    EXPECT_EQ(population[9], 22);
    // 24 dots, three of them covered by the defective ones in colour 0.
    EXPECT_EQ(sample[3], 12);
    EXPECT_EQ(sample[9], 12);
    EXPECT_EQ(sample[0], 3);
    EXPECT_EQ(CountMarkup(log, "……", 1106.5f, 445 + 35, 9, nullptr, &SurveyBinding()), 1);
    EXPECT_EQ(CountMarkup(log, "…", 1141.5f, 235 + 70, 9, nullptr, &SurveyBinding()), 1);
    std::vector<Op> lines;  // the arrow's: the frame's are in the background colour
    for (const Op& l : OfKind(log, Op::Line))
        if (l.colour == 3 && l.width == 10) lines.push_back(l);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].x1, 1054);
    EXPECT_EQ(lines[0].y1, 437);
    EXPECT_EQ(lines[0].y2, 383);
    EXPECT_EQ(lines[0].width, 10);
    EXPECT_EQ(lines[1].x2, 1054);
    EXPECT_EQ(lines[1].y2, 383);
    EXPECT_EQ(r.p.GetDrawWidth(), 5);
}

TEST(SurveyUseLesson, FishFiguresAndTheQuotient) {
    Rig r(ProgramD());
    const auto log = RunScene(RunFishEstimateScene, 16, r);
    // The arrows: up at x 800.5, then both ways, then up at x 1098.
    std::vector<std::pair<float, float>> tips;
    std::vector<Op> lines;
    for (const Op& l : OfKind(log, Op::Line))
        if (l.colour == 3 && l.width == 10) lines.push_back(l);
    for (size_t i = 0; i < lines.size(); ++i)
        if (i % 3 != 0) tips.push_back({lines[i].x2, lines[i].y2});
    ASSERT_EQ(tips.size(), 8u);
    EXPECT_EQ(tips[0], std::make_pair(800.5f, 273.0f));
    EXPECT_EQ(tips[2], std::make_pair(800.5f, 327.0f));
    EXPECT_EQ(tips[4], std::make_pair(800.5f, 273.0f));
    EXPECT_EQ(tips[6], std::make_pair(1098.0f, 273.0f));
    // The second catch: 24 squares, the top row marked.
    int marked = 0, plain = 0;
    for (const Op& b : OfKind(log, Op::FillBox))
        if (b.x2 - b.x1 == 35 && b.x1 >= 958 && b.y1 >= 125 && b.y1 < 265)
            (b.fill == 9 ? marked : plain) += 1;
    EXPECT_EQ(marked, 6);
    EXPECT_EQ(plain, 18);
    EXPECT_EQ(r.s.T_sa(2), "13405.81");
    EXPECT_EQ(r.s.T_a(1), 2882250);
    // The heading stands left of the erase at x 748.
    EXPECT_EQ(Find(log, [](const Op& op) { return IsFilledBox(op, 748, 0, 2508, 1800, 15); })
                  .size(),
              1u);
    // Two waits in a row between "215匹" and "(1)", nothing drawn between.
    size_t last = 0;
    const size_t a = FindText(log, "215匹", 0, kNone, &last);
    const size_t b = FindText(log, "(1)", last);
    ASSERT_NE(a, kNone);
    ASSERT_NE(b, kNone);
    EXPECT_EQ(CountStepWaits(log, last, b), 2u);
    EXPECT_EQ(r.p.GetDrawWidth(), 5);
}

}  // namespace
}  // namespace vm::test
