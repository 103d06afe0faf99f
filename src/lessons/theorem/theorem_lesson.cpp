#include "lessons/theorem/theorem_lesson.h"

namespace vm {

Lesson TheoremLesson() {
    return {ShowTheoremGoal,
            " ①証明　②別証　③説明　④練習　⑤問１　⑥終了",
            {ShowTheoremProof, ShowAlternativeProof, ShowTheoremStatementScene, RunTheoremPractice,
             ShowTheoremTextbookAnswers}};
}

void RunTheoremLesson(State& s) { RunLesson(s, TheoremLesson()); }

void ShowTheoremGoal(State& s) {
    GoalScreen(s, {"1 三平方の定理を証明しよう。", "2 三平方の定理を使って、問題を解こう。"});
}

}  // namespace vm
