// Marks that show segments to be equal: ticks across, chevrons along.
#include "figures/common.h"
#include "figures/figures.h"

namespace vm {

namespace {

// Unit vector from A to B in DX, DY (B - A in CX, CY, its length in D).
// Equal ends have no direction: a run-time error, not a mark of NaNs.
void UnitAB(State& s) {
    s.CX = s.BX - s.AX;
    s.CY = s.BY - s.AY;
    s.D = Sqr(s.CX * s.CX + s.CY * s.CY);
    s.DX = Div(s.CX, s.D);
    s.DY = Div(s.CY, s.D);
}

}  // namespace

void DrawTickMarks(State& s) {
    if (s.AIDA == 0 || s.AIDA > 30) s.AIDA = 8;
    UnitAB(s);
    s.EX = (s.AX + s.BX) / 2 + s.ITI * s.DX;
    s.EY = (s.AY + s.BY) / 2 + s.ITI * s.DY;
    if (s.HONSU < 0 || s.HONSU > 6) s.HONSU = 1;
    s.AIDA1 = s.AIDA;
    // AIDA is left grown past the last tick; callers set it before each call.
    fig::CountedLoop(s.II, 1, s.HONSU, [&] {
        s.AX1 = s.EX + s.AIDA * s.DX + s.NAGASA * s.DY;
        s.AY1 = s.EY + s.AIDA * s.DY - s.NAGASA * s.DX;
        s.AX2 = s.EX + s.AIDA * s.DX - s.NAGASA * s.DY;
        s.AY2 = s.EY + s.AIDA * s.DY + s.NAGASA * s.DX;
        s.P.Line(s.AX1, s.AY1, s.AX2, s.AY2, fig::Whole(s.CCC2));
        s.AIDA += s.AIDA1;
    });
}

void DrawChevronMarks(State& s) {
    UnitAB(s);
    // The point dividing AB in the ratio A : B.
    const float t = Div(s.A, s.A + s.B);
    s.BX1 = s.AX + s.CX * t;
    s.BY1 = s.AY + s.CY * t;
    s.EX = s.BX1 - s.NAGASA * s.DX;
    s.EY = s.BY1 - s.NAGASA * s.DY;
    s.AX1 = s.EX - s.NAGASA / 2 * s.DY;
    s.AY1 = s.EY + s.NAGASA / 2 * s.DX;
    s.AX2 = s.EX + s.NAGASA / 2 * s.DY;
    s.AY2 = s.EY - s.NAGASA / 2 * s.DX;
    if (s.HONSU <= 0 || s.HONSU > 6) s.HONSU = 1;
    fig::CountedLoop(s.II, 1, s.HONSU, [&] {
        const float mx = 16 * s.DX, my = 16 * s.DY;
        s.BX1 += mx, s.BY1 += my;
        s.AX1 += mx, s.AY1 += my;
        s.AX2 += mx, s.AY2 += my;
        s.P.Line(s.AX1, s.AY1, s.BX1, s.BY1, fig::Whole(s.CCC2));
        s.P.Line(s.AX2, s.AY2, s.BX1, s.BY1, fig::Whole(s.CCC2));
    });
}

}  // namespace vm
