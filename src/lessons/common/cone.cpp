#include "lessons/common/cone.h"

#include "lessons/common/figure.h"
#include "lessons/common/text.h"
#include "platform/colours.h"

namespace vm {

using namespace cone;

void Cone(State& s, float height) {
    s.P.SetDrawWidth(5);
    Put(s, {{kApex, 5, 1 + height}, {kLeft, 1, 1}, {kCentre, 5, 1}, {kRight, 9, 1}});
    Segment(s, kApex, kLeft, kBlack);
    Segment(s, kApex, kRight, kBlack);
    Segment(s, kLeft, kCentre, kBlack);
    LengthArc(s, kLeft, kRight, 1, 1, "", {kBlack, kBlue, 30});
    LengthArc(s, kLeft, kRight, -1, 7, "", {kBlack, kBlue, 30});
    Label(s, kBlack, s.X_a(kApex) - 20, s.Y_a(kApex) - 48, "A");
    Label(s, kBlack, s.X_a(kLeft) - 48, s.Y_a(kLeft) - 24, "B");
    Label(s, kBlack, s.X_a(kCentre) + 8, s.Y_a(kCentre) - 24, "O");
}

void ConeHeight(State& s) {
    Segment(s, kApex, kCentre, kBlack);
    RightAngle(s, kCentre, kLeft, kApex, 30, kRed);
}

}  // namespace vm
