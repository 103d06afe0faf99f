// The answers of chapter problems B on page 207: a right triangle with sides
// x, x+1 and x+9, the 13-14-15 triangle, a point on y = x/2, a string round
// a cone, and a section of a cube. Main-menu item 5 of Velmaris-C (and of
// Velmaris-E).
#pragma once

#include "frame/lesson.h"
#include "state/state.h"

namespace vm {

// The lesson: its scene list only (no goal screen); its run returns when
// "⑥終了" is chosen.
Lesson ChapterProblemsBLesson();
void RunChapterProblemsBLesson(State& s);

// The scenes: each clears the screen, steps through its answer one key at a
// time and returns after its last text, leaving its picture on the screen.
void ChapterBProblem1Answer(State& s);
void ChapterBProblem2Answer(State& s);
void ChapterBProblem3Answer(State& s);
void ChapterBProblem4Answer(State& s);
void ChapterBProblem5Answer(State& s);

inline constexpr const char* kP207SceneList =
    "P207(章の問題B)の解答　①問題1　②問題2　 ③問題3　④問題4　⑤問題5　⑥終了";

}  // namespace vm
