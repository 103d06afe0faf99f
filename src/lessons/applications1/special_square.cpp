// Scene ②: the diagonal of a square of side 1 cm.
#include "frame/frame.h"
#include "lessons/applications1/special.h"
#include "lessons/common/figure.h"
#include "lessons/common/marks.h"
#include "lessons/common/text.h"

namespace vm {

namespace {

constexpr int kA = 1, kB = 2, kC = 3, kD = 4;

}  // namespace

void SpecialTrianglesSceneSquare(State& s) {
    ClearScreen(s);
    s.XI1 = 108;
    s.YI1 = 30;
    s.P.SetDrawWidth(5);
    NumberedLine(s, 0, 7, "課　1辺が1cmの正方形の");
    NewLine(s, 50, 7, "対角線の長さを求めなさい。");

    // A side of 1 cm is 5 grid units.
    Frame(s, 792, 90, 7, 8, 50);
    Put(s, {{kA, 1, 6}, {kB, 1, 1}, {kC, 6, 1}, {kD, 6, 6}});
    Polygon(s, {kA, kB, kC, kD}, "A");
    DimensionArc(s, kB, kC, 1, 20, "1cm", 0, 3);
    DimensionArc(s, kC, kD, 1, 20, "1cm", 0, 3);
    WaitForKey(s);

    Segment(s, kB, kD, 0);
    RightAngle(s, kC, kB, kD, 40, 5);
    WaitForKey(s);

    NumberedLine(s, 60, 3, "      <解答>");
    NewLine(s, 50, 0, "対角線の長さをxcmとすると");
    // On A's side of BD, clear of the mark at C.
    DimensionArc(s, kB, kD, -1, 20, "xcm", 3, 3);
    WaitForKey(s);

    NewLine(s, 60, 0, "x^2=");
    WaitForKey(s);
    Continue(s, 0, "1^2+1^2");
    WaitForKey(s);
    NewLine(s, 60, 0, "  =2");
    WaitForKey(s);
    NewLine(s, 60, 0, "x>0 だから");
    WaitForKey(s);
    NewLine(s, 60, 0, "x=");
    WaitForKey(s);
    Continue(s, 3, "!2ﾝ");
    WaitForKey(s);
    NewLine(s, 60, 5, "答 !2ﾝcm");
}

}  // namespace vm
