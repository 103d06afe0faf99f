// Basic problem 3: a cuboid's diagonal, and the height and volume of a cone.
#include "frame/frame.h"
#include "lessons/applications2/p205.h"
#include "lessons/applications2/textbook.h"
#include "lessons/common/cone.h"
#include "platform/colours.h"

namespace vm {

using namespace textbook;

namespace {

using namespace cone;

// The cone beside the texts of (1): 50 px a unit, its height 5.5 units.
void DrawCone(State& s) {
    Frame(s, 748, 90, 9, 8, 50);
    Cone(s, 5.5f);
    ConeHeight(s);
    LengthArc(s, kApex, kCentre, -1, 5, "x㎝", {kBlue, kRed, 20});
    LengthArc(s, kLeft, kCentre, 1, 7, "6㎝", kBlueEdgeLength);
    LengthArc(s, kApex, kLeft, 1, 4, "10㎝", kBlueEdgeLength);
}

}  // namespace

void BasicProblem3Answer(State& s) {
    ClearScreen(s);
    Tags(s, kP205, "3", 72, 30, 44);
    PlaceCursor(s, 114, 30);
    WaitForKey(s);
    Item(s, 70, kBlack, "(1) !3^2+4^2+12^2ﾝ");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "=!9+16+144ﾝ");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "=!169ﾝ=");
    Continue(s, kRed, "13(cm)");
    WaitForKey(s);
    DrawCone(s);
    Item(s, 70, kBlack, "(2)円錐の高さをxcm とすると");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "10^2=x^2+6^2");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "x^2=10^2-6^2=100-36=64");
    NewLine(s, 60, kBlack, "x>0だから x=!64ﾝ=");
    Continue(s, kBlue, "8");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "体積は、ﾀ1/3ﾀ*π*6^2*8=12*8=");
    Continue(s, kRed, "96π(cm^3)");
}

}  // namespace vm
