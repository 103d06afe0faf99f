// The answers of chapter problems A on page 206: lengths by the theorem and
// its converse, special triangles and a cone made from a half disc, a right
// triangle under y = 2x^2, and equilateral triangles on the sides of a right
// triangle. Main-menu item 4 of Velmaris-C (and of Velmaris-E).
#pragma once

#include "frame/lesson.h"
#include "state/state.h"

namespace vm {

// The lesson: its scene list only (no goal screen); its run returns when
// "⑤終了" is chosen.
Lesson ChapterProblemsALesson();
void RunChapterProblemsALesson(State& s);

// The scenes: each clears the screen, steps through its answer one key at a
// time and returns after its last text, leaving its picture on the screen.
void ChapterAProblems1And2Answer(State& s);
void ChapterAProblems3And4Answer(State& s);
void ChapterAProblem5Answer(State& s);
void ChapterAProblem6Answer(State& s);

inline constexpr const char* kP206SceneList =
    "P206(章の問題A)の解答　①→問題1,2　②→問題3,4　 ③→問題5　④→問題6　⑤終了";

}  // namespace vm
