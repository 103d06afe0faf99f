// Chapter B problem 3: P on y = x/2 with OP = OA = 5, found from the
// perpendicular to the x axis.
#include "figures/figures.h"
#include "frame/frame.h"
#include "lessons/applications2/p207.h"
#include "lessons/applications2/textbook.h"
#include "platform/colours.h"
#include "platform/runtime.h"

namespace vm {

using namespace textbook;

namespace {

constexpr int kO = 0, kA = 1, kP = 2, kFoot = 3;

constexpr ArcLook kLength{kBlue, kRed, 20};

void DrawFigure(State& s) {
    Plane(s, 660, 120, -1, 6, -1, 3, 60, 0);
    s.IROIRO = 3;
    s.AA = 0.5f;
    s.BB = 0;
    s.CCC3 = kBlack;
    s.AAA_s = "y=ﾀ1/2ﾀx";
    s.KASANARIX = -114;
    s.KASANARIY = -60;
    PlotGraph(s);
    const float px = 2 * Sqr(5), py = Sqr(5);
    Put(s, {{kO, 0, 0}, {kA, 5, 0}, {kP, px, py}, {kFoot, px, 0}});
    Segment(s, kA, kP, kBlack);
    Disc(s, kA, 5, kBlue);
    Label(s, kBlue, s.X_a(kA) + 19, s.Y_a(kA), "A(5,0)");
    Disc(s, kP, 5, kBlue);
    Label(s, kBlue, s.X_a(kP) - 19, s.Y_a(kP) - 48, "P");
}

}  // namespace

void ChapterBProblem3Answer(State& s) {
    ClearScreen(s);
    PlaceCursor(s, 40, 30);
    s.P.SetDrawWidth(kPen);
    Tags(s, kP207, "3", s.XI1, s.YI1, 44);
    DrawFigure(s);
    WaitForKey(s);
    NewLine(s, 60, kBlack, "点Pからx軸へ垂線をひく");
    Segment(s, kP, kFoot, kBlue);
    RightAngle(s, kFoot, kO, kP, 40, kRed);
    WaitForKey(s);
    NewLine(s, 60, kBlack, "点Pのx座標を");
    Continue(s, kBlue, "p");
    Continue(s, kBlack, "とすると、y座標は");
    Continue(s, kBlue, "ﾀ1/2ﾀp");
    LengthArc(s, kO, kFoot, 1, 4, "p", kLength);
    LengthArc(s, kP, kFoot, -1, 9, "ﾀ1/2ﾀp", kLength);
    WaitForKey(s);
    NewLine(s, 60, kBlack, "OA=OP だから OP=5");
    LengthArc(s, kO, kP, -1, 4, "5", kLength);
    WaitForKey(s);
    // Large parentheses round the fraction; the writer clears KAKKO at ")".
    s.KAKKO = 1;
    NewLine(s, 60, kBlack, "p^2+(ﾀ1/2ﾀp)\\2=5^2");
    WaitForKey(s);
    NewLine(s, 80, kBlack, "ﾀ5/4ﾀp^2=25");
    NewLine(s, 60, kBlack, "p^2=20");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "p>0 だから p=!20ﾝ=");
    Continue(s, kBlue, "2!5ﾝ");
    WaitForKey(s);
    Continue(s, kBlack, "  ﾀ1/2ﾀp=ﾀ1/2ﾀ*2!5ﾝ=");
    Continue(s, kBlue, "!5ﾝ");
    NewLine(s, 60, kRed, "答　P(2!5ﾝ,!5ﾝ)");
}

}  // namespace vm
