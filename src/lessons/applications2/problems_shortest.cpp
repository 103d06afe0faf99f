// Scenes 3 and 4: the path from B to H across FG, unfolded with the front
// and bottom faces; then all three paths on the net with their lengths, the
// twin of each across the opposite edge, and the shortest of them.
#include "frame/frame.h"
#include "lessons/applications2/cuboid.h"
#include "lessons/applications2/problems.h"
#include "lessons/common/figure.h"
#include "lessons/common/marks.h"
#include "lessons/common/text.h"

namespace vm {

using namespace cuboid;

namespace {

// Net corners of the bottom face: E below F.
constexpr int kNetE = 21, kNetF = 22;

// A path on the view drawn dotted, in the colour of its solid twin:
// B -> crossing point k -> H.
void DottedPath(State& s, int k, float to_k, float to_h, int c) {
    DottedLine(s, kB, k, to_k, c);
    DottedLine(s, k, kH, to_h, c);
}

}  // namespace

void CuboidPathViaFG(State& s) {
    ClearScreen(s);
    s.XI1 = 108;
    s.YI1 = 30;
    Write(s, 3, s.XI1 - 36, s.YI1, "辺FGを通る場合");
    StartCuboidFigure(s);
    DrawCuboidNet(s);
    s.P.SetDrawWidth(5);
    Segment(s, kNetB, kNetHViaFG, 3);
    ViewPath(s, kOnFG, 3);
    WaitForKey(s);

    s.CCC1 = 0;
    RightAngle(s, kNetE, kNetHViaFG, kNetF, 30, 5);
    WaitForKey(s);

    s.XI1 = 108;
    s.YI1 = 450;
    NewLine(s, 60, 0, "BH^2=");
    WaitForKey(s);

    s.P.SetDrawWidth(3);
    DimensionArc(s, kNetHViaFG, kNetE, -1, 1, "5㎝", 3, 3, 7);
    DimensionArc(s, kNetB, kNetF, 1, 1, "3㎝", 3, 3, 2);
    DimensionArc(s, kNetE, kNetF, -1, 1, "4㎝", 3, 3, 5);
    s.P.SetDrawWidth(5);
    WaitForKey(s);

    Continue(s, 0, "7^2+5^2=");
    WaitForKey(s);

    Continue(s, 0, "49+25=");
    WaitForKey(s);

    Continue(s, 0, "74");
    WaitForKey(s);

    NewLine(s, 60, 0, "BH>0 だから、");
    Continue(s, 0, "BH=");
    Continue(s, 0, "!74ﾝ ");
    WaitForKey(s);

    Continue(s, 5, "答　!74ﾝcm");
}

void CuboidShortestPath(State& s) {
    ClearScreen(s);
    s.XI1 = 108;
    s.YI1 = 30;
    Write(s, 3, 72, 30, "もっとも短くなる場合は?");
    StartCuboidFigure(s);
    DrawCuboidNet(s);
    s.P.SetDrawWidth(5);
    ViewPath(s, kOnCD, 5);
    Segment(s, kNetB, kNetHViaCD, 5);
    Segment(s, kNetB, kNetHViaFG, 3);
    Segment(s, kNetB, kNetHViaAE, 9);
    ViewPath(s, kOnFG, 3);
    ViewPath(s, kOnAE, 9);
    // The edges BC and CG stay on top of the paths that cross them.
    Segment(s, kB, kC, 0);
    Segment(s, kC, kG, 0);
    WaitForKey(s);

    // The lengths along the net paths, in the paths' colours.
    s.P.SetDrawWidth(3);
    DimensionArc(s, kNetB, kNetHViaCD, -1, 0, "!80ﾝ=4!5ﾝ㎝", 5, 5, 7);
    DimensionArc(s, kNetB, kNetHViaFG, -1, 0, "!74ﾝ㎝", 5, 3, 2);
    DimensionArc(s, kNetB, kNetHViaAE, 1, 0, "!90ﾝ=3!10ﾝ㎝", 5, 9, 5);
    // The twins are dotted with a wider pen; it stays after the scene.
    s.P.SetDrawWidth(7);
    WaitForKey(s);

    DottedPath(s, kOnEF, 10, 5, 5);
    WaitForKey(s);

    DottedPath(s, kOnDA, 5, 10, 3);
    WaitForKey(s);

    DottedPath(s, kOnCG, 5, 10, 9);
    s.XI1 = 108;
    s.YI1 = 500;
    NewLine(s, 60, 5, "FGを通る場合");
}

}  // namespace vm
