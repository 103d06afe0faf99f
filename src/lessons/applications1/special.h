// Velmaris-B's first lesson: the flower-bed cords, the diagonal of a square,
// the height of an equilateral triangle, the side ratios of the two special
// right triangles, a random drill on them and the answers to question 2.
#pragma once

#include "frame/lesson.h"
#include "state/state.h"

namespace vm {

// The lesson (main-menu item 1); its run returns on "⑦終了".
Lesson SpecialTrianglesLesson();
void RunSpecialTrianglesLesson(State& s);
// The "<めあて>" screen, shown once on entry; leaves XI1 44, YI1 435.
void ShowSpecialTrianglesGoal(State& s);

// The scenes: each clears the screen, builds its page and returns after its
// last line with no key wait, leaving the page under the scene list.
void SpecialTrianglesSceneFlowerBed(State& s);
void SpecialTrianglesSceneSquare(State& s);
void SpecialTrianglesSceneEquilateral(State& s);
void SpecialTrianglesSceneSideRatios(State& s);
void SpecialTrianglesSceneDrill(State& s);
void SpecialTrianglesSceneQuestion2(State& s);

// The scene list on the bottom band.
inline constexpr const char* kSpecialTrianglesSceneList =
    " ①P193Q　②正方形　③正三角形　④３辺の比　⑤練習　⑥問2　⑦終了";

}  // namespace vm
