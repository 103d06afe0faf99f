#include "lessons/applications1/plane.h"

#include "figures/figures.h"
#include "frame/frame.h"
#include "lessons/common/figure.h"
#include "lessons/common/marks.h"
#include "lessons/common/text.h"
#include "platform/colours.h"

namespace vm {

Lesson PlaneDistancesLesson() {
    return {ShowPlaneDistancesGoal,
            " ①2点距離　②練習　③問8　④弦の長さ　⑤問9　⑥問10　⑦終了",
            {TwoPointDistanceExample, TwoPointDistanceDrill, TwoPointDistanceAnswers,
             ChordLengthExample, ChordProblemAnswer, TangentProblemAnswer}};
}

void RunPlaneDistancesLesson(State& s) { RunLesson(s, PlaneDistancesLesson()); }

void ShowPlaneDistancesGoal(State& s) {
    GoalScreen(s, {"三平方の定理を利用して平面のいろいろな長さを求めよう。"});
}

void TwoPointDistanceExample(State& s) {
    ClearScreen(s);
    PlaceCursor(s, 72, 30);
    Write(s, kBlue, s.XI1 - 36, s.YI1, "課 2点A(5,4),B(-1,-3)の間の距離を求めなさい。");

    Plane(s, 880, 120, -3, 7, -5, 6, 30, 10);

    // A, B and C (x of A, y of B) in plane units until the first key.
    s.X_a(1) = 5, s.Y_a(1) = 4;
    s.X_a(2) = -1, s.Y_a(2) = -3;
    s.X_a(3) = s.X_a(1), s.Y_a(3) = s.Y_a(2);
    s.X_sa(1) = "A";
    s.X_sa(2) = "B";
    for (int i = 1; i <= 2; ++i) {
        PlanePoint(s, s.X_a(i), s.Y_a(i), 7, kBlue, s.X_sa(i), 0, 0);
    }
    WaitForKey(s);

    s.P.SetDrawWidth(5);
    for (int i = 1; i <= 3; ++i) Put(s, i, s.X_a(i), s.Y_a(i));
    Segment(s, 1, 2, kBlue);
    WaitForKey(s);

    // A and B carry their letters from the plot: the triangle names C only.
    s.X_sa(1) = "";
    s.X_sa(2) = "";
    s.X_sa(3) = "C";
    Polygon(s, {1, 2, 3}, "1", kBlue, kBlue, 5, 10);
    RightAngle(s, 3, 1, 2, 40, kRed);
    WaitForKey(s);

    NewLine(s, 60, kBlack, "   <解答>");
    NewLine(s, 60, kBlack, "BC=");
    WaitForKey(s);
    Continue(s, kBlack, "5-(-1)=5+1=");
    Continue(s, kBlue, "6");
    LengthArc(s, 2, 3, 1, 5, "6", kGreenDotsRedLabel);
    WaitForKey(s);
    NewLine(s, 60, kBlack, "AC=");
    WaitForKey(s);
    Continue(s, kBlack, "4-(-3)=4+3=");
    Continue(s, kBlue, "7");
    LengthArc(s, 1, 3, -1, 5, "7", kGreenDotsRedLabel);
    WaitForKey(s);
    NewLine(s, 60, kBlack, "AB=d　とすると");
    LengthArc(s, 1, 2, 1, 5, "d", kGreenDotsRedLabel);
    WaitForKey(s);
    NewLine(s, 60, kBlack, "d^2=");
    WaitForKey(s);
    Continue(s, kBlack, "6^2+7^2=36+49=");
    Continue(s, kBlue, "85");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "d>0 だから");
    Continue(s, kBlue, "!85ﾝ");
    NewLine(s, 60, kRed, "答　!85ﾝ");
}

void TwoPointDistanceAnswers(State& s) {
    ClearScreen(s);
    PlaceCursor(s, 108, 30);
    Write(s, kBlue, s.XI1 - 72, s.YI1, "問8 解答");
    Write(s, kBlack, s.XI1 - 72, s.YI1 + 50, "(1) x座標:1-(-3)=1+3=4 ,y座標:3-(-2)=3+2=5");
    NewLine(s, 60, kBlack, "AB^2=4^2+5^2=16+25=41");
    NewLine(s, 60, kBlack, "AB>0 だから AB=");
    Continue(s, kRed, "!41ﾝ");
    Write(s, kBlack, s.XI1 - 72, s.YI1 + 80, "(2) x座標:3-(-3)=3+3=6 ,y座標:4-2=2");
    NewLine(s, 60, kBlack, "AB^2=6^2+2^2=36+4=40");
    NewLine(s, 60, kBlack, "AB>0 だから AB=!40ﾝ=");
    Continue(s, kRed, "2!10ﾝ");
}

}  // namespace vm
