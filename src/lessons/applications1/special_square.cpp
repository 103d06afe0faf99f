// Scene ②: the diagonal of a square of side 1 cm.
#include "frame/frame.h"
#include "lessons/applications1/special.h"
#include "lessons/common/figure.h"
#include "lessons/common/marks.h"
#include "lessons/common/text.h"
#include "platform/colours.h"

namespace vm {

namespace {

constexpr int kA = 1, kB = 2, kC = 3, kD = 4;

}  // namespace

void SpecialTrianglesSceneSquare(State& s) {
    ClearScreen(s);
    PlaceCursor(s, 108, 30);
    s.P.SetDrawWidth(5);
    NumberedLine(s, 0, kPurple, "課　1辺が1cmの正方形の");
    NewLine(s, 50, kPurple, "対角線の長さを求めなさい。");

    // A side of 1 cm is 5 grid units.
    Frame(s, 792, 90, 7, 8, 50);
    Put(s, {{kA, 1, 6}, {kB, 1, 1}, {kC, 6, 1}, {kD, 6, 6}});
    Polygon(s, {kA, kB, kC, kD}, "A");
    LengthArc(s, kB, kC, 1, 5, "1cm", kBlueDotsBlackLabel);
    LengthArc(s, kC, kD, 1, 5, "1cm", kBlueDotsBlackLabel);
    WaitForKey(s);

    Segment(s, kB, kD, kBlack);
    RightAngle(s, kC, kB, kD, 40, kRed);
    WaitForKey(s);

    NumberedLine(s, 60, kBlue, "      <解答>");
    NewLine(s, 50, kBlack, "対角線の長さをxcmとすると");
    // On A's side of BD, clear of the mark at C.
    LengthArc(s, kB, kD, -1, 5, "xcm", kBlueLength);
    WaitForKey(s);

    NewLine(s, 60, kBlack, "x^2=");
    WaitForKey(s);
    Continue(s, kBlack, "1^2+1^2");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "  =2");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "x>0 だから");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "x=");
    WaitForKey(s);
    Continue(s, kBlue, "!2ﾝ");
    WaitForKey(s);
    NewLine(s, 60, kRed, "答 !2ﾝcm");
}

}  // namespace vm
