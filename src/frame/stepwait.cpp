// The step wait, the pause between the steps of a scene, and the erase of
// the bottom band it stands on.
#include "frame/frame.h"
#include "frame/styles.h"
#include "platform/colours.h"
#include "platform/runtime.h"
#include "state/binding.h"
#include "state/shared_forms.h"

namespace vm {

void WaitForKey(State& s, const BandStyle& band) {
    const float top = band.top, bottom = band.top + 36;
    s.CCC0 = s.CCC1;
    s.DR = static_cast<float>(s.P.GetDrawWidth());
    s.P.SetDrawWidth(3);
    if (band.outline_apart) {
        s.P.FillBox(96, top, 400, bottom, kDeepNavy, kDeepNavy);
        s.P.Box(96, top, 400, bottom, kAmber);
    } else {
        s.P.FillBox(96, top, 400, bottom, kAmber, kDeepNavy);
    }
    s.CCC1 = kGreen;
    s.X = 128;
    s.Y = top + 9;
    s.AA_s = "何かキーを押して下さい。";
    DrawPromptText(s);
    // One key per wait: keys typed ahead advance the following waits.
    do s.I_s = s.P.Inkey();
    while (s.I_s.empty());
    // From the screen's left edge, wider than the box.
    s.P.FillBox(0, top, 400, bottom, kBackground, kBackground);
    s.CCC1 = s.CCC0;
    s.P.SetDrawWidth(CInt(s.DR));
}

void EraseBottomLine(State& s, const BandStyle& band) {
    s.P.FillBox(0, band.top, 992, 720, kBackground, kBackground);
}

namespace shared {

void WaitForKey(State& s) { vm::WaitForKey(s, BandStyle{}); }
void EraseBottomLine(State& s) { vm::EraseBottomLine(s, BandStyle{}); }

}  // namespace shared

}  // namespace vm
