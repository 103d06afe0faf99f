// Scenes 3 and 4: the path from B to H across FG, unfolded with the front
// and bottom faces; then all three paths on the net with their lengths, the
// twin of each across the opposite edge, and the shortest of them.
#include "frame/frame.h"
#include "lessons/common/cuboid.h"
#include "lessons/applications2/problems.h"
#include "lessons/common/figure.h"
#include "lessons/common/marks.h"
#include "lessons/common/text.h"
#include "platform/colours.h"

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
    PlaceCursor(s, 108, 30);
    Write(s, kBlue, s.XI1 - 36, s.YI1, "辺FGを通る場合");
    StartCuboidFigure(s);
    DrawCuboidNet(s);
    s.P.SetDrawWidth(5);
    Segment(s, kNetB, kNetHViaFG, kBlue);
    ViewPath(s, kOnFG, kBlue);
    WaitForKey(s);

    s.CCC1 = kBlack;
    RightAngle(s, kNetE, kNetHViaFG, kNetF, 30, kRed);
    WaitForKey(s);

    PlaceCursor(s, 108, 450);
    NewLine(s, 60, kBlack, "BH^2=");
    WaitForKey(s);

    s.P.SetDrawWidth(3);
    LengthArc(s, kNetHViaFG, kNetE, -1, 7, "5㎝", kBlueEdgeLength);
    LengthArc(s, kNetB, kNetF, 1, 2, "3㎝", kBlueEdgeLength);
    LengthArc(s, kNetE, kNetF, -1, 5, "4㎝", kBlueEdgeLength);
    s.P.SetDrawWidth(5);
    WaitForKey(s);

    Continue(s, kBlack, "7^2+5^2=");
    WaitForKey(s);

    Continue(s, kBlack, "49+25=");
    WaitForKey(s);

    Continue(s, kBlack, "74");
    WaitForKey(s);

    NewLine(s, 60, kBlack, "BH>0 だから、");
    Continue(s, kBlack, "BH=");
    Continue(s, kBlack, "!74ﾝ ");
    WaitForKey(s);

    Continue(s, kRed, "答　!74ﾝcm");
}

void CuboidShortestPath(State& s) {
    ClearScreen(s);
    PlaceCursor(s, 108, 30);
    Write(s, kBlue, 72, 30, "もっとも短くなる場合は?");
    StartCuboidFigure(s);
    DrawCuboidNet(s);
    s.P.SetDrawWidth(5);
    ViewPath(s, kOnCD, kRed);
    Segment(s, kNetB, kNetHViaCD, kRed);
    Segment(s, kNetB, kNetHViaFG, kBlue);
    Segment(s, kNetB, kNetHViaAE, kGreen);
    ViewPath(s, kOnFG, kBlue);
    ViewPath(s, kOnAE, kGreen);
    // The edges BC and CG stay on top of the paths that cross them.
    Segment(s, kB, kC, kBlack);
    Segment(s, kC, kG, kBlack);
    WaitForKey(s);

    // The lengths along the net paths, in the paths' colours.
    s.P.SetDrawWidth(3);
    LengthArc(s, kNetB, kNetHViaCD, -1, 7, "!80ﾝ=4!5ﾝ㎝", {kRed, kRed, 0});
    LengthArc(s, kNetB, kNetHViaFG, -1, 2, "!74ﾝ㎝", {kBlue, kRed, 0});
    LengthArc(s, kNetB, kNetHViaAE, 1, 5, "!90ﾝ=3!10ﾝ㎝", {kGreen, kRed, 0});
    // The twins are dotted with a wider pen; it stays after the scene.
    s.P.SetDrawWidth(7);
    WaitForKey(s);

    DottedPath(s, kOnEF, 10, 5, kRed);
    WaitForKey(s);

    DottedPath(s, kOnDA, 5, 10, kBlue);
    WaitForKey(s);

    DottedPath(s, kOnCG, 5, 10, kGreen);
    PlaceCursor(s, 108, 500);
    NewLine(s, 60, kRed, "FGを通る場合");
}

}  // namespace vm
