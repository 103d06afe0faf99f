// Dotted dimension arcs: half an ellipse over a segment with a label at its apex.
#include <cmath>

#include "figures/common.h"
#include "figures/figures.h"

namespace vm {

namespace {

// The point of the arc at parameter HH around the centre (CX, CY).
void ArcPoint(State& s) { fig::ArcPointAround(s, s.CX, s.CY); }

}  // namespace

void DrawDimensionArc(State& s) {
    // A step of zero or below would never reach the arc's end.
    if (s.HABA <= 0) return;
    // Small heights are in grid units of 16 pixels, negative ones in pixels.
    if (s.TAKASA > 0 && s.TAKASA < 16) s.TAKASA *= 16;
    else if (s.TAKASA < 0) s.TAKASA = -s.TAKASA;
    s.ZX11 = s.ZX0, s.ZY11 = s.ZY0;
    s.ZX12 = s.ZX1, s.ZY12 = s.ZY1;
    s.CX = s.ZX1 - s.ZX0;
    s.CY = s.ZY1 - s.ZY0;
    s.RR = Sqr(s.CX * s.CX + s.CY * s.CY) / 2;
    s.CX = s.ZX0 + s.RR;
    s.CY = s.ZY0;
    ComputeRayAngle(s);
    s.H = s.HHP;
    if (s.HOUKOU > 0) s.D1 = 180, s.D2 = 360;
    else s.D1 = 0, s.D2 = 180;
    s.II = s.D1;
    for (;;) {
        s.HH = s.II * s.PI / 180;
        ArcPoint(s);
        s.P.Dot(s.ZX, s.ZY, 0.5f, fig::Whole(s.CCC2));
        const float next = s.II + s.HABA;
        // A step too small to move the counter would never end the loop.
        if (next == s.II) break;
        s.II = next;
        if (s.II > s.D2) break;
    }
    s.HH = (s.D1 + s.D2) / 2 * s.PI / 180;
    ArcPoint(s);
    // The label goes on the apex, pushed away from the segment: the bisector
    // of the angle P0-apex-P1 on the arc's side points outwards.
    s.ZX2 = s.ZX12, s.ZY2 = s.ZY12;
    s.ZX1 = s.ZX11, s.ZY1 = s.ZY11;
    s.ZX0 = s.ZX, s.ZY0 = s.ZY;
    s.NAGASA = 0;
    s.ITI = s.HOUKOU;
    PlaceAngleLabel(s);
    s.AAA_s.clear();
}

namespace fig {

void ArcPointAround(State& s, float cx, float cy) {
    s.ZX3 = cx + s.RR * std::cos(s.HH);
    s.ZY3 = cy - Div(s.TAKASA, s.RR) * s.RR * std::sin(s.HH);
    s.ZX1 = s.ZX3;
    s.ZY1 = s.ZY3;
    ComputeRayAngle(s);
    s.R = Sqr((s.ZX3 - s.ZX0) * (s.ZX3 - s.ZX0) + (s.ZY3 - s.ZY0) * (s.ZY3 - s.ZY0));
    s.ZX = s.ZX0 + s.R * std::cos(s.H + s.HHP);
    s.ZY = s.ZY0 - s.R * std::sin(s.H + s.HHP);
}

}  // namespace fig

}  // namespace vm
