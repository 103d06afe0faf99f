// Scenes ① and ② of the theorem lesson: a figure built step by step, then
// the calculation of c^2 as texts and four empty boxes, one box filled per key.
#include "figures/figures.h"
#include "formula/formula.h"
#include "frame/frame.h"
#include "lessons/common/figure.h"
#include "lessons/common/marks.h"
#include "lessons/common/text.h"
#include "lessons/theorem/steps.h"
#include "lessons/theorem/theorem_lesson.h"
#include "platform/colours.h"

namespace vm {

using namespace theorem;

namespace {

// The first row of the calculation: c^2=(①)\2 <sign>4*②, then "  =③" and
// "  =④" 100 px apart. One KAKKO makes the "(" and the ")" after box 1 large.
void ProofSkeleton(State& s, const char* close) {
    s.KAKKO = 1;
    Continue(s, kBlack, "(");
    EmptyBox(s, 1, 144, 50);
    Write(s, kBlack, s.XI2 + 4, s.YI1, close);
    EmptyBox(s, 2, 144, 80);
    NewLine(s, 100, kBlack, "  =");
    EmptyBox(s, 3, 396, 50);
    NewLine(s, 100, kBlack, "  =");
    EmptyBox(s, 4, 180, 50);
}

// The square of `side` grid units with point i as its top left, filled 8
// and framed 3, its name centred in it in colour 13.
void SquareFrom(State& s, int i, float side, const char* name) {
    s.CCC1 = kAmber;
    s.CCC2 = kBlue;
    s.CCC3 = kDarkGrey;
    s.HABA = s.TATE = side * s.SIZE;
    s.X = s.X_a(i);
    s.Y = s.Y_a(i);
    s.A_s = name;
    DrawCellText(s);
}

}  // namespace

void ShowTheoremProof(State& s) {
    ClearScreen(s);
    PlaceCursor(s, 72, 30);
    Write(s, kBlue, s.XI1 - 36, s.YI1, "直角三角形ABCで");
    Write(s, kBlue, s.XI1 - 36, s.YI1 + 50, "∠C=90°ならば a^2+b^2=c^2");
    Frame(s, 792, 100, 10, 11, 45);
    s.P.SetDrawWidth(5);
    // A, B, C; the corners of the square on AB on DE (8) and on DF (9);
    // D (11), E (12), F (13).
    Put(s, {{1, 7, 7}, {2, 3, 4}, {3, 7, 4}, {8, 0, 8}, {9, 4, 11}, {11, 0, 11}, {12, 0, 4},
            {13, 7, 11}});
    s.X_sa(1) = "";
    s.X_sa(2) = "";
    s.X_sa(3) = "C";
    Polygon(s, {1, 2, 3}, "1", kBlue, kRed);
    LengthArc(s, 1, 2, 1, 3, "c", kBlackLength);
    LengthArc(s, 2, 3, 1, 4, "a", kBlackLength);
    LengthArc(s, 3, 1, 1, 5, "b", kBlackLength);
    RightAngle(s, 3, 1, 2, 25, kRed);
    Label(s, kRed, s.X_a(1) + 10, s.Y_a(1) - 45, "A");
    Label(s, kRed, s.X_a(2) - 45, s.Y_a(2) + 10, "B");
    WaitForKey(s);

    // The squares on BC and CA, then on AB. They cover the arcs of the
    // sides, and nothing is drawn on them after.
    SquareFrom(s, 2, 4, "a^2");
    SquareFrom(s, 1, 3, " b^2");
    s.P.SetDrawWidth(5);
    s.P.FillPolygon({{s.X_a(1), s.Y_a(1)}, {s.X_a(9), s.Y_a(9)}, {s.X_a(8), s.Y_a(8)},
                     {s.X_a(2), s.Y_a(2)}, {s.X_a(1), s.Y_a(1)}},
                    kBlue, kPlum);
    Label(s, kAmber, (s.X_a(1) + s.X_a(8)) / 2 - 20, (s.Y_a(1) + s.Y_a(8)) / 2 - 20, "c^2");
    Label(s, kRed, s.X_a(1) + 10, s.Y_a(1) - 45, "A");
    WaitForKey(s);

    s.X_sa(1) = "D";
    s.X_sa(2) = "E";
    s.X_sa(3) = "";
    s.X_sa(4) = "F";
    Polygon(s, {11, 12, 3, 13}, "1", kBlue, kRed);
    RightAngle(s, 13, 1, 9, 25, kRed);
    RightAngle(s, 11, 8, 9, 25, kRed);
    RightAngle(s, 12, 8, 2, 25, kRed);
    WaitForKey(s);

    // The legs a and b of the corner triangles at F, D and E. (Their
    // hypotenuses are the sides of the square on AB, named by its c^2.)
    s.P.SetDrawWidth(3);
    const struct {
        int from, to;
    } legs_a[] = {{1, 13}, {9, 11}, {8, 12}}, legs_b[] = {{13, 9}, {11, 8}, {12, 2}};
    for (int ij = 0; ij < 3; ++ij) {
        LengthArc(s, legs_a[ij].from, legs_a[ij].to, 1, 4, "a", kBlackLength);
        LengthArc(s, legs_b[ij].from, legs_b[ij].to, 1, 5, "b", kBlackLength);
    }
    WaitForKey(s);

    NewLine(s, 50, kBlack, "<証明しよう>");
    NewLine(s, 80, kBlack, "c^2=");
    WaitForKey(s);

    ProofSkeleton(s, ")\\2-4*");
    WaitForKey(s);
    FillInBox(s, 1, 144, 50, "a+b");
    WaitForKey(s);
    FillInBox(s, 2, 144, 80, "ﾀ1/2ﾀab");
    WaitForKey(s);
    FillInBox(s, 3, 396, 50, "a^2+2ab+b^2-2ab");
    WaitForKey(s);
    FillInBox(s, 4, 180, 50, "a^2+b^2");
    WaitForKey(s);

    FixedLine(s, kPurple, "別な証明を考えよう。");
}

void ShowAlternativeProof(State& s) {
    ClearScreen(s);
    PlaceCursor(s, 72, 30);
    Write(s, kBlue, s.XI1 - 36, s.YI1, "直角三角形ABEで");
    Write(s, kBlue, s.XI1 - 36, s.YI1 + 50, "∠E=90°ならば a^2+b^2=c^2");
    Frame(s, 756, 100, 10, 10, 50);
    s.P.SetDrawWidth(5);
    // The square ABCD on the hypotenuse and the inner square EFGH; from A
    // each corner is the one before moved by the legs b = 3 and a = 5.
    Put(s, {{1, 1, 6}, {2, 4, 1}, {3, 9, 4}, {4, 6, 9}, {5, 4, 6}, {6, 4, 4}, {7, 6, 4}, {8, 6, 6}});
    Polygon(s, {1, 2, 3, 4}, "A", kBlue, kBlue);
    Polygon(s, {5, 6, 7, 8}, "E", kBlue, kBlue);
    // Each triangle: its long leg a from a corner of ABCD to its right angle,
    // its short leg b on to the next corner. Each long leg runs through a corner of the
    // inner square and so draws a short leg and an inner side as well.
    const struct {
        int far_a, corner, far_b;
    } triangles[] = {{1, 8, 4}, {2, 5, 1}, {3, 6, 2}, {4, 7, 3}};
    for (const auto& t : triangles) {
        Segment(s, t.far_a, t.corner, kBlue);
        RightAngle(s, t.corner, t.far_a, t.far_b, 25, kRed);
    }
    WaitForKey(s);

    LengthArc(s, 1, 2, 1, 5, "c", kBlackLength);
    LengthArc(s, 2, 5, 1, 8, "a", kBlackLength);
    LengthArc(s, 5, 1, 1, 9, "b", kBlackLength);
    WaitForKey(s);

    NewLine(s, 50, kBlack, "<証明しよう>");
    NewLine(s, 80, kBlack, "c^2=");
    WaitForKey(s);

    ProofSkeleton(s, ")\\2+4*");
    WaitForKey(s);
    FillInBox(s, 1, 144, 50, "a-b");
    WaitForKey(s);
    FillInBox(s, 2, 144, 80, "ﾀ1/2ﾀab");
    WaitForKey(s);
    FillInBox(s, 3, 396, 50, "a^2-2ab+b^2+2ab");
    WaitForKey(s);
    FillInBox(s, 4, 180, 50, "a^2+b^2");
}

}  // namespace vm
