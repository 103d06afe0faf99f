// Velmaris-B's exercise lesson: worked answers to five textbook exercises
// on the theorem and the side ratios of the special right triangles.
#pragma once

#include <string>

#include "frame/lesson.h"
#include "state/state.h"

namespace vm {

// The lesson (main-menu item 2); its run returns on "⑥終了".
Lesson ExercisesLesson();
void RunExercisesLesson(State& s);
// Leaves XI1 = 44, YI1 = 305 and XI2 at the end of the goal sentence.
void ShowExercisesGoal(State& s);

// The scenes: each clears the screen, builds its figure and working one
// key at a time and returns after its last line with no key wait.
void ChainedSpecialTrianglesProblem(State& s);   // ① 問3
void EquilateralTriangleAreaProblem(State& s);   // ② 問4
void RectangleDiagonalProblem(State& s);         // ③ 問5
void IsoscelesTriangleAreaProblem(State& s);     // ④ 問6
void RopewayLengthProblem(State& s);             // ⑤ 問7

// How every exercise opens: a cleared screen, the margin XI1 108, the title
// in colour 3 at (36, 30), the frame of 50 px units without grid lines at
// (ggx, ggy), and pen width 5.
void OpenExercise(State& s, const std::string& title, float ggx, float ggy, float yoko,
                  float tate);

inline constexpr const char* kExercisesSceneList = " ①問３　②問4　③問5　④問6　⑤問7　⑥終了";

}  // namespace vm
