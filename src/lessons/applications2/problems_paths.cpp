// Scenes 1 and 2: the path from B to H across CG, unfolded with the front
// and right faces into one 9 by 3 rectangle, then the path across CD on the
// net. The view of the cuboid stands left, the unfolded faces right.
#include "frame/frame.h"
#include "lessons/applications2/cuboid.h"
#include "lessons/applications2/problems.h"
#include "lessons/common/figure.h"
#include "lessons/common/marks.h"
#include "lessons/common/text.h"

namespace vm {

using namespace cuboid;

namespace {

// A length on the unfolded faces: 16 px high, dots and label in colour 3.
void Length(State& s, int i, int j, float side, float step, const char* label) {
    DimensionArc(s, i, j, side, 1, label, 3, 3, step);
}

}  // namespace

void CuboidPathViaCG(State& s) {
    ClearScreen(s);
    s.XI0 = 30;
    s.YI1 = 20;
    Write(s, 7, s.XI0, s.YI1, "P203 ");
    Continue(s, 3, "点Bから点Hまでの最短距離は?");
    StartCuboidFigure(s);
    Write(s, 7, s.GX1, s.GY1, "<みおりさんの考え>");
    WaitForKey(s);

    ViewPath(s, kOnCG, 7);
    WaitForKey(s);

    // The front and right faces side by side, on the net's corners 11, 13,
    // 22 and 24, folded at CG (12-23).
    Outline(s, {11, 13, 22, 24}, 0);
    DottedLine(s, 12, 23, 10, 0);
    const struct {
        int at;
        const char* letter;
        float dy;
    } letters[] = {{11, "B", -50}, {12, "C", -50}, {13, "D", -50},
                   {24, "F", 10},  {23, "G", 10},  {22, "H", 10}};
    for (const auto& l : letters) Label(s, 0, s.X_a(l.at) - 14, s.Y_a(l.at) + l.dy, l.letter);
    WaitForKey(s);

    Segment(s, 11, 22, 7);
    WaitForKey(s);

    s.CCC1 = 0;
    RightAngle(s, 24, 11, 23, 30, 5);
    WaitForKey(s);

    s.XI1 = 108;
    s.YI1 = 400;
    NewLine(s, 60, 0, "BH^2=");
    WaitForKey(s);

    s.P.SetDrawWidth(3);
    Length(s, 11, 24, 1, 7, "3㎝");
    Length(s, 24, 23, 1, 3, "5㎝");
    Length(s, 23, 22, 1, 5, "4㎝");
    s.P.SetDrawWidth(5);
    WaitForKey(s);

    Continue(s, 0, "9^2+3^2=");
    WaitForKey(s);

    Continue(s, 0, "81+9=");
    WaitForKey(s);

    Continue(s, 0, "90");
    WaitForKey(s);

    NewLine(s, 60, 0, "BH>0 だから、");
    Continue(s, 0, "BH=!90ﾝ=");
    Continue(s, 0, "3!10ﾝ ");
    WaitForKey(s);

    Continue(s, 5, "答　3!10ﾝcm");
    WaitForKey(s);

    ViewPath(s, kOnAE, 9);
    Write(s, 3, s.XI0, s.YI1 + 50, "緑(AEの間)は紫と同じ長さ。");
    WaitForKey(s);

    ViewPath(s, kOnFG, 3);
    ViewPath(s, kOnCD, 5);
    Write(s, 7, s.XI0, s.YI1 + 50, "赤(CDの間)や青(FGの間)の場合を考えよう。");
}

void CuboidPathViaCD(State& s) {
    ClearScreen(s);
    s.XI1 = 72;
    s.YI1 = 30;
    Write(s, 3, s.XI1 - 36, s.YI1, "辺CDを通る場合");
    StartCuboidFigure(s);
    WaitForKey(s);

    ViewPath(s, kOnCD, 5);
    WaitForKey(s);

    DrawCuboidNet(s);
    WaitForKey(s);

    Segment(s, kNetB, kNetHViaCD, 5);
    WaitForKey(s);

    // At G of the net (17), between H (16) and C (18).
    s.CCC1 = 0;
    RightAngle(s, 17, kNetHViaCD, 18, 30, 5);
    WaitForKey(s);

    s.XI1 = 36;
    s.YI1 = 450;
    NewLine(s, 60, 0, "BH^2=");
    WaitForKey(s);

    s.P.SetDrawWidth(3);
    Length(s, kNetB, 18, 1, 7, "5㎝");
    Length(s, 18, 17, 1, 9, "3㎝");
    Length(s, kNetHViaCD, 17, -1, 5, "4㎝");
    s.P.SetDrawWidth(5);
    WaitForKey(s);

    Continue(s, 0, "8^2+4^2=");
    WaitForKey(s);

    Continue(s, 0, "64+16=");
    WaitForKey(s);

    Continue(s, 0, "80");
    WaitForKey(s);

    NewLine(s, 60, 0, "BH>0 だから、");
    Continue(s, 0, "BH=!80ﾝ=");
    Continue(s, 0, "4!5ﾝ ");
    WaitForKey(s);

    Continue(s, 5, "答　4!5ﾝcm");
}

}  // namespace vm
