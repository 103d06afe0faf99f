// Arrows, slope triangles, a line's crossing with a grid line, and points
// of the ellipse under a dimension arc.
#include <cmath>

#include "figures/common.h"
#include "figures/figures.h"
#include "figures/styles.h"
#include "formula/formula.h"
#include "platform/colours.h"
#include "platform/sjis.h"
#include "state/shared_forms.h"

namespace vm {

namespace {

// Shaft and open head from the tail (ZX, ZY) to the tip (ZX0, ZY0). An
// arrow without length has no direction for its head.
void ShaftAndHead(State& s, const ArrowStyle& style) {
    const int colour = fig::Whole(s.CCC2);
    s.P.Line(s.ZX, s.ZY, s.ZX0, s.ZY0, colour);
    s.CX = s.ZX0 - s.ZX;
    s.CY = s.ZY0 - s.ZY;
    s.D = Sqr(s.CX * s.CX + s.CY * s.CY);
    if (s.D == 0 && style.flat_headless) return;
    s.DX = Div(s.CX, s.D);
    s.DY = Div(s.CY, s.D);
    s.EX = s.ZX0 - s.NAGASA * s.DX;
    s.EY = s.ZY0 - s.NAGASA * s.DY;
    s.ZX1 = s.EX - s.NAGASA / 2 * s.DY;
    s.ZY1 = s.EY + s.NAGASA / 2 * s.DX;
    s.ZX2 = s.EX + s.NAGASA / 2 * s.DY;
    s.ZY2 = s.EY - s.NAGASA / 2 * s.DX;
    s.P.Line(s.ZX1, s.ZY1, s.ZX0, s.ZY0, colour);
    s.P.Line(s.ZX2, s.ZY2, s.ZX0, s.ZY0, colour);
}

void SwapEnds(State& s) {
    std::swap(s.ZX, s.ZX0);
    std::swap(s.ZY, s.ZY0);
}

// The text of a length in grid units: blanks removed, no zero before the
// point.
std::string LengthText(State& s, float v) {
    s.A_s = NumText(v);
    return s.A_s;
}

}  // namespace

void DrawArrow(State& s, const ArrowStyle& style) {
    // The ends are exchanged for the drawing when the head belongs at
    // (ZX, ZY), and stay exchanged.
    const bool turned = s.MUKI == -1;
    if (turned == style.head_at_z0) SwapEnds(s);
    ShaftAndHead(s, style);
    if (s.YA == 2) {
        SwapEnds(s);
        s.YA = 0;
        ShaftAndHead(s, style);
    }
    s.MUKI = 0;
}

namespace shared {

void DrawArrow(State& s) { vm::DrawArrow(s, ArrowStyle{}); }

}  // namespace shared

void DrawSlopeTriangle(State& s) {
    if (s.GX4 < s.GX3) {
        std::swap(s.GX3, s.GX4);
        std::swap(s.GY3, s.GY4);
    }
    s.P.SetDrawWidth(5);
    // Run: along the bottom or top, head at the second point's column.
    s.ZX0 = s.GX3, s.ZY0 = s.GY3;
    s.ZX = s.GX4, s.ZY = s.GY3;
    s.MUKI = 1;
    s.CCC2 = kPurple;
    s.NAGASA = 16;
    DrawArrow(s);
    // Rise: from that corner up or down to the second point.
    s.ZX0 = s.GX4, s.ZY0 = s.GY3;
    s.ZX = s.GX4, s.ZY = s.GY4;
    s.MUKI = 1;
    s.CCC2 = kBlue;
    s.NAGASA = 16;
    DrawArrow(s);
    s.X_s = LengthText(s, Div(s.GX4 - s.GX3, s.SIZE));
    // The rise counts upwards on the screen; a part of a unit gets its zero.
    const float rise = Div(s.GY3 - s.GY4, s.SIZE);
    std::string size = LengthText(s, std::fabs(rise));
    if (std::fabs(rise) > 0 && std::fabs(rise) < 1) size = "0" + size;
    s.Y_s = rise < 0 ? "-" + size : size;
    if (Mid(s.HYOUJI_s, 1, 1) == "y") {
        s.CCC1 = kPurple;
        s.X = (s.GX3 + s.GX4) / 2 - 14;
        s.Y = s.GY4 < s.GY3 ? s.GY3 - 44 : s.GY3;
        s.AA_s = s.X_s;
        DrawMarkupText(s);
    }
    if (Mid(s.HYOUJI_s, 2, 1) == "y") {
        s.CCC1 = kBlue;
        s.X = s.GX4;
        s.Y = (s.GY3 + s.GY4) / 2 - 16;
        s.AA_s = s.Y_s;
        DrawMarkupText(s);
    }
}

void IntersectLineWithGridLine(State& s) {
    if (s.AX == s.BX) {
        s.X1 = s.AX;
        s.Y1 = s.CY;
        return;
    }
    if (s.AY == s.BY) {
        s.X1 = s.CX;
        s.Y1 = s.AY;
        return;
    }
    s.A = Div(s.BY - s.AY, s.BX - s.AX);
    s.B = s.AY - s.A * s.AX;
    // A negative CX selects the horizontal line y = CY, a negative CY the
    // vertical line x = CX.
    if (s.CX < 0) {
        s.X1 = Div(s.CY - s.B, s.A);
        s.Y1 = s.CY;
    }
    if (s.CY < 0) {
        s.X1 = s.CX;
        s.Y1 = s.A * s.CX + s.B;
    }
}

void ComputeArcPoint(State& s) {
    s.CX = s.ZX1 - s.ZX0;
    s.CY = s.ZY1 - s.ZY0;
    s.RR = Sqr(s.CX * s.CX + s.CY * s.CY) / 2;
    s.ZX2 = s.ZX0 + s.RR;
    s.ZY2 = s.ZY0;
    ComputeRayAngle(s);
    s.H = s.HHP;
    s.HH = s.KAKUDO * s.PI / 180;
    fig::ArcPointAround(s, s.ZX2, s.ZY2);
}

}  // namespace vm
