// The introduction lesson run as a pupil runs it, from Velmaris-A's menu.
#include <gtest/gtest.h>

#include "formula/formula.h"
#include "frame/frame.h"
#include "frame/program.h"
#include "programs/common/programs.h"
#include "support/log.h"
#include "support/rig.h"

namespace vm {
namespace {

using test::CountMarkup;

const char kHeading[] = "＜Velmaris-A　メニュー＞";
const char kScenes[] = "①操作　②終了";
const char kQuestion[] = "Ｐ,Q,Rの関係は？";
const char kTheorem[] = "∠C=90°ならば a^2+b^2=c^2";

struct ProgramRun {
    // Runs Velmaris-A on the keys, plus one spare key that must be left
    // over: the program ended on its own, not for want of keys.
    explicit ProgramRun(const std::string& keys) : p(0, 0, true) {
        p.SetFixedTime("10:20:30");
        p.PushKeys(ParseKeys(keys + "z"));
        RunProgram(ProgramA(), p);
    }
    int Count(const std::string& text, float x, float y, int colour,
              Routine writer = DrawMarkupText) const {
        return CountMarkup(p.Log(), text, x, y, colour, writer);
    }
    Platform p;
};

TEST(IntroductionLesson, PupilMovesCBelowAAndReadsTheTheorem) {
    ProgramRun run("1\\n{Any}1\\n{Any}{Left}{Left}\\n2\\n6\\n");
    const auto& log = run.p.Log();
    EXPECT_EQ(run.p.PendingKeys(), 1u);

    // Menu twice: at the start and after the lesson.
    EXPECT_EQ(run.Count(kHeading, 264, 30, 15), 2);
    EXPECT_EQ(run.Count("1　導入", 44, 120, 13), 2);

    // Goal, one step wait, the figure.
    EXPECT_EQ(run.Count("<めあて>", 44, 240, 3), 1);
    EXPECT_EQ(run.Count("三角形の各辺を1辺とする3つの正方形の面積の関係を調べよう。", 44, 305, 0),
              1);
    EXPECT_EQ(test::CountStepWaits(log), 1u);
    // The question with the lesson's figure and with each of the scene's three
    // pictures (start and two moves).
    EXPECT_EQ(run.Count(kQuestion, 896, 30, 0), 4);

    // The scene menu twice (on entry and after the scene), the move prompt
    // for each of the four keys of the scene.
    EXPECT_EQ(run.Count(kScenes, 16, 666, 0, DrawPromptText), 2);
    EXPECT_EQ(test::CountKeyPrompts(log), 4);

    // Starting picture, then C below A with the right angle.
    EXPECT_EQ(run.Count("∠C=76°", 896, 102, 7), 1);
    EXPECT_EQ(run.Count("P= 144cm^2", 896, 162, 0), 1);
    EXPECT_EQ(run.Count("b= 8.2cm", 896, 454, 0), 1);
    EXPECT_EQ(run.Count("∠C=90°", 896, 102, 7), 1);
    EXPECT_EQ(run.Count("P+Q= 164cm^2", 896, 312, 3), 1);
    EXPECT_EQ(run.Count("R= 164cm^2", 896, 262, 0), 3);  // AB never changed
    EXPECT_EQ(run.Count(kTheorem, 680, 562, 5), 1);
}

TEST(IntroductionLesson, SceneAgainStartsFromTheStartingTriangle) {
    ProgramRun run("1\\n{Any}1\\n{Any}{Left}\\n1\\n{Any}\\n2\\n6\\n");
    EXPECT_EQ(run.p.PendingKeys(), 1u);
    EXPECT_EQ(run.Count("∠C=76°", 896, 102, 7), 2);
    EXPECT_EQ(run.Count(kTheorem, 680, 562, 5), 2);
    EXPECT_EQ(run.Count("<めあて>", 44, 240, 3), 1);
    EXPECT_EQ(test::CountKeyPrompts(run.p.Log()), 3 + 2);
}

TEST(VelmarisAMenu, TheEmptyItemShowsTheMenuAgain) {
    // The empty item 5 and numbers out of range lead back to the menu.
    ProgramRun run("5\\n0\\n7\\n6\\n");
    EXPECT_EQ(run.p.PendingKeys(), 1u);
    EXPECT_EQ(run.Count(kHeading, 264, 30, 15), 4);
    EXPECT_EQ(run.Count("<めあて>", 44, 240, 3), 0);
}

}  // namespace
}  // namespace vm
