// Velmaris-A's theorem lesson: two proofs filled in box by box, the
// statement, a drill of four find-x problems and the textbook's answers.
#pragma once

#include <string>

#include "frame/lesson.h"
#include "state/state.h"

namespace vm {

// The lesson (main-menu item 2): goal screen, then the scene menu.
Lesson TheoremLesson();
void RunTheoremLesson(State& s);
void ShowTheoremGoal(State& s);

// Scene ①: the square DECF of side a + b around the square on AB; ten keys.
void ShowTheoremProof(State& s);
// Scene ②: four copies of the triangle inside the square on the hypotenuse;
// seven keys.
void ShowAlternativeProof(State& s);
// Scene ③: the theorem beside its triangle, at once.
void ShowTheoremStatementScene(State& s);
// Scene ④: problems (1) to (4), each until 1 is entered at its gate.
void RunTheoremPractice(State& s);
// Scene ⑤: worked answers of the textbook exercise; six keys.
void ShowTheoremTextbookAnswers(State& s);

// The case of problems (1) and (3) after the no-repeat rule: a draw equal
// to the previous case falls back to case 1, or to 2 when it was 1.
float TheoremCase(float drawn, float previous);
// The answer of problems (2) and (4), x = root of F(6), as markup: "!41ﾝ",
// or the root and its simplified form ("!32ﾝ=4!2ﾝ", "!25ﾝ=5ﾝ"). Sets F(7),
// F(8) and every text of T$() and F$().
std::string TheoremRootAnswer(State& s);

}  // namespace vm
