// The square grid that fixes a scene's frame and figure origin.
#include "figures/common.h"
#include "figures/figures.h"
#include "figures/styles.h"
#include "platform/colours.h"
#include "state/shared_forms.h"

namespace vm {

void DrawGrid(State& s, const GridStyle& style) {
    const int pen = fig::KeepPen(s);
    s.PI = fig::kPi;
    s.GX1 = s.GGX;
    s.GY1 = s.GGY;
    s.GX2 = s.GX1 + s.SIZE * s.YOKO;
    s.GY2 = s.GY1 + s.SIZE * s.TATE;
    s.GX0 = s.GX1;
    s.GY0 = s.GY2;
    const bool background = s.CCC2 == kBackground;
    if (!background || style.background_drawn) {
        s.CCC3 = background ? kBackground : kLightGrey;
        // Every fifth line, counted from the origin corner, is thick.
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
    }
    s.P.SetDrawWidth(pen);
}

namespace shared {

void DrawGrid(State& s) { vm::DrawGrid(s, GridStyle{}); }

}  // namespace shared

}  // namespace vm
