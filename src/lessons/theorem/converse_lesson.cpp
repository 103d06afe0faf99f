// The converse lesson's entry, its statement scene and its answer page.
#include "lessons/theorem/converse_lesson.h"

#include "frame/frame.h"
#include "lessons/common/figure.h"
#include "lessons/common/marks.h"
#include "lessons/common/text.h"
#include "lessons/theorem/steps.h"
#include "platform/colours.h"

namespace vm {

Lesson ConverseLesson() {
    return {ShowConverseGoal,
            " ①導入課題　②説明　③証明　④練習　⑤問1　⑥終了",
            {RunCongruenceTask, ShowConverseStatement, ShowConverseProof, RunConversePractice,
             ConverseProblemAnswer}};
}

void RunConverseLesson(State& s) { RunLesson(s, ConverseLesson()); }

void ShowConverseGoal(State& s) {
    GoalScreen(s, {"1 三平方の定理の逆を考えよう。", "2 三平方の定理の逆を使って、問題を解こう。"});
}

void ShowConverseStatement(State& s) {
    ClearScreen(s);
    theorem::DrawSidesTriangle(s, 300);

    PlaceCursor(s, 72, 30);
    Write(s, kBlue, s.XI1 + 36, s.YI1, "<三平方の定理の逆>");
    NewLine(s, 50, kBlack, "三角形の3辺の長さa,b,cの間に、");
    NewLine(s, 50, kBlue, " a^2+b^2=c^2");
    NewLine(s, 50, kBlack, "という関係が成り立てば、その三角形は");
    NewLine(s, 50, kBlack, "長さcの辺を斜辺とする直角三角形である。 ");
    Write(s, kRed, s.XI1 + 432, s.YI1 + 150, "a^2+b^2=c^2 ならば ∠C=90°");
}

namespace {

// One triangle of the answer page: its letter at (XI0, YI1 + gap), then
// after a key the sum of the squares of its shorter sides on the letter's
// line, its value, the longest side squared and "だから " at XI1.
void Check(State& s, float gap, const char* letter, const char* sum, const char* value,
           const char* longest) {
    Write(s, kPurple, s.XI0, s.YI1 + gap, letter);
    WaitForKey(s);
    Continue(s, kBlack, sum);
    NewLine(s, 60, kBlack, value);
    NewLine(s, 60, kBlack, longest);
    NewLine(s, 60, kBlack, "だから ");
}

}  // namespace

void ConverseProblemAnswer(State& s) {
    ClearScreen(s);
    s.XI0 = 30;
    PlaceCursor(s, s.XI0 + 36, 20);
    Write(s, kBlue, s.XI1, s.YI1, "教科書P191 問1 解答  ");
    Continue(s, kRed, "イ,ウ,エ");

    Check(s, 50, "ア", " 2^2+3^2", "=4+9=13", "4^2=16");
    Continue(s, kBlue, "2^2+3^2≠4^2");
    Check(s, 60, "イ", " 8^2+15^2", "=64+225=289", "17^2=289");
    Continue(s, kBlue, "8^2+15^2=17^2");

    s.XI0 = 600;
    PlaceCursor(s, 636, 20);
    Check(s, 60, "ウ", " 7^2+24^2", "=49+576=625", "25^2=625");
    Continue(s, kBlue, "7^2+24^2=25^2");
    Check(s, 60, "エ", " (!7ﾝ)^2+(!11ﾝ)^2", "=7+11=18", "(3!2ﾝ)^2=9*2=18");
    NewLine(s, 60, kBlue, "(!7ﾝ)^2+(!11ﾝ)^2=(3!2ﾝ)^2");
}

}  // namespace vm
