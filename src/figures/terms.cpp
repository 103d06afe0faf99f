// Signs of a term's text, the brace of simultaneous equations and the
// written column sum of two lines.
#include "figures/common.h"
#include "figures/figures.h"
#include "formula/formula.h"
#include "platform/sjis.h"

namespace vm {

void NegateTermSign(State& s) {
    s.LE = static_cast<float>(KLen(s.A_s));
    if (s.A_s.empty()) return;
    const std::string first = KLeft(s.A_s, 1);
    if (first == "-") s.A_s = std::string("+") + KMid(s.A_s, 2);
    else if (first == "+") s.A_s = std::string("-") + KMid(s.A_s, 2);
    else s.A_s = std::string("-") + s.A_s;
}

void StripPlusSign(State& s) {
    s.LE = static_cast<float>(KLen(s.A_s));
    if (KLeft(s.A_s, 1) == "+") s.A_s = KMid(s.A_s, 2);
}

void StripLeadingSign(State& s) {
    s.LE = static_cast<float>(KLen(s.A_s));
    const std::string first = KLeft(s.A_s, 1);
    if (first == "+" || first == "-") s.A_s = KMid(s.A_s, 2);
}

void DrawEquationBrace(State& s) {
    const int pen = fig::KeepPen(s);
    s.P.SetDrawWidth(5);
    s.X1 = s.X + 35;
    s.X2 = s.X + 23;
    s.X3 = s.X + 8;
    s.Y1 = s.Y + 5;
    s.Y7 = s.Y + s.HABA - 10;
    s.X4 = (s.Y1 + s.Y7) / 2;  // the brace's middle row
    s.Y2 = s.Y + 8;
    s.Y3 = s.X4 - 7;
    s.Y4 = s.X4;
    s.Y5 = s.X4 + 7;
    s.Y6 = s.Y + s.HABA - 13;
    s.P.Connect({{s.X1, s.Y1},
                 {s.X2, s.Y2},
                 {s.X2, s.Y3},
                 {s.X3, s.Y4},
                 {s.X2, s.Y5},
                 {s.X2, s.Y6},
                 {s.X1, s.Y7}},
                fig::Whole(s.CCC1));
    s.P.SetDrawWidth(pen);
}

void DrawColumnArithmetic(State& s) {
    s.X1 = s.X;
    s.Y1 = s.Y;
    const int pen = fig::KeepPen(s);
    s.A_s = s.A1_s;
    MeasureText(s);
    s.LT1 = s.LLT;
    s.A_s = s.A2_s;
    MeasureText(s);
    s.LT2 = s.LLT;
    s.LT = s.LT1 > s.LT2 ? s.LT1 : s.LT2;
    auto write = [&](float x, float y, const std::string& text) {
        s.X = x;
        s.Y = y;
        s.AA_s = text;
        DrawMarkupText(s);
    };
    write(s.X1 + 54, s.Y1, s.A1_s);
    // The operator sits a little lower than the second line, closed by ")".
    write(s.X1, s.Y1 + s.TAKASA + 6, s.ENZAN_s);
    write(s.X, s.Y, ")");
    write(s.X1 + 54, s.Y1 + s.TAKASA, s.A2_s);
    s.P.SetDrawWidth(3);
    const float ry = s.Y1 + 2 * s.TAKASA;
    s.P.Line(s.X1 + 27, ry, s.X1 + 27 + s.LT + 30, ry, fig::Whole(s.CCC2));
    s.P.SetDrawWidth(pen);
    s.YI1 = s.Y1 + s.TAKASA;
    s.XI3 = s.X1 + 54;
    // The text cursor goes after the wider of the two lines.
    s.XI2 = s.X1 + 54 + s.LT;
}

}  // namespace vm
