#include "lessons/applications1/solids.h"

#include <string>

#include "frame/frame.h"
#include "lessons/common/cuboid.h"
#include "lessons/common/figure.h"
#include "lessons/common/marks.h"
#include "lessons/common/text.h"
#include "platform/colours.h"

namespace vm {

namespace {

using namespace cuboid;

// The figure of ② and ③: the diagonal BH under the cuboid, and its edges
// labelled at the pen width of the figure.
void DrawLabelledCuboid(State& s, const char* gh, const char* fg, const char* bf) {
    ClearScreen(s);
    s.P.SetDrawWidth(5);
    Frame(s, 836, 90, 12, 10, 35);
    ComputeSolidsCuboidPoints(s);
    Segment(s, kB, kH, kRed);
    DrawCuboid(s);
    LengthArc(s, kG, kH, 1, 10, gh, kBlueEdgeLength);
    LengthArc(s, kF, kG, 1, 5, fg, kBlueEdgeLength);
    LengthArc(s, kB, kF, 1, 10, bf, kBlueEdgeLength);
}

// A diagonal named on the segment itself: the dots fall on it and the
// label stands at its middle.
constexpr ArcLook kNameOnSegment{kRed, kRed, 0};

}  // namespace

void ComputeSolidsCuboidPoints(State& s) {
    // Across: the front is 8 units wide, the depth goes 2 to the right.
    s.A = 8;
    s.B = 2;
    s.X_a(1) = 0;
    s.X_a(3) = s.X_a(1) + s.A;
    s.X_a(5) = s.X_a(1) + s.A + s.B;
    s.X_a(7) = s.X_a(1) + s.B;
    s.X_a(2) = s.X_a(1);
    s.X_a(4) = s.X_a(3);
    s.X_a(6) = s.X_a(5);
    s.X_a(8) = s.X_a(7);
    // Up: the front is 5 units high, the depth goes 2.5 up.
    s.A = 5;
    s.B = 2.5f;
    s.Y_a(1) = 6;
    s.Y_a(2) = s.Y_a(1) - s.A;
    s.Y_a(3) = s.Y_a(1);
    s.Y_a(4) = s.Y_a(3) - s.A;
    s.Y_a(5) = s.Y_a(3) + s.B;
    s.Y_a(6) = s.Y_a(5) - s.A;
    s.Y_a(7) = s.Y_a(5);
    s.Y_a(8) = s.Y_a(7) - s.A;
    for (s.II = 1; s.II <= 8; s.II += 1) {
        const int i = static_cast<int>(s.II);
        Put(s, i, s.X_a(i), s.Y_a(i));
    }
}

void CuboidDiagonalExample(State& s) {
    ClearScreen(s);
    PlaceCursor(s, 108, 30);
    s.P.SetDrawWidth(5);
    const std::string title = "問　直方体の対角線BHの長さを求めなさい。";
    Write(s, kBlue, s.XI1 - 36, s.YI1, title);
    Frame(s, 836, 90, 12, 10, 35);
    ComputeSolidsCuboidPoints(s);
    Segment(s, kB, kH, kBlue);
    DrawCuboid(s);
    s.P.SetDrawWidth(3);
    LengthArc(s, kG, kH, 1, 7, "2㎝", kBlueEdgeLength);
    LengthArc(s, kF, kG, 1, 2, "4㎝", kBlueEdgeLength);
    LengthArc(s, kB, kF, 1, 5, "3㎝", kBlueEdgeLength);
    WaitForKey(s);

    // The right triangle BFH, with the edges and letters over its colour.
    s.P.SetDrawWidth(5);
    Triangle(s, kB, kF, kH, kAmber);
    Segment(s, kB, kH, kBlue);
    Segment(s, kF, kH, kBlue);
    DrawCuboid(s);
    RightAngle(s, kF, kB, kH, 30, kRed);
    WaitForKey(s);

    PlaceCursor(s, 108, 30);
    Write(s, kBlue, s.XI1 - 36, s.YI1, title);
    NewLine(s, 60, kBlack, "BH^2=");
    WaitForKey(s);
    Continue(s, kBlack, "3^2+");
    WaitForKey(s);
    Continue(s, kBlack, "FH^2");
    WaitForKey(s);

    // The right triangle FGH on the bottom face.
    Triangle(s, kF, kG, kH, kCyan);
    RightAngle(s, kG, kF, kH, 30, kRed);
    Segment(s, kF, kH, kBlue);
    DrawCuboid(s);
    WaitForKey(s);

    NewLine(s, 60, kBlack, "FH^2=");
    WaitForKey(s);
    Continue(s, kBlack, "4^2+2^2");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "したがって、");
    NewLine(s, 60, kBlack, "BH^2");
    s.XI3 = s.X;
    Continue(s, kBlack, "=3^2+");
    WaitForKey(s);
    Continue(s, kBlack, "4^2+2^2");
    WaitForKey(s);
    Write(s, kBlack, s.XI3, s.YI1 + 60, "=9+16+4=29");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "BH>0 だから、");
    NewLine(s, 60, kBlack, "BH=!29ﾝ");
    WaitForKey(s);
    NewLine(s, 60, kRed, "答　!29ﾝcm");
    WaitForKey(s);
    FixedLine(s, kBlack, "教科書P199 問11　をしなさい。");
}

void CuboidDiagonalAnswer(State& s) {
    DrawLabelledCuboid(s, "3㎝", "5㎝", "4㎝");
    PlaceCursor(s, 36, 30);
    Write(s, kBlue, s.XI1, s.YI1, "教科書P199 問11 解答");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "底面の対角線の長さをxcmとすると");
    Segment(s, kF, kH, kRed);
    LengthArc(s, kF, kH, 1, 5, "x㎝", kNameOnSegment);
    WaitForKey(s);
    NewLine(s, 60, kBlack, "x^2=3^2+5^2");
    NewLine(s, 60, kBlack, "直方体の対角線の長さをycmとすると");
    LengthArc(s, kB, kH, 1, 5, "y㎝", kNameOnSegment);
    WaitForKey(s);
    NewLine(s, 60, kBlack, "y^2=x^2+4^2=9+25+16=50");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "y>0 だから、　y=!50ﾝ=");
    Continue(s, kBlue, "5!2ﾝ");
    NewLine(s, 60, kRed, "答　5!2ﾝcm");
    FixedLine(s, kPurple, "教科書P199 問12　をしなさい。");
}

void CuboidDiagonalFormula(State& s) {
    DrawLabelledCuboid(s, "a", "b", "c");
    PlaceCursor(s, 108, 30);
    Write(s, kBlue, s.XI1, s.YI1, "教科書P199 問12 解答");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "底面の対角線の長さをxとすると");
    Segment(s, kF, kH, kRed);
    LengthArc(s, kF, kH, 1, 5, "x", kNameOnSegment);
    WaitForKey(s);
    NewLine(s, 60, kBlack, "x^2=a^2+b^2");
    NewLine(s, 60, kBlack, "直方体の対角線の長さをyとすると");
    LengthArc(s, kB, kH, 1, 5, "y", kNameOnSegment);
    WaitForKey(s);
    NewLine(s, 60, kBlack, "y^2=x^2+c^2=a^2+b^2+c^2");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "y>0 だから、　y=!a^2+b^2+c^2ﾝ");
    FixedLine(s, kPurple, "教科書P199 問13　をしなさい。");
}

}  // namespace vm
