// The answers of the basic problems on page 205: special right triangles,
// four lengths (a coordinate plane, a chord), a cuboid's diagonal and a cone.
// Main-menu item 3 of Velmaris-C (and of Velmaris-E).
#pragma once

#include "frame/lesson.h"
#include "state/state.h"

namespace vm {

// The lesson: its scene list only (no goal screen); its run returns when
// "④→終了" is chosen.
Lesson ChapterBasicProblemsLesson();
void RunChapterBasicProblemsLesson(State& s);

// The scenes: each clears the screen, steps through its answer one key at a
// time and returns after its last text, leaving its picture on the screen.
void BasicProblem1Answer(State& s);
void BasicProblem2Answer(State& s);
void BasicProblem3Answer(State& s);

inline constexpr const char* kP205SceneList =
    "P205(三平方 基本の問題)の解答　①→問題1　②→問題2　 ③→問題3　④→終了";

}  // namespace vm
