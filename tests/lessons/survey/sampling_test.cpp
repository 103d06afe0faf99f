// Velmaris-D's first lesson, sample surveys, run as a pupil runs it.
#include "lessons/survey/sampling.h"

#include <algorithm>
#include <cstdio>

#include <gtest/gtest.h>

#include "formula/formula.h"
#include "support/log.h"
#include "support/rig.h"
#include "support/scene.h"

namespace vm::test {
namespace {

// The x where a text centred in a cell from x, `haba` wide, begins.
float InCell(const std::string& text, float x, float haba) {
    return x + std::max(0.0f, (haba - SurveyEnd(text, 0)) / 2);
}

const std::vector<SceneCase>& Scenes() {
    static const std::vector<SceneCase> scenes = {
        {1, 6,
         {{kAt, "Q ", 40, 20, 7},
          {kAt, "テレビ番組の視聴率は、どのように調べているのだろうか？", SurveyEnd("Q ", 40) + 20,
           20, 0},
          {kAt, "テレビのある世帯全部の調査は行われていない。", 40, 90, 3},
          {kAt, "一部の世帯を調べ、視聴率を出している。", 40, 160, 3},
          {kAt, "<調査の工夫>", 40, 230, 7},
          {kAt, "①", 40, 280, 3},
          {kAfter, "　放送エリア（32地区）ごとに調査する。", 0, 280, 0},
          {kAt, "②", 40, 330, 3},
          {kAfter, "　世帯は、統計学の理論に基づいてランダムに選ばれている。", 0, 330, 0},
          {kAt, "③", 40, 380, 3},
          {kAfter, "　地区により2年～3年の周期で全ての世帯が入れ替わるように", 0, 380, 0},
          {kAt, "　 ローテーションされている。", 40, 430, 0}}},
        {2, 9,
         {{kAt, "<標本調査と全数調査>", 40, 20, 5},
          {kAt, "標本調査", 40, 70, 3},
          {kAt, "　集団の一部を調査して、集団全体の傾向を推測する調査", 40, 120, 0},
          {kAfter, "(視聴率調査)", 0, 120, 3},
          {kAt, "全数調査", 40, 170, 3},
          {kAt, "　集団全部について調査すること", 40, 220, 0},
          {kAfter, "(国勢調査)", 0, 220, 3},
          {kAt, "人口および世帯に関するデータを調べる「全数調査」5年ごとに実施", 40, 270, 0},
          {kAt, "性別や年齢、配偶の関係、就業の状態や世帯の構成", 40, 320, 0},
          {kAt, "次の調査は、それぞれ標本調査、全数調査のどちらですか?", 40, 380, 7},
          {kAt, "(1)学校での健康診断", 40, 430, 0},
          {kAt, "(2)世論調査", 40, 480, 0},
          {kAt, "  世間一般の意見を明らかにする目的で行われる統計的社会調査", 40, 530, 0},
          {kAt, "全数調査", SurveyEnd("(1)学校での健康診断", 40) + 30, 430, 3},
          {kAt, "標本調査", SurveyEnd("(2)世論調査", 40) + 30, 480, 3}}},
        {.item = 3,
         .waits = 17,
         .lines = {{kLabel, "標本調査", InCell("標本調査", 40, 228), 33, 5},
                    {kLabel, "母集団", 173, 177, 5},
                    {kLabel, "傾向を知りたい集団全体", 40, 227, 0},
                    {kLabel, "標本", 686, 177, 5},
                    {kLabel, "取り出した一部の資料", 553, 227, 0},
                    {kLabel, "調査", 762, 423, 0},
                    {kLabel, "標本の傾向", InCell("標本の傾向", 610, 228), 513, 0},
                    {kLabel, "母集団の傾向", InCell("母集団の傾向", 135, 228), 513, 0},
                    {kAt, "標本の大きさ", 534, 30, 3},
                    {kAt, "取り出した資料の個数", 534, 80, 0},
                    {kAt, "教科書P213 問2 をやろう。", 44, 590, 7},
                    {kAt, "<解答>", 924, 30, 3},
                    {kAt, "母集団…", 924, 80, 0},
                    {kAt, "ある都市の有権者", 924, 130, 5},
                    {kAt, "74358人", 924, 180, 5},
                    {kAt, "標本…", 924, 230, 0},
                    {kAt, "選び出した", 924, 280, 5},
                    {kAt, "1000人", 924, 330, 5},
                    {kAt, "標本の大きさ…", 924, 380, 0},
                    {kAt, "1000", 924, 430, 5}},
         .clears = 2},
        {.item = 4,
         .waits = 11,
         .lines = {{kAt, "「取り出し方」", 40, 30, 3},
                    {kAfter, "母集団と標本の赤玉と青玉の割合は同じ？", 0, 30, 7},
                    {kLabel, "ア", 67.5f, 90, 5},
                    {kLabel, "イ", 67.5f, 300, 5},
                    {kAt, "かたよりがない", 582, 125, 5},
                    {kAfter, "同じと考えられる", 0, 175, 7},
                    {kAt, "かたよりがある", 582, 335, 5},
                    {kAt, "同じとは考えられない", SurveyEnd("かたよりがある", 582) - 40, 385, 7},
                    {kAt, "無作為に抽出する", 120, 530, 5},
                    {kAt, "かたよりがないように、母集団から標本を取り出すこと", 120, 580, 0}},
         .clears = 2},
        {5, 1,
         {{kAt, "例", 40, 30, 3},
          {kAt, "ある中学校の3年生360人の通学時間について、標本調査で調べる", 80, 30, 0},
          {kAt, "ことになった。次の標本の選び方のうち、適切なものはどれですか。", 80, 80, 0},
          {kAt, "①", 80, 130, 3},
          {kAfter, "　男子全員を選ぶ。", 0, 130, 0},
          {kAt, "②", 80, 180, 3},
          {kAfter, "　各クラスの出席番号が4の倍数の生徒を選ぶ。", 0, 180, 0},
          {kAt, "③", 80, 230, 3},
          {kAfter, "　ある1つのクラス全員を選ぶ。", 0, 230, 0},
          {kAt, "答 ②", 80, 290, 5}}},
        {6, 3,
         {{kAt, "<無作為に抽出する方法>", 80, 30, 5},
          {kAt, "(1)", 40, 80, 0},
          {kAfter, "乱数さい", 0, 80, 3},
          {kAfter, "…正二十面体で、0～9までの数字が2個ずつ書かれている。", 0, 80, 0},
          {kAt, " 3個を、百、十、一の位に対応させる。", 80, 130, 7},
          {kLabel, "正二十面体", 780, 320, 3},
          {kAt, "(2)", 40, 210, 0},
          {kAfter, "コンピュータ", 0, 210, 3},
          {kAt, " エクセルで、数式「=INT(RAND()*300+1)」を入力する。", 80, 260, 7},
          {kAt, "(3)", 40, 340, 0},
          {kAfter, "乱数表", 0, 340, 3},
          {kAfter, "…0～9までの数字を不規則に並べた表。", 0, 340, 0},
          {kAt, " 出発点を決め、かってに決めた方向へ、1けたなら1つずつ、", 80, 390, 7},
          {kAt, " 3けたなら3つずつ、数字に対応させる。", 80, 440, 7},
          {kAt, "どの方法でも、同じ数の場合や資料にない番号のときは、それを除く。", 40, 520, 0}}},
    };
    return scenes;
}

class SampleSurveyScene : public ::testing::TestWithParam<SceneCase> {};

TEST_P(SampleSurveyScene, WaitsAndTextsInOrder) { CheckScene(ProgramD(), 1, GetParam()); }

INSTANTIATE_TEST_SUITE_P(SampleSurvey, SampleSurveyScene, ::testing::ValuesIn(Scenes()), SceneName);

// A scene run on its own with a key for every wait.
std::vector<Op> RunScene(Routine scene, int waits, Rig& r) {
    r.AnyKeys(waits);
    EXPECT_TRUE(r.Run(scene));
    EXPECT_EQ(r.Unread(), 0u);
    return r.Log();
}

struct Bag {
    float x1, y1, x2, y2;
    int red, blue;
};

TEST(SampleSurveyLesson, BagsHoldTheirMixesInsideTheirBoxes) {
    Rig r(ProgramD());
    const auto log = RunScene(RunSongSurveyScene, 11, r);
    const Bag bags[] = {
        {120, 125, 470, 300, 20, 30},
        {120, 335, 470, 510, 20, 30},
        {582, 195, 757, 300, 6, 9},
        {582, 405, 757, 510, 10, 5},
    };
    const auto dots = OfKind(log, Op::Dot);
    size_t seen = 0;
    for (const Bag& b : bags) {
        int red = 0, blue = 0;
        for (const Op& d : dots) {
            if (d.r != 14.5f) continue;
            if (d.x1 < b.x1 || d.x1 > b.x2 || d.y1 < b.y1 || d.y1 > b.y2) continue;
            // Inside the box, which reaches 6 px beyond the corner points.
            EXPECT_GE(d.x1 - d.r, b.x1 - 6);
            EXPECT_LE(d.x1 + d.r, b.x2 + 6);
            EXPECT_GE(d.y1 - d.r, b.y1 - 6);
            EXPECT_LE(d.y1 + d.r, b.y2 + 6);
            (d.colour == 5 ? red : blue) += 1;
            EXPECT_TRUE(d.colour == 5 || d.colour == 3);
        }
        EXPECT_EQ(red, b.red);
        EXPECT_EQ(blue, b.blue);
        seen += static_cast<size_t>(red + blue);
    }
    EXPECT_EQ(seen, 50u + 50u + 15u + 15u);
    // The first ball of the upper population bag half a cell in.
    EXPECT_EQ(dots.at(0).x1, 137.5f);
    EXPECT_EQ(dots.at(0).y1, 142.5f);
    EXPECT_EQ(r.p.GetDrawWidth(), 5);
}

TEST(SampleSurveyLesson, PopulationAndSampleFigure) {
    Rig r(ProgramD());
    const auto log = RunScene(RunPopulationAndSampleScene, 17, r);
    const auto ellipses = OfKind(log, Op::Sector);
    ASSERT_EQ(ellipses.size(), 2u);
    EXPECT_EQ(ellipses[0].x1, 230);
    EXPECT_EQ(ellipses[0].y1, 252);
    EXPECT_EQ(ellipses[1].x1, 724);
    EXPECT_EQ(ellipses[1].y1, 252);
    for (const Op& e : ellipses) {
        EXPECT_EQ(e.r, 190);
        EXPECT_NEAR(e.aspect, 0.666667, 1e-6);
        EXPECT_EQ(e.colour, 0);
        EXPECT_EQ(e.fill, 13);
    }
    // The invisible frames draw only in the background colour.
    for (const Op& l : OfKind(log, Op::Line)) {
        if (l.width == 1 || l.colour == 15) {
            EXPECT_EQ(l.colour, 15);
        }
    }
    // The dotted line of 19 dots on the left arrow, "推測" centred over it.
    std::vector<Op> arc;
    for (const Op& d : OfKind(log, Op::Dot))
        if (d.r == 0.5f) arc.push_back(d);
    ASSERT_EQ(arc.size(), 19u);
    for (const Op& d : arc) {
        EXPECT_NEAR(d.y1, 535, 0.01);
        EXPECT_GE(d.x1, 458 - 0.01);
        EXPECT_LE(d.x1, 534 + 0.01);
    }
    size_t last = 0;
    const size_t first = FindText(log, "推測", 0, kNone, &last);
    ASSERT_NE(first, kNone);
    EXPECT_NEAR((log[first].x1 + SurveyEnd("推測", log[first].x1)) / 2, 496, 0.01);
    EXPECT_LT(log[first].y1, 535 - 20);
    EXPECT_EQ(r.s.HABA, 228);  // the last cell's width, after the arc's dot step
}

TEST(SampleSurveyLesson, DieStandsInOnePlaceEveryRun) {
    // The die scene three times in a row, from the menu.
    const Ended run =
        RunKeys(ProgramD(), "1\\n6\\n" + AnyKeys(3) + "6\\n" + AnyKeys(3) + "6\\n" + AnyKeys(3) +
                                "7\\n6\\n");
    EXPECT_EQ(run.unread, 0u);
    const auto faces = OfKind(run.log, Op::FillPolygon);
    ASSERT_EQ(faces.size(), 3u);
    for (const Op& f : faces) {
        ASSERT_EQ(f.pts.size(), 7u);
        EXPECT_NEAR(f.pts[0].x, 905, 0.01);
        EXPECT_NEAR(f.pts[0].y, 375, 0.01);
        EXPECT_NEAR(f.pts[3].y, 625, 0.01);
        EXPECT_EQ(f.colour, 13);
        EXPECT_EQ(f.fill, 13);
        for (size_t i = 0; i < 7; ++i) {
            EXPECT_EQ(f.pts[i].x, faces[0].pts[i].x);
            EXPECT_EQ(f.pts[i].y, faces[0].pts[i].y);
        }
    }
    EXPECT_EQ(CountMarkup(run.log, "正二十面体", 780, 320, 3, nullptr, &SurveyBinding()), 3);
}

TEST(SampleSurveyLesson, DieEdgesAndFormulaSigns) {
    Rig r(ProgramD());
    const auto log = RunScene(RunRandomExtractionScene, 3, r);
    // Twelve dotted back edges: three of 13 dots (step 14), nine of 31.
    const auto dots = OfKind(log, Op::Dot);
    EXPECT_EQ(dots.size(), 3u * 13u + 9u * 31u);
    for (const Op& d : dots) {
        EXPECT_EQ(d.r, 0.5f);
        EXPECT_EQ(d.width, 4);
        EXPECT_EQ(d.colour, 0);
    }
    // "*" shows "×"; "+" stays the half-width plus.
    size_t last = 0;
    const size_t at = FindText(log, "=INT(RAND()", 0, kNone, &last);
    ASSERT_NE(at, kNone);
    bool times = false, plus = false, full_plus = false;
    for (size_t i = last; i < log.size(); ++i) {
        if (log[i].kind != Op::Text) continue;
        times |= log[i].text == "×";
        plus |= log[i].text == "+";
        full_plus |= log[i].text == "＋";
    }
    EXPECT_TRUE(times);
    EXPECT_TRUE(plus);
    EXPECT_FALSE(full_plus);
    // The erase below y 310 comes after the formula's wait.
    EXPECT_EQ(Find(log, [](const Op& op) { return IsFilledBox(op, 0, 310, 1760, 2110, 15); })
                  .size(),
              1u);
    EXPECT_EQ(r.p.GetDrawWidth(), 5);
    EXPECT_EQ(r.s.CCC2, 0);
}

}  // namespace
}  // namespace vm::test
