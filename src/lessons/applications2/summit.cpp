#include "lessons/applications2/summit.h"

#include "frame/lesson.h"

namespace vm {

void ShowSummitGoal(State& s) {
    GoalScreen(s, {"富士山の山頂はどれくらい遠くから見えるか調べよう。"});
}

void RunSummitViewLesson(State& s) {
    static const Lesson lesson{
        ShowSummitGoal,
        kSummitSceneList,
        {SummitSceneFigure, SummitSceneConstruction, SummitSceneTangentLength, SummitSceneMap,
         SummitSceneHigherPlaces},
    };
    RunLesson(s, lesson);
}

}  // namespace vm
