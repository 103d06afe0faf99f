// The step wait: the pause between the steps of a scene.
#include "frame/shared_forms.h"
#include "frame/binding.h"
#include "frame/frame.h"
#include "platform/colours.h"
#include "platform/runtime.h"

namespace vm {


namespace shared {

void WaitForKey(State& s) {
    s.CCC0 = s.CCC1;
    s.DR = static_cast<float>(s.P.GetDrawWidth());
    s.P.SetDrawWidth(3);
    s.P.FillBox(96, 657, 400, 693, kAmber, kDeepNavy);
    s.CCC1 = kGreen;
    s.X = 128;
    s.Y = 666;
    s.AA_s = "何かキーを押して下さい。";
    DrawPromptText(s);
    // One key per wait: keys typed ahead advance the following waits.
    do s.I_s = s.P.Inkey();
    while (s.I_s.empty());
    // From the screen's left edge, wider than the box.
    s.P.FillBox(0, 657, 400, 693, kBackground, kBackground);
    s.CCC1 = s.CCC0;
    s.P.SetDrawWidth(CInt(s.DR));
}

}  // namespace shared

}  // namespace vm
