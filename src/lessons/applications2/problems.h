// Mixed problems on the theorem, lesson 2 of Velmaris-C (and Velmaris-E):
// the shortest path over a cuboid across four edges, two folded
// rectangles, and a right trapezoid touching a semicircle on its base,
// solved by two pupils' ideas.
#pragma once

#include "frame/lesson.h"
#include "state/state.h"

namespace vm {

// The lesson (main-menu item 2); its run returns when "⑨終了" is chosen.
Lesson VariousProblemsLesson();
void RunVariousProblemsLesson(State& s);
// The "<めあて>" screen, shown once on entry.
void ShowProblemsGoal(State& s);

// The scenes: each starts from a cleared screen, steps through its figure
// and texts one key at a time and returns after its last line, leaving its
// picture on the screen.
void CuboidPathViaCG(State& s);
void CuboidPathViaCD(State& s);
void CuboidPathViaFG(State& s);
void CuboidShortestPath(State& s);
void FoldedRectangleProblem(State& s);
void FoldToMidpointProblem(State& s);
void TangentTrapezoidByPythagoras(State& s);
void TangentTrapezoidBySimilarity(State& s);

// The scene list on the bottom band.
inline constexpr const char* kProblemsSceneList =
    " ①最短距離CG　②CD　③FG　④最短　⑤問１　⑥問2　⑦問3みおり　⑧問3そうま　⑨終了";

}  // namespace vm
