// Velmaris-A's converse lesson (a congruence task, the converse stated and
// proved, a drill of near-right triangles, the textbook's answers) and its
// basic-problem answer pages.
#pragma once

#include <string>

#include "frame/lesson.h"
#include "state/state.h"

namespace vm {

// The converse lesson (main-menu item 3): goal screen, then the scene menu.
Lesson ConverseLesson();
void RunConverseLesson(State& s);
void ShowConverseGoal(State& s);

// Scene ①: is △ABC congruent to the right triangle DEF? New pairs until 1
// is entered, then DE of the last pair by the theorem.
void RunCongruenceTask(State& s);
// Scene ②: the converse beside its triangle, at once.
void ShowConverseStatement(State& s);
// Scene ③: the proof with five fill-in boxes; seven keys.
void ShowConverseProof(State& s);
// Scene ④: is △ABC right-angled? New triangles until 1 is entered.
void RunConversePractice(State& s);
// Scene ⑤: the textbook's four triangles checked one per key.
void ConverseProblemAnswer(State& s);

// The basic-problem answers (main-menu item 4): two pages, no goal screen.
Lesson TheoremBasicProblemsLesson();
void RunTheoremBasicProblemsLesson(State& s);
void BasicProblemOneAnswer(State& s);
void BasicProblemTwoAnswer(State& s);

// The triangle of scenes ① and ④: a case k from 1 to 9 after the repeat
// rule (T(1) the offset d, T(2) 1 when right-angled), BC = a in F(1),
// CA = b in F(2), their squares in F(4) and F(5), a^2 + b^2 in F(16),
// AB^2 = a^2 + b^2 + d in F(6); AB as markup in F$(3), the root of F(16)
// (DE of scene ①) in F$(13).
void ChooseConverseProblem(State& s);
// The repeat rule: a draw equal to FMAESU is raised by one and FMAESU kept;
// any other draw is kept in FMAESU.
float ConverseCase(State& s, float drawn);
// The markup of the root of F(value) from F(factor) and F(radicand) as
// SimplifyInto left them and FormatNumberTables wrote them: "!53ﾝ" when
// nothing came out of the root, else "3!5ﾝ", or "6ﾝ" for a whole number.
std::string ConverseRoot(State& s, int value, int factor, int radicand);

}  // namespace vm
