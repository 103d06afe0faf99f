#include "lessons/applications1/special.h"

namespace vm {

Lesson SpecialTrianglesLesson() {
    return {ShowSpecialTrianglesGoal,
            kSpecialTrianglesSceneList,
            {SpecialTrianglesSceneFlowerBed, SpecialTrianglesSceneSquare,
             SpecialTrianglesSceneEquilateral, SpecialTrianglesSceneSideRatios,
             SpecialTrianglesSceneDrill, SpecialTrianglesSceneQuestion2}};
}

void RunSpecialTrianglesLesson(State& s) { RunLesson(s, SpecialTrianglesLesson()); }

void ShowSpecialTrianglesGoal(State& s) {
    GoalScreen(s, {"1 直角三角形をつくり、", "  三平方の定理を利用していろいろな長さを求めよう。",
                   "2　特別な直角三角形の3辺の比を使って問題を解こう。"});
}

}  // namespace vm
