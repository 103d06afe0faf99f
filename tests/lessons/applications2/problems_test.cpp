#include "lessons/applications2/problems.h"

#include <gtest/gtest.h>

#include "frame/frame.h"
#include "support/figure.h"
#include "support/log.h"
#include "support/rig.h"
#include "support/scene.h"

namespace vm::test {
namespace {

// The main menu's item 2 and the lesson's quit item.
constexpr int kLesson = 2;

const SceneCase kScenes[] = {
    {1, 13,
     {
         {kAt, "P203 ", 30, 20, 7, 0},
         {kAfter, "点Bから点Hまでの最短距離は?", 0, 20, 3, 0},
         {kAt, "<みおりさんの考え>", 570, 120, 7, 0},
         {kAt, "B", 556, 245, 0, 2},
         {kAt, "C", 731, 245, 0, 2},
         {kAt, "D", 871, 245, 0, 2},
         {kAt, "F", 556, 410, 0, 2},
         {kAt, "G", 731, 410, 0, 2},
         {kAt, "H", 871, 410, 0, 2},
         {kAt, "BH^2=", 108, 460, 0, 5},
         {kAfter, "9^2+3^2=", 0, 460, 0, 7},
         {kAfter, "81+9=", 0, 460, 0, 8},
         {kAfter, "90", 0, 460, 0, 9},
         {kAt, "BH>0 だから、", 108, 520, 0, 10},
         {kAfter, "BH=!90ﾝ=", 0, 520, 0, 10},
         {kAfter, "3!10ﾝ ", 0, 520, 0, 10},
         {kAfter, "答　3!10ﾝcm", 0, 520, 5, 11},
         {kAt, "緑(AEの間)は紫と同じ長さ。", 30, 570, 3, 12},
         {kAt, "赤(CDの間)や青(FGの間)の場合を考えよう。", 30, 620, 7, 13},
     }},
    {2, 11,
     {
         {kAt, "辺CDを通る場合", 36, 30, 3, 0},
         {kAt, "E", 174, 260, 0, 0},
         {kAt, "B", 845, 247, 0, 2},
         {kAt, "BH^2=", 36, 510, 0, 5},
         {kAfter, "8^2+4^2=", 0, 510, 0, 7},
         {kAfter, "64+16=", 0, 510, 0, 8},
         {kAfter, "80", 0, 510, 0, 9},
         {kAt, "BH>0 だから、", 36, 570, 0, 10},
         {kAfter, "BH=!80ﾝ=", 0, 570, 0, 10},
         {kAfter, "4!5ﾝ ", 0, 570, 0, 10},
         {kAfter, "答　4!5ﾝcm", 0, 570, 5, 11},
     }},
    {3, 8,
     {
         {kAt, "辺FGを通る場合", 72, 30, 3, 0},
         {kAt, "BH^2=", 108, 510, 0, 2},
         {kAfter, "7^2+5^2=", 0, 510, 0, 4},
         {kAfter, "49+25=", 0, 510, 0, 5},
         {kAfter, "74", 0, 510, 0, 6},
         {kAt, "BH>0 だから、", 108, 570, 0, 7},
         {kAfter, "BH=", 0, 570, 0, 7},
         {kAfter, "!74ﾝ ", 0, 570, 0, 7},
         {kAfter, "答　!74ﾝcm", 0, 570, 5, 8},
     }},
    {4, 4,
     {
         {kAt, "もっとも短くなる場合は?", 72, 30, 3, 0},
         {kAt, "FGを通る場合", 108, 560, 5, 4},
     }},
    {5, 16,
     {
         {kAt, "問1(1)", 30, 30, 7, 0},
         {kAfter, " 二等辺三角形", 0, 30, 3, 1},
         {kAt, "C", 1174, 416, 0, 2},
         {kAt, "(2)", 30, 80, 7, 5},
         {kAfter, "AF=xcmとすると", 0, 80, 0, 5},
         {kAfter, " BF=8-x(cm)", 0, 80, 3, 7},
         {kAt, "(8-x)^2=", 30, 140, 0, 8},
         {kAfter, "4^2+x^2", 0, 140, 0, 9},
         {kAt, "64-16x+x^2=16+x^2", 30, 200, 0, 10},
         {kAt, "-16x+x^2-x^2=16-64", 30, 260, 0, 11},
         {kAt, "-16x=-48", 30, 320, 0, 12},
         {kAt, "x=ﾀ48/16ﾀ=", 30, 400, 0, 13},
         {kAfter, "3", 0, 400, 3, 14},
         {kAt, "8-x=8-3=", 30, 480, 0, 15},
         {kAfter, "5", 0, 480, 3, 15},
         {kAt, "答 AF=3cm,BF=5cm", 30, 540, 5, 16},
         {kAt, "教科書P204 問2　をしなさい。", 44, 590, 0, 16},
     }},
    {6, 14,
     {
         {kAt, "問2解答", 36, 30, 3, 0},
         {kAt, "M", 941, 398, 0, 0},
         {kAt, "D", 1146, 120, 0, 1},
         {kAt, "F", 1146, 289.5f, 0, 1},
         {kAt, "E", 871, 102, 0, 1},
         {kAt, "M", 941, 398, 0, 1},
         {kAt, "CF=xcmとすると", 108, 80, 0, 4},
         {kAt, "(4-x)^2=", 108, 140, 0, 7},
         {kAfter, "3^2+x^2", 0, 140, 0, 8},
         {kAt, "16-8x+x^2=9+x^2", 108, 200, 0, 9},
         {kAt, "-8x+x^2-x^2=9-16", 108, 260, 0, 10},
         {kAt, "-8x=-7", 108, 320, 0, 11},
         {kAt, "x=", 108, 400, 0, 12},
         {kAfter, "ﾀ7/8ﾀ", 0, 400, 3, 13},
         {kAt, "答 CF=ﾀ7/8ﾀcm", 108, 460, 5, 14},
         {kAt, "教科書P204 問3　をしなさい。", 44, 590, 0, 14},
     }},
    {7, 10,
     {
         {kAt, "教科書P204 問3 みおりさんの考え  ", 36, 30, 3, 0},
         {kAt, "O", 930, 338, 0, 0},
         {kAt, "A", 748, 330, 0, 0},
         {kAt, "B", 1108, 336, 0, 0},
         {kAt, "C", 758, 144, 0, 0},
         {kAt, "D", 1108, 65.25f, 0, 0},
         {kAt, "E", 1130, 171, 0, 1},
         {kAt, "AB^2+9^2=41^2", 36, 90, 0, 5},
         {kAt, "AB^2=41^2-9^2", 36, 150, 0, 6},
         {kAt, "   =(41+9)*(41-9)", 36, 210, 0, 7},
         {kAt, "   =50*32", 36, 270, 0, 8},
         {kAt, "   =25*64=(5*8)^2", 36, 330, 0, 9},
         {kAt, "AB>0 だから、", 36, 390, 0, 10},
         {kAfter, "AB=", 0, 390, 0, 10},
         {kAfter, "40(cm)", 0, 390, 5, 10},
     }},
    {8, 22,
     {
         {kAt, "教科書P204 問3 そうまさんの考え  ", 36, 30, 3, 0},
         {kAt, "△AOC≡△POC", 704, 395, 7, 5},
         // "+" is drawn in strokes, 27 px wide.
         {kAt, "●●", 704, 445, 3, 9},
         {kAfter, "●●", 27, 445, 5, 9},
         {kAfter, "=180%", 0, 445, 0, 9},
         {kAt, "●●", 704, 495, 3, 10},
         {kAfter, "●●", 27, 495, 7, 10},
         {kAfter, "=180%", 0, 495, 0, 10},
         {kAt, "●●", 704, 545, 5, 11},
         {kAfter, "=", 0, 545, 0, 11},
         {kAfter, "●●", 0, 545, 7, 11},
         {kAt, "△AOC∽△BDO", 704, 595, 3, 13},
         {kAt, "円Oの半径をrcmとすると", 36, 90, 0, 14},
         {kAt, "△AOC∽△BDO ", 36, 140, 3, 14},
         {kAfter, "だから", 0, 140, 0, 14},
         {kAt, "r:16=", 36, 200, 0, 15},
         {kAfter, "25:r", 0, 200, 0, 16},
         {kAt, "r^2=16*25", 36, 260, 0, 17},
         {kAt, "r>0 だから、", 36, 320, 0, 17},
         {kAt, "r=", 36, 380, 0, 18},
         {kAfter, "!16*25ﾝ=", 0, 380, 0, 19},
         {kAfter, "4*5=", 0, 380, 0, 20},
         {kAfter, "20", 0, 380, 3, 20},
         {kAt, "AB=", 36, 440, 0, 21},
         {kAfter, "2*20=", 0, 440, 0, 22},
         {kAfter, "40(cm)", 0, 440, 5, 22},
     }},
};

class ProblemsScene : public ::testing::TestWithParam<SceneCase> {};

// Each scene from the main menu: its waits, its texts where their keys bring
// them, and the list back at once after the last line, without the goal.
TEST_P(ProblemsScene, StepsThroughItsTextsAndReturnsToTheSceneList) {
    const SceneCase& scene = GetParam();
    CheckScene(ProgramC(), kLesson, scene);
    const SceneRun run(ProgramC(), kLesson, scene.item, scene.waits);
    ASSERT_EQ(run.lists.size(), 2u);
    EXPECT_EQ(CountMarkup(run.log, "<めあて>", 44, 240, 3), 1);
    EXPECT_EQ(FindText(run.log, "<めあて>", run.begin()), kNone);
    // The last step draws after the last wait.
    EXPECT_FALSE(Texts({run.log.begin() + static_cast<long>(run.waits.back()),
                        run.log.begin() + static_cast<long>(run.end())})
                     .empty());
}

INSTANTIATE_TEST_SUITE_P(Problems, ProblemsScene, ::testing::ValuesIn(kScenes));

TEST(Problems, VelmarisEShowsTheSameLesson) {
    CheckScene(ProgramE(), kLesson, kScenes[6]);
}

}  // namespace
}  // namespace vm::test
