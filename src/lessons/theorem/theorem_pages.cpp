// Scenes ③ and ⑤ of the theorem lesson: the statement beside its triangle,
// and the worked answers of the textbook exercise.
#include "frame/frame.h"
#include "lessons/common/figure.h"
#include "lessons/common/marks.h"
#include "lessons/common/text.h"
#include "lessons/theorem/steps.h"
#include "lessons/theorem/theorem_lesson.h"
#include "platform/colours.h"

namespace vm {

using namespace theorem;

void ShowTheoremStatementScene(State& s) {
    ClearScreen(s);
    DrawSidesTriangle(s, 250);

    PlaceCursor(s, 72, 30);
    Write(s, kBlue, s.XI1 + 36, s.YI1, "<三平方の定理>");
    NewLine(s, 50, kBlack, "直角三角形の直角をはさむ2辺の長さをa,b,");
    NewLine(s, 50, kBlack, "斜辺の長さをcとすると、 ");
    NewLine(s, 50, kBlue, " a^2+b^2=c^2");
    Continue(s, kBlack, "   が成り立つ。");
    Write(s, kRed, s.XI1 + 432, s.YI1 + 150, "∠C=90°ならば a^2+b^2=c^2");
}

void ShowTheoremTextbookAnswers(State& s) {
    ClearScreen(s);
    PlaceCursor(s, 36, 30);
    Write(s, kBlue, s.XI1, s.YI1, "教科書P189 問1 解答");
    WaitForKey(s);

    NewLine(s, 60, kBlack, "(1) ");
    Continue(s, kRed, "x=8");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "17^2=x^2+15^2");
    NewLine(s, 60, kBlack, "x^2=17^2-15^2");
    NewLine(s, 60, kBlack, "  =(17+15)*(17-15)");
    NewLine(s, 60, kBlack, "  =32*2=64");
    NewLine(s, 60, kBlack, "x>0 だから x=!64ﾝ=8");
    NewLine(s, 60, kBlack, "(2) ");
    WaitForKey(s);
    Continue(s, kRed, "x=5!2ﾝ");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "x^2=5^2+5^2");
    NewLine(s, 50, kBlack, "  =25+25");
    NewLine(s, 50, kBlack, "  =50");
    PlaceCursor(s, 648, 30);
    Write(s, kBlack, s.XI1, s.YI1, "x>0 だから x=!50ﾝ=5!2ﾝ");
    WaitForKey(s);

    NewLine(s, 60, kBlack, "(3) ");
    Continue(s, kRed, "x=!21ﾝ");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "5^2=x^2+2^2");
    NewLine(s, 60, kBlack, "x^2=5^2-2^2");
    NewLine(s, 60, kBlack, "  =25-4");
    NewLine(s, 60, kBlack, "  =21");
    NewLine(s, 60, kBlack, "x>0 だから x=!21ﾝ");
}

}  // namespace vm
