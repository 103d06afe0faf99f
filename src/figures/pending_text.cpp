// Stand-ins for the text routines of the frame and formula groups, so the
// figure routines can be built and tried before those land. Delete this
// file when merging them.
#include "formula/formula.h"
#include "frame/frame.h"
#include "platform/sjis.h"

namespace vm {

void StripSpaces(State& s) {
    std::string out;
    for (char c : s.A_s)
        if (c != ' ') out += c;
    s.A_s = out;
}

void DrawMarkupText(State& s) {
    if (!s.AA_s.empty()) s.P.Symbol(s.X, s.Y, s.AA_s, 1, 1, CInt(s.CCC1));
    s.X += 16.0f * static_cast<float>(KLen(s.AA_s));
    s.AA_s.clear();
}

void MeasureText(State& s) {
    s.LLT = 16.0f * static_cast<float>(KLen(s.A_s));
    s.AA_s.clear();
}

void DrawLabelText(State& s) {
    if (!s.AA_s.empty()) s.P.Symbol(s.X, s.Y, s.AA_s, 1, 1, CInt(s.CCC1));
    s.X += 15.0f * static_cast<float>(KLen(s.AA_s));
    s.AA_s.clear();
}

void MeasureLabelText(State& s) {
    s.LLT = 15.0f * static_cast<float>(KLen(s.A_s));
    s.AA_s = s.A_s;
}

void WaitForKey(State& s) {
    do s.I_s = s.P.Inkey();
    while (s.I_s.empty());
}

}  // namespace vm
