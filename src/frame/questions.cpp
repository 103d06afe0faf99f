// Questions at the foot of the screen: the key prompt and the drills'
// repeat gate.
#include "frame/frame.h"
#include "platform/colours.h"
#include "platform/runtime.h"
#include "state/binding.h"
#include "state/shared_forms.h"

namespace vm {

void ShowKeyPrompt(State& s) {
    s.CCC0 = s.CCC1;
    s.DR = static_cast<float>(s.P.GetDrawWidth());
    s.P.SetDrawWidth(3);
    s.P.FillBox(16, 657, 16 + 480, 657 + 36, kAmber, kDeepNavy);
    s.CCC1 = kGreen;
    s.X = 48;
    s.Y = 666;
    DrawPromptText(s);
    do s.I_s = s.P.Inkey();
    while (s.I_s.empty());
    EraseKeyPrompt(s);
}

void EraseKeyPrompt(State& s) {
    s.P.FillBox(0, 657, 992, 720, kBackground, kBackground);
    s.CCC1 = s.CCC0;
    s.P.SetDrawWidth(CInt(s.DR));
}

void AskNextStep(State& s) {
    s.DR = static_cast<float>(s.P.GetDrawWidth());
    s.P.SetDrawWidth(2);
    s.P.FillBox(96, 639, 400, 675, kAmber, kPlum);
    s.CCC1 = kGreen;
    s.X = 128;
    s.Y = 648;
    s.AA_s = "次のステップは１を入力。";
    DrawPromptText(s);
    ReadNumberField(s);
    EvaluateInput(s);
    s.P.FillBox(s.KAIX - 48, s.KAIY - 9, s.KAIX - 48 + 160, s.KAIY - 9 + 27, kBackground,
                kBackground);
    s.P.FillBox(96, 639, 400, 675, kBackground, kBackground);
    // The text colour stays as the entry left it; callers set their own.
    s.P.SetDrawWidth(CInt(s.DR));
}


namespace shared {

void ClearWorkArea(State& s) { s.P.FillBox(0, 54, 1440, 900, kBackground, kBackground); }

}  // namespace shared

void ClearScreen(State& s) { s.P.FillBox(0, 0, 1760, 1800, kBackground, kBackground); }

}  // namespace vm
