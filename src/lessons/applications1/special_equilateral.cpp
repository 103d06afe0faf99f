// Scene ③: the height of an equilateral triangle of side 2 cm.
#include "frame/frame.h"
#include "lessons/applications1/special.h"
#include "lessons/common/figure.h"
#include "lessons/common/marks.h"
#include "lessons/common/text.h"
#include "platform/runtime.h"

namespace vm {

namespace {

// D is the foot of the altitude, the midpoint of BC.
constexpr int kA = 1, kB = 2, kC = 3, kD = 4;

}  // namespace

void SpecialTrianglesSceneEquilateral(State& s) {
    ClearScreen(s);
    s.XI1 = 108;
    s.YI1 = 30;
    NumberedLine(s, 0, 7, "課　1辺が2cmの正三角形の高さを求めなさい。");
    Frame(s, 792, 90, 8, 8, 50);
    s.P.SetDrawWidth(5);

    // A side of 2 cm is 6 grid units; the apex stands 3√3 above the base.
    Put(s, {{kB, 1, 1}, {kA, 1 + 3, 1 + 3 * Sqr(3)}, {kC, 1 + 6, 1}, {kD, 1 + 3, 1}});
    Polygon(s, {kA, kB, kC}, "A");
    DimensionArc(s, kA, kB, 1, 20, "2cm", 0, 3);
    WaitForKey(s);

    DimensionArc(s, kB, kD, 1, 20, "1cm", 0, 3);
    Ticks(s, kB, kD);
    Ticks(s, kD, kC);
    Disc(s, kD, 5, 0);
    PointLetter(s, kD, 0, "D");
    WaitForKey(s);

    Segment(s, kA, kD, 0);
    WaitForKey(s);

    RightAngle(s, kD, kA, kB, 40, 5);
    WaitForKey(s);

    NumberedLine(s, 60, 3, "      <解答>");
    NewLine(s, 50, 0, "AD=hcmとすると");
    // Right of the altitude, clear of the mark in ADB.
    DimensionArc(s, kA, kD, -1, 20, "hcm", 3, 3);
    WaitForKey(s);

    NewLine(s, 60, 0, "2^2=");
    WaitForKey(s);
    Continue(s, 0, "1^2+h^2");
    WaitForKey(s);
    NewLine(s, 60, 0, "h^2=");
    WaitForKey(s);
    Continue(s, 0, "2^2-1^2=4-1=3");
    WaitForKey(s);
    NewLine(s, 60, 0, "h>0 だから");
    WaitForKey(s);
    NewLine(s, 60, 0, "h=");
    WaitForKey(s);
    Continue(s, 3, "!3ﾝ");
    WaitForKey(s);
    NewLine(s, 60, 5, "答 !3ﾝcm");
}

}  // namespace vm
