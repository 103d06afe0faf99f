// Velmaris-D's cell writer: text centred in a table cell. It takes no
// extra offsets: AAAX and AAAY belong to the label placer alone here, and a
// cell leaves them as it found them.
#include "formula/formula.h"
#include "lessons/survey/revisions.h"
#include "platform/colours.h"
#include "platform/runtime.h"
#include "platform/sjis.h"

namespace vm::survey {

void DrawCellText(State& s) {
    s.X1 = s.X;
    s.Y1 = s.Y;
    const std::string text = s.A_s;
    s.N1 = static_cast<float>(KInstr(s.A_s, "ﾀ"));
    // Measuring draws the text, and a large ")" in it would use up KAKKO
    // before the real drawing.
    const float kakko = s.KAKKO;
    MeasureText(s);
    s.KAKKO = kakko;
    const float d = (s.HABA - s.LLT) / 2;
    // A line with a stacked fraction is 50 px high, a plain one 44.
    const float h = s.N1 != 0 ? 50 : 44;
    s.Y2 = s.Y1 + Int((s.TATE - h) / 2);
    s.Y3 = s.Y1 + s.TATE;
    s.P.FillBox(s.X1, s.Y1, s.X1 + s.HABA, s.Y3, static_cast<int>(s.CCC2),
                static_cast<int>(s.CCC3));
    s.N2 = s.TATE >= 80 ? 30 : 20;
    s.CCC4 = s.CCC3 == kBlue ? kRed : kBlue;
    s.X = s.X1 + (d < 0 ? 0 : d);
    s.Y = s.Y2;
    s.AA_s = text;
    DrawMarkupText(s);
    s.X = s.X1 + s.HABA;
    s.Y = s.Y1;
    s.A_s = text;  // the walker leaves its last character there; callers get theirs back
}

}  // namespace vm::survey
