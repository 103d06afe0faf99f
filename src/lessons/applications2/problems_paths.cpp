// Scenes 1 and 2: the path from B to H across CG, unfolded with the front
// and right faces into one 9 by 3 rectangle, then the path across CD on the
// net. The view of the cuboid stands left, the unfolded faces right.
#include "frame/frame.h"
#include "lessons/common/cuboid.h"
#include "lessons/applications2/problems.h"
#include "lessons/common/figure.h"
#include "lessons/common/marks.h"
#include "lessons/common/text.h"
#include "platform/colours.h"

namespace vm {

using namespace cuboid;

void CuboidPathViaCG(State& s) {
    ClearScreen(s);
    s.XI0 = 30;
    s.YI1 = 20;
    Write(s, kPurple, s.XI0, s.YI1, "P203 ");
    Continue(s, kBlue, "点Bから点Hまでの最短距離は?");
    StartCuboidFigure(s);
    Write(s, kPurple, s.GX1, s.GY1, "<みおりさんの考え>");
    WaitForKey(s);

    ViewPath(s, kOnCG, kPurple);
    WaitForKey(s);

    // The front and right faces side by side, on the net's corners 11, 13,
    // 22 and 24, folded at CG (12-23).
    Outline(s, {11, 13, 22, 24}, kBlack);
    DottedLine(s, 12, 23, 10, kBlack);
    const struct {
        int at;
        const char* letter;
        float dy;
    } letters[] = {{11, "B", -50}, {12, "C", -50}, {13, "D", -50},
                   {24, "F", 10},  {23, "G", 10},  {22, "H", 10}};
    for (const auto& l : letters) Label(s, kBlack, s.X_a(l.at) - 14, s.Y_a(l.at) + l.dy, l.letter);
    WaitForKey(s);

    Segment(s, 11, 22, kPurple);
    WaitForKey(s);

    s.CCC1 = kBlack;
    RightAngle(s, 24, 11, 23, 30, kRed);
    WaitForKey(s);

    PlaceCursor(s, 108, 400);
    NewLine(s, 60, kBlack, "BH^2=");
    WaitForKey(s);

    s.P.SetDrawWidth(3);
    LengthArc(s, 11, 24, 1, 7, "3㎝", kBlueEdgeLength);
    LengthArc(s, 24, 23, 1, 3, "5㎝", kBlueEdgeLength);
    LengthArc(s, 23, 22, 1, 5, "4㎝", kBlueEdgeLength);
    s.P.SetDrawWidth(5);
    WaitForKey(s);

    Continue(s, kBlack, "9^2+3^2=");
    WaitForKey(s);

    Continue(s, kBlack, "81+9=");
    WaitForKey(s);

    Continue(s, kBlack, "90");
    WaitForKey(s);

    NewLine(s, 60, kBlack, "BH>0 だから、");
    Continue(s, kBlack, "BH=!90ﾝ=");
    Continue(s, kBlack, "3!10ﾝ ");
    WaitForKey(s);

    Continue(s, kRed, "答　3!10ﾝcm");
    WaitForKey(s);

    ViewPath(s, kOnAE, kGreen);
    Write(s, kBlue, s.XI0, s.YI1 + 50, "緑(AEの間)は紫と同じ長さ。");
    WaitForKey(s);

    ViewPath(s, kOnFG, kBlue);
    ViewPath(s, kOnCD, kRed);
    Write(s, kPurple, s.XI0, s.YI1 + 50, "赤(CDの間)や青(FGの間)の場合を考えよう。");
}

void CuboidPathViaCD(State& s) {
    ClearScreen(s);
    PlaceCursor(s, 72, 30);
    Write(s, kBlue, s.XI1 - 36, s.YI1, "辺CDを通る場合");
    StartCuboidFigure(s);
    WaitForKey(s);

    ViewPath(s, kOnCD, kRed);
    WaitForKey(s);

    DrawCuboidNet(s);
    WaitForKey(s);

    Segment(s, kNetB, kNetHViaCD, kRed);
    WaitForKey(s);

    // At G of the net (17), between H (16) and C (18).
    s.CCC1 = kBlack;
    RightAngle(s, 17, kNetHViaCD, 18, 30, kRed);
    WaitForKey(s);

    PlaceCursor(s, 36, 450);
    NewLine(s, 60, kBlack, "BH^2=");
    WaitForKey(s);

    s.P.SetDrawWidth(3);
    LengthArc(s, kNetB, 18, 1, 7, "5㎝", kBlueEdgeLength);
    LengthArc(s, 18, 17, 1, 9, "3㎝", kBlueEdgeLength);
    LengthArc(s, kNetHViaCD, 17, -1, 5, "4㎝", kBlueEdgeLength);
    s.P.SetDrawWidth(5);
    WaitForKey(s);

    Continue(s, kBlack, "8^2+4^2=");
    WaitForKey(s);

    Continue(s, kBlack, "64+16=");
    WaitForKey(s);

    Continue(s, kBlack, "80");
    WaitForKey(s);

    NewLine(s, 60, kBlack, "BH>0 だから、");
    Continue(s, kBlack, "BH=!80ﾝ=");
    Continue(s, kBlack, "4!5ﾝ ");
    WaitForKey(s);

    Continue(s, kRed, "答　4!5ﾝcm");
}

}  // namespace vm
