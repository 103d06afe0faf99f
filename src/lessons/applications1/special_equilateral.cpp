// Scene ③: the height of an equilateral triangle of side 2 cm.
#include "frame/frame.h"
#include "lessons/applications1/equilateral.h"
#include "lessons/applications1/special.h"
#include "lessons/common/figure.h"
#include "lessons/common/text.h"
#include "platform/colours.h"
#include "platform/runtime.h"

namespace vm {

using namespace equilateral;

void SpecialTrianglesSceneEquilateral(State& s) {
    ClearScreen(s);
    PlaceCursor(s, 108, 30);
    NumberedLine(s, 0, kPurple, "課　1辺が2cmの正三角形の高さを求めなさい。");
    Frame(s, 792, 90, 8, 8, 50);
    s.P.SetDrawWidth(5);

    // A side of 2 cm is 6 grid units.
    EquilateralAltitude(s, "2cm", "1cm");
    WaitForKey(s);

    NumberedLine(s, 60, kBlue, "      <解答>");
    NewLine(s, 50, kBlack, "AD=hcmとすると");
    // Right of the altitude, clear of the mark in ADB.
    LengthArc(s, kA, kD, -1, 5, "hcm", kBlueLength);
    WaitForKey(s);

    NewLine(s, 60, kBlack, "2^2=");
    WaitForKey(s);
    Continue(s, kBlack, "1^2+h^2");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "h^2=");
    WaitForKey(s);
    Continue(s, kBlack, "2^2-1^2=4-1=3");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "h>0 だから");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "h=");
    WaitForKey(s);
    Continue(s, kBlue, "!3ﾝ");
    WaitForKey(s);
    NewLine(s, 60, kRed, "答 !3ﾝcm");
}

}  // namespace vm
