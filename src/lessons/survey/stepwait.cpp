// The step wait and the bottom band of Velmaris-D: the wait's box stands on
// the place of the next-step gate's box, 18 px above the other programs'
// one, and the band's erase starts at its top.
#include "frame/frame.h"
#include "lessons/survey/revisions.h"
#include "platform/colours.h"
#include "platform/runtime.h"

namespace vm::survey {

void WaitForKey(State& s) {
    s.CCC0 = s.CCC1;
    s.DR = static_cast<float>(s.P.GetDrawWidth());
    s.P.SetDrawWidth(3);
    // Filled first, then outlined: two operations, the outline on top.
    s.P.FillBox(96, 639, 400, 675, kDeepNavy, kDeepNavy);
    s.P.Box(96, 639, 400, 675, kAmber);
    s.CCC1 = kGreen;
    s.X = 128;
    s.Y = 648;
    s.AA_s = "何かキーを押して下さい。";
    DrawPromptText(s);
    // One key per wait: keys typed ahead advance the following waits.
    do s.I_s = s.P.Inkey();
    while (s.I_s.empty());
    s.P.FillBox(0, 639, 400, 675, kBackground, kBackground);
    s.CCC1 = s.CCC0;
    s.P.SetDrawWidth(CInt(s.DR));
}

void EraseBottomLine(State& s) { s.P.FillBox(0, 639, 992, 720, kBackground, kBackground); }

}  // namespace vm::survey
