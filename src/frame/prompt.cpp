// Prompt text: one fixed 16-pixel cell per character, each character shown
// through the display map. Used for the questions, labels, scene lists,
// waits and the echo of typed keys.
#include "frame/frame.h"
#include "platform/runtime.h"
#include "platform/sjis.h"

namespace vm {

namespace {
const std::string kFullStop = "．";
}  // namespace

void DrawPromptText(State& s) {
    for (;;) {
        s.LEM = static_cast<float>(KLen(s.AA_s));
        if (s.LEM == 0) return;
        s.A_s = KLeft(s.AA_s, 1);
        s.AA_s = KRight(s.AA_s, static_cast<int>(s.LEM) - 1);
        if (s.A_s == "^") {
            s.JYOU = 1;  // the next character is drawn as it stands
            continue;
        }
        // Passed one at a time, a half-width blank survives as an empty
        // text and so still takes its cell.
        DrawPlainText(s);
        s.X = s.XT;
    }
}

void DrawPlainText(State& s) {
    StripSpaces(s);
    s.LE = static_cast<float>(KLen(s.A_s));
    s.XT = s.X;
    s.P.SetFontBold(true);
    // At least one pass, even for an empty text: that pass is the blank
    // cell of a half-width blank.
    s.I = 1;
    do {
        s.B_s = KMid(s.A_s, static_cast<int>(s.I), 1);
        if (s.B_s == "^") {
            s.JYOU = 1;
        } else {
            if (s.JYOU == 1) s.JYOU = 0;
            else ToDisplayChar(s);
            // A character still half-width sits 4 px higher than the
            // full-width glyphs around it (exponents, unmapped letters).
            s.L = Len(s.B_s) == 1 ? 4 : 0;
            // The full-width period takes no width: it sits in the gap
            // between its neighbours.
            if (s.B_s == kFullStop) s.XT -= 4;
            if (!s.B_s.empty()) s.P.Symbol(s.XT, s.Y - s.L, s.B_s, 1, 1, CInt(s.CCC1));
            if (s.B_s == kFullStop) s.XT -= 12;
            s.XT += 16;
        }
        s.I += 1;
    } while (s.I <= s.LE);
}

}  // namespace vm
