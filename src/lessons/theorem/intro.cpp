#include "lessons/theorem/intro.h"

#include <cmath>

#include "figures/figures.h"
#include "formula/formula.h"
#include "frame/frame.h"
#include "frame/lesson.h"
#include "lessons/common/figure.h"
#include "lessons/common/marks.h"
#include "lessons/common/text.h"
#include "platform/colours.h"
#include "platform/runtime.h"

namespace vm {

namespace {

// Runs once on entry from the main menu; the scene menu then asks over the
// figure it leaves.
void StartIntroductionLesson(State& s) {
    ShowIntroductionGoal(s);
    WaitForKey(s);
    DrawIntroductionFigure(s);
}

}  // namespace

Lesson IntroductionLesson() { return {StartIntroductionLesson, "①操作　②終了", {MoveTriangleScene}}; }

void RunIntroductionLesson(State& s) { RunLesson(s, IntroductionLesson()); }

void ShowIntroductionGoal(State& s) {
    ClearScreen(s);
    GoalScreen(s, {"三角形の各辺を1辺とする3つの正方形の面積の関係を調べよう。"});
}

void PlaceOnIntroGrid(State& s, std::initializer_list<GridPoint> points) {
    Frame(s, 48, 50, 40, 40, 16);
    Put(s, points);
}

void DrawIntroductionFigure(State& s) {
    ClearScreen(s);
    // In grid units: the foot of A, A, B, C and the text column.
    PlaceOnIntroGrid(s, {{0, 25, 15}, {1, 25, 23}, {2, 15, 15}, {3, 27, 15}, {11, 53, 30}});
    DrawSquaresFigure(s);
}

void DrawSquaresFigure(State& s) {
    const float xa = s.X_a(1), ya = s.Y_a(1);
    const float xb = s.X_a(2), yb = s.Y_a(2);
    const float xc = s.X_a(3), yc = s.Y_a(3);
    const float xf = s.X_a(0), yf = s.Y_a(0);

    // Side AB and the direction away from C: BA turned a quarter turn
    // counter-clockwise (y up).
    const float rc = Sqr((xa - xb) * (xa - xb) + (ya - yb) * (ya - yb));
    s.ZX0 = xb, s.ZY0 = yb, s.ZX1 = xf, s.ZY1 = yf, s.ZX2 = xa, s.ZY2 = ya;
    s.ITI = 1;
    ComputeAngleSize(s);
    const float hhaa = s.HH5 + s.PI / 2;

    // Side CA and the direction away from B: AC turned the same way.
    const float rb = Sqr((xa - xc) * (xa - xc) + (ya - yc) * (ya - yc));
    s.ZX0 = xa, s.ZY0 = ya, s.ZX1 = xc, s.ZY1 = yc, s.ZX2 = xf, s.ZY2 = yf;
    s.ITI = 1;
    ComputeAngleSize(s);
    const float hhbb = 2 * s.PI - s.HH5;

    // Outer corners: R on AB (4, 5), P on BC straight below it (6, 7),
    // Q on CA (8, 9).
    s.X_a(4) = xa + rc * std::cos(hhaa);
    s.Y_a(4) = ya - rc * std::sin(hhaa);
    s.X_a(5) = xb + rc * std::cos(hhaa);
    s.Y_a(5) = yb - rc * std::sin(hhaa);
    s.X_a(6) = xb;
    s.Y_a(6) = yb + (xc - xb);
    s.X_a(7) = xc;
    s.Y_a(7) = yc + (xc - xb);
    s.X_a(8) = xc + rb * std::cos(hhbb);
    s.Y_a(8) = yc - rb * std::sin(hhbb);
    s.X_a(9) = xa + rb * std::cos(hhbb);
    s.Y_a(9) = ya - rb * std::sin(hhbb);

    auto pt = [&](int row) { return Point{s.X_a(row), s.Y_a(row)}; };
    s.P.SetDrawWidth(5);
    s.P.FillPolygon({pt(1), pt(4), pt(5), pt(2), pt(1)}, kBlue, kPlum);
    s.P.FillPolygon({pt(2), pt(6), pt(7), pt(3), pt(2)}, kBlue, kDarkGrey);
    s.P.FillPolygon({pt(3), pt(8), pt(9), pt(1), pt(3)}, kBlue, kDarkGrey);

    // The triangle over the squares, lettered A, B, C outside its corners.
    Polygon(s, {1, 2, 3}, "A", kBlue, kRed, 5, 20);

    // Square letters near the middle of each square.
    Label(s, kAmber, (s.X_a(1) + s.X_a(5)) / 2 - 20, (s.Y_a(1) + s.Y_a(5)) / 2 - 20, "R");
    Label(s, kAmber, (s.X_a(2) + s.X_a(7)) / 2 - 40, (s.Y_a(2) + s.Y_a(7)) / 2 - 20, "P");
    Label(s, kAmber, (s.X_a(3) + s.X_a(9)) / 2, (s.Y_a(3) + s.Y_a(9)) / 2 - 20, "Q");

    // Side letters on dotted arcs in the background colour: the dots show
    // as light dots on the filled squares. A, B, C run counter-clockwise,
    // so arcs to the right of each side lie outside the triangle.
    s.P.SetDrawWidth(3);
    const struct {
        int from, to;
        float step;
        const char* label;
    } sides[] = {{1, 2, 3, "c"}, {2, 3, 4, "a"}, {3, 1, 5, "b"}};
    for (const auto& side : sides) {
        LengthArc(s, side.from, side.to, 1, side.step, side.label, {kWhite, kAmber, 20});
    }

    s.P.SetDrawWidth(5);
    Label(s, kBlack, s.X_a(11), 30, "Ｐ,Q,Rの関係は？");
}

void ShowTheoremStatement(State& s) {
    EraseKeyPrompt(s);
    Label(s, kRed, s.X_a(14) - 216, s.Y_a(14), "∠C=90°ならば a^2+b^2=c^2");
}

}  // namespace vm
