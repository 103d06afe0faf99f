#include "lessons/applications2/summit.h"

#include "frame/lesson.h"

namespace vm {

void ShowSummitGoal(State& s) {
    GoalScreen(s, {"富士山の山頂はどれくらい遠くから見えるか調べよう。"});
}

Lesson SummitViewLesson() {
    return {
        ShowSummitGoal,
        kSummitSceneList,
        {SummitSceneFigure, SummitSceneConstruction, SummitSceneTangentLength, SummitSceneMap,
         SummitSceneHigherPlaces},
    };
}

void RunSummitViewLesson(State& s) { RunLesson(s, SummitViewLesson()); }

}  // namespace vm
