// Scene 1: three observers see the summit over flat ground, but on a round
// earth each sees only what lies above its tangent line.
#include "figures/figures.h"
#include "frame/frame.h"
#include "lessons/applications2/summit.h"
#include "lessons/applications2/summit_draw.h"
#include "platform/colours.h"

namespace vm {

using namespace summit;

namespace {

constexpr int kO = 0, kSummit = 13;

void DrawMountain(State& s) { Triangle(s, 11, 12, kSummit, kBlue); }

// Observer i: a dot and its line of sight to end point j.
void DrawObserver(State& s, int i, int j) {
    Disc(s, i, 6, kBlue);
    Segment(s, i, j, kPurple);
}

}  // namespace

void SummitSceneFigure(State& s) {
    ClearScreen(s);
    StartTextColumn(s);
    s.P.SetDrawWidth(kPen);
    Write(s, kPurple, s.XI0, s.YI1, "Q 富士山の山頂はどれくらい遠くから見えるだろう?");
    SetFrame(s, 440, 90, 20, 14, 40);

    Put(s, kO, 10, 0);
    Put(s, kSummit, 10, 12);
    const float r1 = s.SIZE * 10;   // the earth
    const float r2 = s.SIZE * 9.5f;  // a tangent line
    Polar(s, 11, 0, r1, 100);
    Polar(s, 12, 0, r1, 80);
    // Round-earth observers further and further left (4, 6, 8), each with the
    // far end of its tangent (5, 7, 9): at E(t) the tangent runs towards the
    // mountain in the direction t - 90 degrees.
    for (int k = 1; k <= 3; ++k) {
        const int at = 2 * k + 2;
        const float t = 100 + 10.0f * static_cast<float>(k);
        Polar(s, at, 0, r1, t);
        const float a = (t - 90) * s.PI / 180;
        s.X_a(at + 1) = s.X_a(at) + r2 * std::cos(a);
        s.Y_a(at + 1) = s.Y_a(at) - r2 * std::sin(a);
    }
    // The same observers on flat ground, level with the foot of the mountain.
    for (int k = 1; k <= 3; ++k) {
        s.X_a(k) = s.X_a(2 * k + 2);
        s.Y_a(k) = s.Y_a(11);
    }

    Write(s, kPurple, s.XI0, s.YI1 + 50, "① ");
    Write(s, kBlack, s.XI2, s.YI1, "図で考えよう");
    DrawMountain(s);
    WaitForKey(s);

    Write(s, kBlack, s.XI1, s.YI1 + 50, "水平ならば");
    s.P.Line(s.GX1, s.Y_a(1), s.GX2, s.Y_a(1), kBlack);
    for (int k = 1; k <= 3; ++k) {
        WaitForKey(s);
        DrawObserver(s, k, kSummit);
    }
    WaitForKey(s);
    Write(s, kBlue, s.XI1, s.YI1 + 50, "どこからでも見える");

    WaitForKey(s);
    s.P.FillBox(s.GX1, s.GY1, s.GX2, s.GY2, kBackground, kBackground);
    Write(s, kBlack, s.XI1, s.YI1 + 50, "球ならば");
    DrawMountain(s);
    s.P.Circle(s.X_a(kO), s.Y_a(kO), r1, kBlack, 1, 0.5f, 0);
    for (int k = 1; k <= 3; ++k) {
        WaitForKey(s);
        DrawObserver(s, 2 * k + 2, 2 * k + 3);
    }
    WaitForKey(s);
    Write(s, kBlue, s.XI1, s.YI1 + 50, "接線より上側しか見えない");
}

}  // namespace vm
