// Velmaris-D's label placer, grid and arrow.
#include <cmath>
#include <utility>

#include "figures/common.h"
#include "figures/figures.h"
#include "formula/formula.h"
#include "lessons/survey/revisions.h"
#include "platform/colours.h"
#include "platform/runtime.h"
#include "platform/sjis.h"

namespace vm::survey {

namespace {

// Shaft and open head from the tail (ZX, ZY) to the tip (ZX0, ZY0). Ends
// that coincide give no direction: the shaft is drawn, the head is not.
void ShaftAndHead(State& s) {
    const int colour = fig::Whole(s.CCC2);
    s.P.Line(s.ZX, s.ZY, s.ZX0, s.ZY0, colour);
    s.CX = s.ZX0 - s.ZX;
    s.CY = s.ZY0 - s.ZY;
    s.D = Sqr(s.CX * s.CX + s.CY * s.CY);
    if (s.D == 0) return;
    s.DX = s.CX / s.D;
    s.DY = s.CY / s.D;
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

}  // namespace

void PlaceAngleLabel(State& s) {
    // Measuring draws the label out of sight, and a large ")" in it would
    // use up KAKKO before the label is drawn for real.
    const float kakko = s.KAKKO;
    s.A_s = s.AAA_s;
    MeasureText(s);
    s.KAKKO = kakko;
    ComputeRayAngles(s);
    s.N1 = static_cast<float>(KInstr(s.AAA_s, "ﾀ"));
    s.DY = s.N1 > 0 ? 40.0f : 22.0f;
    const float c = std::cos(s.HH5), sn = std::sin(s.HH5);
    s.X = s.ZX0 + s.NAGASA * c + s.LLT * (c / 2 - 0.5f) + s.AAAX;
    s.Y = s.ZY0 - s.NAGASA * sn - 2 * s.DY * (sn / 2 + 0.5f) + s.AAAY;
    // Every label is formula text here, vertex letters and dimensions alike.
    s.AA_s = s.AAA_s;
    DrawMarkupText(s);
    s.ITI = 0;
    s.AAA_s.clear();
    s.AAAX = 0;
    s.AAAY = 0;
    s.NAGASA = 0;
}

void DrawGrid(State& s) {
    const int pen = fig::KeepPen(s);
    s.PI = fig::kPi;
    s.GX1 = s.GGX;
    s.GY1 = s.GGY;
    s.GX2 = s.GX1 + s.SIZE * s.YOKO;
    s.GY2 = s.GY1 + s.SIZE * s.TATE;
    s.GX0 = s.GX1;
    s.GY0 = s.GY2;
    // Colour 15 is the background: the lines are drawn all the same, in
    // it, and so paint over whatever lies under them.
    s.CCC3 = s.CCC2 == kBackground ? kBackground : kLightGrey;
    auto line = [&](float x1, float y1, float x2, float y2) {
        const bool thick = CLng(s.II) % 5 == 0;
        s.P.SetDrawWidth(thick ? 3 : 1);
        s.P.Line(x1, y1, x2, y2, fig::Whole(thick ? s.CCC3 : s.CCC2));
    };
    fig::CountedLoop(s.II, 0, s.YOKO, [&] {
        const float x = s.GX1 + s.SIZE * s.II;
        line(x, s.GY1, x, s.GY2);
    });
    fig::CountedLoop(s.II, 0, s.TATE, [&] {
        const float y = s.GY2 - s.SIZE * s.II;
        line(s.GX1, y, s.GX2, y);
    });
    s.P.SetDrawWidth(pen);
}

void DrawArrow(State& s) {
    // The head stands at (ZX0, ZY0); MUKI = -1 turns the arrow round.
    if (s.MUKI == -1) SwapEnds(s);
    ShaftAndHead(s);
    if (s.YA == 2) {
        s.YA = 0;
        SwapEnds(s);
        ShaftAndHead(s);
    }
    s.MUKI = 0;
}

}  // namespace vm::survey
