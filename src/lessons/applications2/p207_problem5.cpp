// Chapter B problem 5: the cube ABCD-EFGH of edge 6 cm, the triangle BDN and
// the rhombus AMGN through the midpoints M of BF and N of DH.
#include "frame/frame.h"
#include "lessons/applications2/p207.h"
#include "lessons/applications2/textbook.h"
#include "lessons/common/marks.h"
#include "platform/colours.h"

namespace vm {

using namespace textbook;

namespace {

constexpr int kB = 1, kF = 2, kC = 3, kG = 4, kD = 5, kH = 6, kA = 7, kE = 8, kM = 9, kN = 10;

// A face of the cube with the letters of X$() at its corners ("" none).
void Face(State& s, std::initializer_list<int> corners,
          std::initializer_list<const char*> letters) {
    int k = 0;
    for (const char* l : letters) s.X_sa(++k) = l;
    Polygon(s, corners, "1");
}

void DrawCube(State& s) {
    Frame(s, 800, 50, 12, 10, 30);
    s.P.SetDrawWidth(kPen);
    // A is the edge, B the oblique shift of the back face.
    s.A = 6;
    s.B = 3;
    const float x1 = 0, y1 = 6;
    const float x3 = x1 + s.A, x5 = x1 + s.A + s.B, x7 = x1 + s.B;
    const float y3 = y1, y5 = y3 + s.B;
    Put(s, {{kB, x1, y1},
            {kF, x1, y1 - s.A},
            {kC, x3, y3},
            {kG, x3, y3 - s.A},
            {kD, x5, y5},
            {kH, x5, y5 - s.A},
            {kA, x7, y5},
            {kE, x7, y5 - s.A}});
    Midpoint(s, kM, kB, kF);
    Midpoint(s, kN, kD, kH);
    // N stands 15 px lower, off the screen row of B and C.
    s.Y_a(kN) += 15;
    Face(s, {kA, kB, kC, kD}, {"A", "B", "", "D"});
    Face(s, {kB, kF, kG, kC}, {"", "F", "G", ""});
    Face(s, {kC, kG, kH, kD}, {"C", "", "H", ""});
    DottedLine(s, kA, kE, 7, kBlack);
    DottedLine(s, kF, kE, 7, kBlack);
    DottedLine(s, kH, kE, 7, kBlack);
    Label(s, kBlack, s.X_a(kE) - 36, s.Y_a(kE) - 40, "E");
    Disc(s, kM, 6, kBlack);
    Label(s, kBlack, s.X_a(kM) - 40, s.Y_a(kM) - 25, "M");
    Disc(s, kN, 6, kBlack);
    Label(s, kBlack, s.X_a(kN) + 10, s.Y_a(kN) - 25, "N");
    s.P.SetDrawWidth(3);
    LengthArc(s, kF, kG, 1, 2, "6㎝", kBlueEdgeLength);
    s.P.SetDrawWidth(kPen);
}

}  // namespace

void ChapterBProblem5Answer(State& s) {
    ClearScreen(s);
    PlaceCursor(s, 30, 20);
    s.P.SetDrawWidth(kPen);
    Tags(s, kP207, "5", s.XI1, s.YI1, 44);
    DrawCube(s);
    WaitForKey(s);
    NewLine(s, 60, kBlue, "(1)");
    RightAngle(s, kD, kB, kH, 40, kBlue);
    Outline(s, {kB, kD, kN}, kPurple);
    // The edges through C go back over the triangle.
    Segment(s, kC, kG, kBlack);
    Segment(s, kC, kD, kBlack);
    Segment(s, kC, kB, kBlack);
    Continue(s, kBlack, "DN=3cm");
    NewLine(s, 50, kBlack, "BD=6*!2ﾝ=6!2ﾝ(cm)");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "BN^2=3^2+(6!2ﾝ)^2=9+72=81");
    WaitForKey(s);
    NewLine(s, 50, kBlack, "BN>0 だから ");
    Continue(s, kRed, "BN=9cm");
    WaitForKey(s);
    NewLine(s, 60, kBlue, "(2)四角形はひし形になる");
    Outline(s, {kA, kM, kG, kN}, kRed);
    WaitForKey(s);
    NewLine(s, 50, kBlack, "MG^2=3^2+6^2=9+36=45");
    WaitForKey(s);
    NewLine(s, 50, kBlack, "MG>0 だから ");
    Continue(s, kBlue, "MG=3!5ﾝcm");
    WaitForKey(s);
    NewLine(s, 50, kBlue, "周の長さは、");
    Continue(s, kBlack, "4*3!5ﾝ=");
    Continue(s, kRed, "12!5ﾝ(cm)");
    WaitForKey(s);
    NewLine(s, 60, kBlue, "AG=");
    Continue(s, kBlack, "!6^2+6^2+6^2ﾝ=!6^2*3ﾝ=");
    Continue(s, kBlue, "6!3ﾝ");
    WaitForKey(s);
    Continue(s, kBlue, ",MN=6!2ﾝ");
    Continue(s, kBlack, " だから");
    WaitForKey(s);
    NewLine(s, 70, kBlue, "面積は、");
    Continue(s, kBlack, "ﾀ1/2ﾀ*6!3ﾝ*6!2ﾝ=");
    WaitForKey(s);
    Continue(s, kRed, "18!6ﾝ(cm^2)");
}

}  // namespace vm
