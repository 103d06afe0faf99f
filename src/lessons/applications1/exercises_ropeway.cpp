// ⑤ 問7: a ropeway from the foot of a mountain to its summit, 800 m along
// and 300 m up.
#include "frame/frame.h"
#include "lessons/applications1/exercises.h"
#include "lessons/common/figure.h"
#include "lessons/common/marks.h"
#include "lessons/common/text.h"
#include "platform/colours.h"
#include "platform/runtime.h"

namespace vm {

void RopewayLengthProblem(State& s) {
    ClearScreen(s);
    PlaceCursor(s, 108, 30);
    NumberedLine(s, 0, kBlue, "問7 解答");
    // √73 in single precision, as its text shows it.
    s.T_a(1) = Sqr(73);
    FormatNumberTables(s);
    Frame(s, 756, 120, 8, 6, 50);
    s.P.SetDrawWidth(5);

    constexpr int kSummit = 1, kFoot = 2, kBelow = 3;
    Put(s, {{kSummit, 8, 3}, {kFoot, 0, 0}, {kBelow, 8, 0}});
    s.X_sa(1) = "山頂";
    s.X_sa(2) = "ふもと";
    s.X_sa(3) = "";
    Polygon(s, {kSummit, kFoot, kBelow}, "1");
    RightAngle(s, kBelow, kSummit, kFoot, 40, kRed);
    LengthArc(s, kFoot, kBelow, 1, 5, "800m", kBlueLength);
    LengthArc(s, kSummit, kBelow, -1, 5, "300m", {kBlue, kBlue, 20, -108, 0});
    WaitForKey(s);

    NewLine(s, 50, kBlack, "ロープウェーの長さをxmとすると");
    LengthArc(s, kSummit, kFoot, 1, 5, "xm", kBlueDotsBlackLabel);
    WaitForKey(s);

    NewLine(s, 60, kBlack, "x^2=");
    WaitForKey(s);
    Continue(s, kBlack, "800^2+300^2=");
    WaitForKey(s);
    Continue(s, kBlack, "640000+90000=");
    WaitForKey(s);
    Continue(s, kBlack, "730000");
    WaitForKey(s);
    NewLine(s, 80, kBlack, "x>0 だから ");
    WaitForKey(s);
    Continue(s, kBlack, "x=!730000ﾝ=");
    WaitForKey(s);
    Continue(s, kBlue, "100!73ﾝ");
    WaitForKey(s);
    NewLine(s, 80, kBlack, "!73ﾝ=" + s.T_sa(1) + "… だから");
    WaitForKey(s);
    NewLine(s, 80, kRed, "答　約854m");
}

}  // namespace vm
