// Angle marks, right-angle marks and labels on an angle's bisector.
#include <cmath>

#include "figures/common.h"
#include "figures/figures.h"
#include "figures/styles.h"
#include "formula/formula.h"
#include "platform/sjis.h"
#include "state/shared_forms.h"

namespace vm {

void DrawAngleMark(State& s) {
    ComputeRayAngles(s);
    if (s.HONSU > 6) s.HONSU = 1;
    if (s.HONSU > 0) {
        // Arcs step inwards from NAGASA, where the label is anchored.
        s.NAGASA1 = s.NAGASA;
        fig::CountedLoop(s.II, 1, s.HONSU, [&] {
            s.NAGASA1 -= 8;
            // A mark too small for its arcs shows nothing rather than
            // handing the canvas a radius of zero or below.
            if (s.NAGASA1 > 0)
                s.P.Circle(s.ZX0, s.ZY0, s.NAGASA1, fig::Whole(s.CCC3), 1, s.HH2, s.HH1);
        });
    } else {
        s.P.Sector(s.ZX0, s.ZY0, s.NAGASA, fig::Whole(s.CCC2), fig::Whole(s.CCC3), 1, s.HH2,
                   s.HH1);
    }
    PlaceAngleLabel(s);
    s.ITI = 0;
    s.AAA_s.clear();
}

void DrawRightAngleMark(State& s) {
    ComputeRayAngles(s);
    const float n = s.NAGASA;
    s.ZX3 = s.ZX0 + n * std::cos(s.HH3);
    s.ZY3 = s.ZY0 - n * std::sin(s.HH3);
    s.ZX4 = s.ZX0 + n * std::cos(s.HH4);
    s.ZY4 = s.ZY0 - n * std::sin(s.HH4);
    s.ZX5 = s.ZX3 + n * std::cos(s.HH4);
    s.ZY5 = s.ZY3 - n * std::sin(s.HH4);
    // The sides along the rays are the figure's own lines.
    s.P.Connect({{s.ZX3, s.ZY3}, {s.ZX5, s.ZY5}, {s.ZX4, s.ZY4}}, fig::Whole(s.CCC2));
}

void PlaceAngleLabel(State& s, const AngleLabelStyle& style) {
    // Measuring draws the label out of sight, and a large ")" in it would
    // use up KAKKO before the label is drawn for real.
    const float kakko = s.KAKKO;
    s.A_s = s.AAA_s;
    MeasureText(s);
    s.KAKKO = kakko;
    ComputeRayAngles(s);
    // A stacked fraction stands taller than a line of text.
    s.N1 = static_cast<float>(KInstr(s.AAA_s, "ﾀ"));
    s.DY = s.N1 > 0 ? 40.0f : 22.0f;
    const float c = std::cos(s.HH5), sn = std::sin(s.HH5);
    const float ax = s.ZX0 + s.NAGASA * c;
    const float ay = s.ZY0 - s.NAGASA * sn;
    // The text is pushed off the anchor in the bisector's direction: to the
    // right it starts there, to the left it ends there, up or down it is
    // centred, so a label never covers the vertex it names.
    s.X = ax + s.LLT * (c / 2 - 0.5f) + s.AAAX;
    s.Y = ay - 2 * s.DY * (sn / 2 + 0.5f) + s.AAAY;
    s.AA_s = s.AAA_s;
    if (style.plain_on_request && s.MU_DO == 1) DrawLabelText(s);
    else DrawMarkupText(s);
    s.ITI = 0;
    s.AAA_s.clear();
    s.AAAX = 0;
    s.AAAY = 0;
    s.NAGASA = 0;
    if (style.plain_on_request) s.MU_DO = 0;
}

namespace shared {

void PlaceAngleLabel(State& s) { vm::PlaceAngleLabel(s, AngleLabelStyle{}); }

}  // namespace shared
}  // namespace vm
