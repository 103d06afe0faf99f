#include "lessons/applications2/problems.h"

#include <gtest/gtest.h>

#include "frame/frame.h"
#include "lessons/applications2/textbook_support.h"
#include "support/log.h"
#include "support/rig.h"

namespace vm::test {
namespace {

// The main menu's item 2 and the lesson's quit item.
constexpr int kLesson = 2, kQuit = 9;

const AnswerScene kScenes[] = {
    {1, 13,
     {
         {0, "P203 ", 30, 20, 7},
         {0, "点Bから点Hまでの最短距離は?", kCont, 20, 3},
         {0, "<みおりさんの考え>", 570, 120, 7},
         {2, "B", 556, 245, 0},
         {2, "C", 731, 245, 0},
         {2, "D", 871, 245, 0},
         {2, "F", 556, 410, 0},
         {2, "G", 731, 410, 0},
         {2, "H", 871, 410, 0},
         {5, "BH^2=", 108, 460, 0},
         {7, "9^2+3^2=", kCont, 460, 0},
         {8, "81+9=", kCont, 460, 0},
         {9, "90", kCont, 460, 0},
         {10, "BH>0 だから、", 108, 520, 0},
         {10, "BH=!90ﾝ=", kCont, 520, 0},
         {10, "3!10ﾝ ", kCont, 520, 0},
         {11, "答　3!10ﾝcm", kCont, 520, 5},
         {12, "緑(AEの間)は紫と同じ長さ。", 30, 570, 3},
         {13, "赤(CDの間)や青(FGの間)の場合を考えよう。", 30, 620, 7},
     }},
    {2, 11,
     {
         {0, "辺CDを通る場合", 36, 30, 3},
         {0, "E", 174, 260, 0},
         {2, "B", 845, 247, 0},
         {5, "BH^2=", 36, 510, 0},
         {7, "8^2+4^2=", kCont, 510, 0},
         {8, "64+16=", kCont, 510, 0},
         {9, "80", kCont, 510, 0},
         {10, "BH>0 だから、", 36, 570, 0},
         {10, "BH=!80ﾝ=", kCont, 570, 0},
         {10, "4!5ﾝ ", kCont, 570, 0},
         {11, "答　4!5ﾝcm", kCont, 570, 5},
     }},
    {3, 8,
     {
         {0, "辺FGを通る場合", 72, 30, 3},
         {2, "BH^2=", 108, 510, 0},
         {4, "7^2+5^2=", kCont, 510, 0},
         {5, "49+25=", kCont, 510, 0},
         {6, "74", kCont, 510, 0},
         {7, "BH>0 だから、", 108, 570, 0},
         {7, "BH=", kCont, 570, 0},
         {7, "!74ﾝ ", kCont, 570, 0},
         {8, "答　!74ﾝcm", kCont, 570, 5},
     }},
    {4, 4,
     {
         {0, "もっとも短くなる場合は?", 72, 30, 3},
         {4, "FGを通る場合", 108, 560, 5},
     }},
    {5, 16,
     {
         {0, "問1(1)", 30, 30, 7},
         {1, " 二等辺三角形", kCont, 30, 3},
         {2, "C", 1174, 416, 0},
         {5, "(2)", 30, 80, 7},
         {5, "AF=xcmとすると", kCont, 80, 0},
         {7, " BF=8-x(cm)", kCont, 80, 3},
         {8, "(8-x)^2=", 30, 140, 0},
         {9, "4^2+x^2", kCont, 140, 0},
         {10, "64-16x+x^2=16+x^2", 30, 200, 0},
         {11, "-16x+x^2-x^2=16-64", 30, 260, 0},
         {12, "-16x=-48", 30, 320, 0},
         {13, "x=ﾀ48/16ﾀ=", 30, 400, 0},
         {14, "3", kCont, 400, 3},
         {15, "8-x=8-3=", 30, 480, 0},
         {15, "5", kCont, 480, 3},
         {16, "答 AF=3cm,BF=5cm", 30, 540, 5},
         {16, "教科書P204 問2　をしなさい。", 44, 590, 0},
     }},
    {6, 14,
     {
         {0, "問2解答", 36, 30, 3},
         {0, "M", 941, 398, 0},
         {1, "D", 1146, 120, 0},
         {1, "F", 1146, 289.5f, 0},
         {1, "E", 871, 102, 0},
         {1, "M", 941, 398, 0},
         {4, "CF=xcmとすると", 108, 80, 0},
         {7, "(4-x)^2=", 108, 140, 0},
         {8, "3^2+x^2", kCont, 140, 0},
         {9, "16-8x+x^2=9+x^2", 108, 200, 0},
         {10, "-8x+x^2-x^2=9-16", 108, 260, 0},
         {11, "-8x=-7", 108, 320, 0},
         {12, "x=", 108, 400, 0},
         {13, "ﾀ7/8ﾀ", kCont, 400, 3},
         {14, "答 CF=ﾀ7/8ﾀcm", 108, 460, 5},
         {14, "教科書P204 問3　をしなさい。", 44, 590, 0},
     }},
    {7, 10,
     {
         {0, "教科書P204 問3 みおりさんの考え  ", 36, 30, 3},
         {0, "O", 930, 338, 0},
         {0, "A", 748, 330, 0},
         {0, "B", 1108, 336, 0},
         {0, "C", 758, 144, 0},
         {0, "D", 1108, 65.25f, 0},
         {1, "E", 1130, 171, 0},
         {5, "AB^2+9^2=41^2", 36, 90, 0},
         {6, "AB^2=41^2-9^2", 36, 150, 0},
         {7, "   =(41+9)*(41-9)", 36, 210, 0},
         {8, "   =50*32", 36, 270, 0},
         {9, "   =25*64=(5*8)^2", 36, 330, 0},
         {10, "AB>0 だから、", 36, 390, 0},
         {10, "AB=", kCont, 390, 0},
         {10, "40(cm)", kCont, 390, 5},
     }},
    {8, 22,
     {
         {0, "教科書P204 問3 そうまさんの考え  ", 36, 30, 3},
         {5, "△AOC≡△POC", 704, 395, 7},
         // "+" is drawn in strokes, 27 px wide.
         {9, "●●", 704, 445, 3},
         {9, "●●", kCont, 445, 5, 27},
         {9, "=180%", kCont, 445, 0},
         {10, "●●", 704, 495, 3},
         {10, "●●", kCont, 495, 7, 27},
         {10, "=180%", kCont, 495, 0},
         {11, "●●", 704, 545, 5},
         {11, "=", kCont, 545, 0},
         {11, "●●", kCont, 545, 7},
         {13, "△AOC∽△BDO", 704, 595, 3},
         {14, "円Oの半径をrcmとすると", 36, 90, 0},
         {14, "△AOC∽△BDO ", 36, 140, 3},
         {14, "だから", kCont, 140, 0},
         {15, "r:16=", 36, 200, 0},
         {16, "25:r", kCont, 200, 0},
         {17, "r^2=16*25", 36, 260, 0},
         {17, "r>0 だから、", 36, 320, 0},
         {18, "r=", 36, 380, 0},
         {19, "!16*25ﾝ=", kCont, 380, 0},
         {20, "4*5=", kCont, 380, 0},
         {20, "20", kCont, 380, 3},
         {21, "AB=", 36, 440, 0},
         {22, "2*20=", kCont, 440, 0},
         {22, "40(cm)", kCont, 440, 5},
     }},
};

class ProblemsScene : public ::testing::TestWithParam<AnswerScene> {};

// Each scene from the main menu: its waits, its texts where their keys bring
// them, and the list back at once after the last line, without the goal.
TEST_P(ProblemsScene, StepsThroughItsTextsAndReturnsToTheSceneList) {
    const AnswerScene& scene = GetParam();
    ExpectScene(ProgramC(), kLesson, kQuit, scene);
    const SceneRun run(ProgramC(), kLesson, kQuit, scene.item, scene.waits);
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
    ExpectScene(ProgramE(), kLesson, kQuit, kScenes[6]);
}

TEST(Problems, GoalOnEntryThenTheList) {
    const Ended e = RunKeys(ProgramC(), "2\\n9\\n7\\n");
    EXPECT_FALSE(e.error);
    EXPECT_EQ(e.unread, 0u);
    EXPECT_EQ(CountMarkup(e.log, "<めあて>", 44, 240, 3), 1);
    EXPECT_EQ(CountMarkup(e.log, "三平方の定理を利用していろいろな問題を考えよう。", 44, 305, 0), 1);
    EXPECT_EQ(CountMarkup(e.log, kProblemsSceneList, 16, 666, 0, DrawPromptText), 1);
}

// Choices out of range, not numbers or with a missing or zero denominator
// ask again at once; a fraction counts by its value.
TEST(Problems, TheListAsksAgainOnChoicesOutOfRange) {
    const char* rejected[] = {"", "0", "10", "-3", "2/3", "9.5", "1/0", "/", "5/"};
    std::string keys = "2\\n";
    for (const char* r : rejected) keys += std::string(r) + "\\n";
    keys += "14/2\\n" + AnyKeys(10) + "18/2\\n7\\n";
    const Ended e = RunKeys(ProgramC(), keys);
    EXPECT_FALSE(e.error);
    EXPECT_EQ(e.unread, 0u);
    EXPECT_EQ(e.status, 0);
    const auto lists = Find(e.log, IsSceneList);
    ASSERT_EQ(lists.size(), std::size(rejected) + 2);
    const size_t last_rejected = lists[std::size(rejected)];
    EXPECT_EQ(Count(e.log, IsScreenClear, lists[0], last_rejected), 0u);
    EXPECT_EQ(Count(e.log, IsStepWait, lists[0], last_rejected), 0u);
    EXPECT_EQ(FindText(e.log, "<めあて>", lists[0]), kNone);
    // 14/2 opens scene 7; 18/2 leaves for the main menu.
    EXPECT_EQ(Count(e.log, IsStepWait, last_rejected, lists.back()), 10u);
    EXPECT_NE(FindText(e.log, "みおりさんの考え", last_rejected, lists.back()), kNone);
    EXPECT_EQ(Count(e.log, IsMenuPanel, lists.back()), 1u);
}

}  // namespace
}  // namespace vm::test
