#include "frame/lesson.h"

#include <gtest/gtest.h>

#include "frame/frame.h"
#include "state/binding.h"
#include "support/log.h"
#include "support/rig.h"

namespace vm {
namespace {

std::vector<int> visits;
int goals = 0;
std::vector<float> arrivals;  // SENTAKU, AINP on arrival in a scene

template <int N>
void Scene(State& s) {
    visits.push_back(N);
    arrivals.push_back(s.SENTAKU);
    arrivals.push_back(s.AINP);
}

Lesson SixItemLesson() {
    Lesson l;
    l.goal = [](State&) { ++goals; };
    l.scene_list = " ①図で　②作図　③PAの長さ　④地図で　⑤220km以上から　⑥終了";
    l.scenes = {Scene<1>, Scene<2>, Scene<3>, Scene<4>, Scene<5>};
    return l;
}

TEST(RunLesson, SceneMenuChoices) {
    visits.clear();
    arrivals.clear();
    goals = 0;
    test::MenuRig r;
    // Rejected entries bring the list back; the last item returns.
    r.Keys("1\n9/3\n\n0\n-2\n7\n0.5\n6.5\n13/2\n1/0\n/\n5\n12/2\n{Any}");
    RunLesson(r.s, SixItemLesson());
    EXPECT_EQ(goals, 1);
    EXPECT_EQ(visits, (std::vector<int>{1, 3, 5}));
    EXPECT_EQ(arrivals, (std::vector<float>{1, 10, 3, 10, 5, 10}));
    EXPECT_EQ(r.p.PendingKeys(), 1u);
    EXPECT_EQ(r.s.SENTAKU, 6);
    EXPECT_EQ(r.s.AINP, 10);
    // Every question ends with the band erased.
    size_t questions = 0, erases = 0;
    for (const auto& op : r.p.Log()) {
        questions += op.kind == Op::Text && op.text == "①";
        erases += op.kind == Op::FillBox && op.x1 == 0 && op.y1 == 657 && op.x2 == 992 &&
                  op.y2 == 720;
    }
    EXPECT_EQ(questions, 13u);
    EXPECT_EQ(erases, 13u);
}

TEST(RunLesson, LessonWithoutGoalAndEmptyScenes) {
    visits.clear();
    test::MenuRig r;
    Lesson l;
    l.scene_list = "①Ａ　②Ｂ　③終了";
    l.scenes = {Scene<1>, nullptr};
    r.Keys("2\n1\n3\n");
    RunLesson(r.s, l);
    EXPECT_EQ(visits, (std::vector<int>{1}));
    EXPECT_EQ(r.p.PendingKeys(), 0u);
}

size_t to_prepare = 0;  // texts left to prepare when the scene began

void CountTextsToPrepare(State& s) { to_prepare = s.P.TextsToPrepare(); }

// The lesson's texts wait to be prepared while its scenes run, and are let
// go when it returns to the main menu.
TEST(RunLesson, AsksForItsTextsToBePrepared) {
    test::MenuRig r;
    const TextSeed seeds[] = {{"三", "ｺﾞｼｯｸ", 16, true, false, 3, 3, 44, 240, 0},
                              {"x", "Times New Roman", 8, false, true, 10, 7, 100.5f, 62, 0}};
    Lesson l;
    l.scene_list = "①Ａ　②終了";
    l.scenes = {CountTextsToPrepare};
    l.texts = seeds;
    r.Keys("1\n2\n");
    RunLesson(r.s, l);
    EXPECT_EQ(to_prepare, 2u);
    EXPECT_EQ(r.p.TextsToPrepare(), 0u);
}

}  // namespace
}  // namespace vm
