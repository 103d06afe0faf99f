// Number entry: the one-line field at (KAIX, KAIY) in which every number of
// a run is typed, and the conversion of the typed text to its value.
#include "frame/frame.h"
#include "platform/colours.h"
#include "platform/runtime.h"
#include "platform/sjis.h"
#include "state/binding.h"
#include "state/shared_forms.h"

namespace vm {

namespace {

// Erases a box given by its top left and size, as every erase of the
// number entry does.
void Erase(State& s, float x, float y, float w, float h) {
    s.P.FillBox(x, y, x + w, y + h, kBackground, kBackground);
}

void CursorDot(State& s, int colour) { s.P.Dot(s.XX + 8, s.YY + 8, 4, colour); }

// The keys the field takes: "-", ".", "/" and the digits (codes 45 to 57).
bool Accepted(const std::string& k) { return k.size() == 1 && k[0] >= '-' && k[0] <= '9'; }

}  // namespace

void AskMenuNumber(State& s) {
    s.CCC1 = kBlack;
    s.X = s.KAIX - 240;
    s.Y = s.KAIY;
    s.AA_s = "番号を入力して下さい。";
    DrawPromptText(s);
    ReadNumberField(s);
    EvaluateInput(s);
}

void ReadNumberField(State& s) {
    s.XX = s.KAIX;
    s.YY = s.KAIY;
    s.X1 = s.X;
    s.Y1 = s.Y;
    s.AINP_s.clear();
    s.CCC1 = kBlack;
    s.X = s.XX - 48;
    s.Y = s.YY;
    s.AA_s = "入力";
    DrawPromptText(s);
    EditNumberLine(s);
    // Label, typed characters and cursor go at once.
    Erase(s, s.KAIX - 48, s.KAIY - 8, 240, 30);
}

void EditNumberLine(State& s) {
    // The dot is drawn once when it appears and erased when it goes, not on
    // every empty poll: a waiting field then repaints nothing.
    bool dot = false;
    for (;;) {
        if (!dot) {
            CursorDot(s, kRed);
            dot = true;
        }
        s.I_s = s.P.Inkey();
        if (s.I_s.empty()) continue;
        // Clearing comes before every other test: Backspace and Delete empty
        // the whole field, and so does any key once it holds 10 characters.
        if (s.I_s == key::kBackspace || s.I_s == key::kClear || KLen(s.AINP_s) > 9) {
            Erase(s, s.KAIX, s.KAIY - 8, 192, 30);
            dot = false;
            s.AINP_s.clear();
            s.XX = s.KAIX;
            s.YY = s.KAIY;
            s.I_s.clear();
            continue;
        }
        if (s.I_s == key::kEnter) {
            CursorDot(s, kBackground);
            return;
        }
        if (Accepted(s.I_s)) {
            CursorDot(s, kBackground);
            dot = false;
            s.CCC1 = kRed;
            s.A_s = s.I_s;
            s.X = s.XX;
            s.Y = s.YY;
            DrawPlainText(s);
            s.XX = s.XT;
            s.AINP_s += s.I_s;
        }
        // Any other key is ignored; the dot stays.
    }
}

void EvaluateInput(State& s) {
    s.LEM = static_cast<float>(KLen(s.AINP_s));
    s.N = static_cast<float>(KInstr(s.AINP_s, "/"));
    if (s.N == 0) {
        s.AINP = Val(s.AINP_s);
        return;
    }
    s.A_s = KLeft(s.AINP_s, static_cast<int>(s.N) - 1);
    s.B_s = KRight(s.AINP_s, static_cast<int>(s.LEM - s.N));
    // A fraction over 0 (or over nothing) is valued 0, which every caller
    // takes as "ask again" or "not 1", instead of stopping the program.
    const float denominator = Val(s.B_s);
    s.AINP = denominator == 0 ? 0 : Div(Val(s.A_s), denominator);
}


namespace shared {

void AskNumberAtBottom(State& s) {
    s.CCC1 = kBlack;
    s.X = 16;
    s.Y = 666;
    DrawPromptText(s);
    ReadNumberField(s);
    EvaluateInput(s);
}

void EraseMenuPrompt(State& s) { Erase(s, s.KAIX - 240, s.KAIY - 8, 1056, 50); }

}  // namespace shared

}  // namespace vm
