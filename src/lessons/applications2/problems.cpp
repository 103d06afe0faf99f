#include "lessons/applications2/problems.h"

namespace vm {

void ShowProblemsGoal(State& s) {
    GoalScreen(s, {"三平方の定理を利用していろいろな問題を考えよう。"});
}

Lesson VariousProblemsLesson() {
    return {
        ShowProblemsGoal,
        kProblemsSceneList,
        {CuboidPathViaCG, CuboidPathViaCD, CuboidPathViaFG, CuboidShortestPath,
         FoldedRectangleProblem, FoldToMidpointProblem, TangentTrapezoidByPythagoras,
         TangentTrapezoidBySimilarity},
    };
}

void RunVariousProblemsLesson(State& s) { RunLesson(s, VariousProblemsLesson()); }

}  // namespace vm
