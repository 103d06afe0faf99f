#include "lessons/applications1/equilateral.h"

#include "frame/frame.h"
#include "lessons/common/figure.h"
#include "lessons/common/marks.h"
#include "platform/colours.h"
#include "platform/runtime.h"

namespace vm {

using namespace equilateral;

void EquilateralAltitude(State& s, const std::string& side, const std::string& half) {
    // A side of 6 grid units; the apex stands 3√3 above the base.
    Put(s, {{kB, 1, 1}, {kA, 1 + 3, 1 + 3 * Sqr(3)}, {kC, 1 + 6, 1}, {kD, 1 + 3, 1}});
    Polygon(s, {kA, kB, kC}, "A");
    LengthArc(s, kA, kB, 1, 5, side, kBlueDotsBlackLabel);
    WaitForKey(s);

    LengthArc(s, kB, kD, 1, 5, half, kBlueDotsBlackLabel);
    Ticks(s, kB, kD);
    Ticks(s, kD, kC);
    Disc(s, kD, 5, kBlack);
    PointLetter(s, kD, kBlack, "D");
    WaitForKey(s);

    Segment(s, kA, kD, kBlack);
    WaitForKey(s);

    RightAngle(s, kD, kA, kB, 40, kRed);
}

}  // namespace vm
