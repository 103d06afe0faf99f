#include "frame/frame.h"
#include "lessons/applications1/exercises.h"
#include "lessons/common/figure.h"
#include "lessons/common/text.h"
#include "platform/colours.h"

namespace vm {

Lesson ExercisesLesson() {
    return {ShowExercisesGoal,
            kExercisesSceneList,
            {ChainedSpecialTrianglesProblem, EquilateralTriangleAreaProblem,
             RectangleDiagonalProblem, IsoscelesTriangleAreaProblem, RopewayLengthProblem}};
}

void RunExercisesLesson(State& s) { RunLesson(s, ExercisesLesson()); }

void ShowExercisesGoal(State& s) {
    GoalScreen(s, {"いろいろな問題を三平方の定理や3辺の比を利用して解決しよう。"});
}

void OpenExercise(State& s, const std::string& title, float ggx, float ggy, float yoko,
                  float tate) {
    ClearScreen(s);
    PlaceCursor(s, 108, 30);
    NumberedLine(s, 0, kBlue, title);
    Frame(s, ggx, ggy, yoko, tate, 50);
    s.P.SetDrawWidth(5);
}

}  // namespace vm
